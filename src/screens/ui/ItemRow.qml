import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// One item of a category: its check box, texts, safety badge and size.
ItemDelegate {
    id: row
    required property string path
    required property string name
    required property string detail
    required property string sizeText
    required property bool safe
    required property string badge
    required property bool selected
    required property string fullPath
    required property string iconName
    signal toggled(string path, bool on)
    signal exclude(string path)
    signal reveal(string path)
    signal preview()

    ToolTip.visible: hovered
    ToolTip.text: fullPath
    ToolTip.delay: 800

    contentItem: RowLayout {
        spacing: 12
        CheckBox { checked: row.selected; onToggled: row.toggled(row.path, checked) }
        Image {
            Layout.preferredWidth: 26; Layout.preferredHeight: 26
            sourceSize.width: 26; sourceSize.height: 26
            source: row.iconName.length > 0 ? "image://theme/" + row.iconName : ""
            Accessible.ignored: true
        }
        ColumnLayout {
            spacing: 2
            Layout.fillWidth: true
            Label { text: row.name; elide: Text.ElideMiddle; Layout.fillWidth: true }
            Label { text: row.detail; font.pixelSize: 11; opacity: 0.7; elide: Text.ElideMiddle; Layout.fillWidth: true }
        }
        Label {
            text: row.badge
            font.pixelSize: 11
            color: row.safe ? "#2e7d32" : "#ef6c00"
            leftPadding: 8; rightPadding: 8; topPadding: 3; bottomPadding: 3
            background: Rectangle { radius: height / 2; color: Qt.alpha(row.safe ? "#2e7d32" : "#ef6c00", 0.15) }
        }
        Label { text: row.sizeText; horizontalAlignment: Text.AlignRight; Layout.minimumWidth: 70 }
        ToolButton {
            text: "⊙"
            ToolTip.visible: hovered
            ToolTip.text: qsTranslate("Pelmo", "Náhled")
            Accessible.name: qsTranslate("Pelmo", "Náhled položky %@").replace("%@", row.name)
            onClicked: row.preview()
        }
    }
    TapHandler { acceptedButtons: Qt.RightButton; onTapped: menu.popup() }
    Menu {
        id: menu
        MenuItem { text: qsTranslate("Pelmo", "Náhled"); onTriggered: row.preview() }
        MenuItem { text: qsTranslate("Pelmo", "Ukázat ve Finderu"); onTriggered: row.reveal(row.path) }
        MenuItem { text: qsTranslate("Pelmo", "Nikdy nenabízet"); onTriggered: row.exclude(row.path) }
    }
}
