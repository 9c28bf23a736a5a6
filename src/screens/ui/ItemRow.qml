import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Templates as T
import Pelmo

// One item of a category: its check box, texts, safety badge, size and preview button. The
// list holds the keyboard focus; its current row shows the ring.
T.ItemDelegate {
    id: row
    required property int index
    required property string path
    required property string name
    required property string detail
    required property string sizeText
    required property bool safe
    required property string badge
    required property bool selected
    required property string fullPath
    required property string iconName
    property bool current: ListView.isCurrentItem && ListView.view.activeFocus
    signal toggled(string path, bool on)
    signal exclude(string path)
    signal reveal(string path)
    signal preview()

    implicitHeight: Math.max(52, implicitContentHeight + topPadding + bottomPadding)
    leftPadding: 14
    rightPadding: 10
    topPadding: 4
    bottomPadding: 4
    hoverEnabled: true
    focusPolicy: Qt.NoFocus
    text: name
    // The list is the current row's focus scope: its keys, not a button's Space, count.
    Keys.forwardTo: [ListView.view]

    Accessible.role: Accessible.ListItem
    Accessible.name: name + ", " + sizeText + ", " + badge
    Accessible.description: detail
    Accessible.selectable: true
    Accessible.selected: selected

    ToolTip.visible: hovered && !menu.visible
    ToolTip.text: fullPath
    ToolTip.delay: 800

    function openMenu() { menu.popup(row, 40, row.height - 4) }

    onClicked: ListView.view.currentIndex = index
    TapHandler { acceptedButtons: Qt.RightButton; onTapped: row.openMenu() }

    contentItem: RowLayout {
        spacing: 12
        CheckButton {
            checked: row.selected
            focusPolicy: Qt.NoFocus
            Accessible.name: row.name
            onToggled: row.toggled(row.path, checked)
        }
        Image {
            Layout.preferredWidth: 26; Layout.preferredHeight: 26
            sourceSize.width: 26; sourceSize.height: 26
            source: row.iconName.length > 0 ? "image://theme/" + row.iconName : ""
            Accessible.ignored: true
        }
        ColumnLayout {
            spacing: 2
            Layout.fillWidth: true
            Text { text: row.name; elide: Text.ElideMiddle; Layout.fillWidth: true; color: Theme.text; font.pixelSize: Theme.bodySize }
            Text { text: row.detail; elide: Text.ElideMiddle; Layout.fillWidth: true; color: Theme.secondaryText; font.pixelSize: Theme.captionSize }
        }
        Badge { text: row.badge; tone: row.safe ? "success" : "warning" }
        Text {
            text: row.sizeText
            horizontalAlignment: Text.AlignRight
            Layout.minimumWidth: 70
            color: Theme.text
            font.pixelSize: Theme.bodySize
        }
        PlainButton {
            symbol: "eye"
            focusPolicy: Qt.NoFocus
            toolTip: qsTranslate("Pelmo", "Náhled")
            Accessible.name: qsTranslate("Pelmo", "Náhled položky %@").replace("%@", row.name)
            onClicked: row.preview()
        }
    }
    background: Rectangle {
        color: row.selected ? Qt.alpha(Theme.brand, Theme.dark ? 0.10 : 0.06) : row.hovered ? Theme.hover : "transparent"
        Rectangle { anchors.bottom: parent.bottom; x: 14; width: parent.width - 28; height: 1; color: Theme.separator }
        FocusRing { shown: row.current; anchors.margins: 2; radiusOf: 4 }
    }

    PopupMenu {
        id: menu
        MenuRow { text: qsTranslate("Pelmo", "Náhled"); shortcutText: "Enter"; onTriggered: row.preview() }
        MenuRow { text: qsTranslate("Pelmo", "Ukázat ve Finderu"); onTriggered: row.reveal(row.path) }
        MenuRow { text: qsTranslate("Pelmo", "Nikdy nenabízet"); onTriggered: row.exclude(row.path) }
    }
}
