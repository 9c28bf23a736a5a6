import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Templates as T
import Pelmo
import Pelmo.ViewModels

// A look at one item without leaving Pelmo, with where it lies.
T.Popup {
    id: sheet
    property string path
    property string name
    property string sizeText
    anchors.centerIn: Overlay.overlay
    width: 560; height: 460
    modal: true
    padding: 20
    closePolicy: T.Popup.CloseOnEscape
    onOpened: done.forceActiveFocus(Qt.TabFocusReason)

    T.Overlay.modal: Rectangle { color: Qt.rgba(0, 0, 0, 0.35) }
    background: Rectangle { radius: 14; color: Theme.card; border.width: 1; border.color: Theme.border }

    PreviewViewModel { id: vm; path: sheet.visible ? sheet.path : "" }

    contentItem: ColumnLayout {
        spacing: 12
        RowLayout {
            spacing: 12
            ColumnLayout {
                spacing: 2
                Layout.fillWidth: true
                Text { text: sheet.name; font.bold: true; font.pixelSize: Theme.bodySize + 1; color: Theme.text; elide: Text.ElideMiddle; Layout.fillWidth: true }
                TextEdit {
                    objectName: "previewPath"
                    text: sheet.path
                    readOnly: true
                    selectByMouse: true
                    wrapMode: TextEdit.WrapAnywhere
                    color: Theme.secondaryText
                    selectionColor: Theme.accent
                    selectedTextColor: Theme.textOnAccent
                    font.pixelSize: Theme.captionSize
                    Layout.fillWidth: true
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }
                Text { text: vm.facts; font.pixelSize: Theme.captionSize; color: Theme.secondaryText; wrapMode: Text.WordWrap; Layout.fillWidth: true; visible: text.length > 0 }
            }
            Text { text: sheet.sizeText; Layout.alignment: Qt.AlignTop; color: Theme.text; font.pixelSize: Theme.bodySize; font.bold: true }
        }
        Rectangle {
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.minimumHeight: 240
            radius: 12
            clip: true
            color: Theme.window
            border.width: 1
            border.color: Theme.border
            BusyIndicator { anchors.centerIn: parent; running: vm.loading; visible: running }
            Image {
                id: picture
                anchors.fill: parent
                anchors.margins: 8
                visible: !vm.loading && (vm.kind === "image" || vm.kind === "pdf")
                source: vm.imageUrl
                sourceSize.width: width; sourceSize.height: height
                fillMode: Image.PreserveAspectFit
                asynchronous: true
                Accessible.role: Accessible.Graphic
                Accessible.name: sheet.name
            }
            ScrollView {
                anchors.fill: parent
                anchors.margins: 8
                visible: !vm.loading && vm.kind === "text"
                TextArea {
                    text: vm.text
                    readOnly: true
                    font.family: "monospace"
                    wrapMode: TextEdit.NoWrap
                    color: Theme.text
                    background: null
                    Accessible.name: sheet.name
                }
            }
            Image {
                anchors.centerIn: parent
                width: 96; height: 96
                // Also for a PDF or an image that does not load.
                visible: !vm.loading && (vm.kind === "other" || picture.status === Image.Error)
                source: vm.iconName.length > 0 ? "image://theme/" + vm.iconName : ""
                Accessible.ignored: true
            }
        }
        RowLayout {
            spacing: 8
            BorderedButton { symbol: "folder"; text: qsTranslate("Pelmo", "Ukázat ve Finderu"); onClicked: AppState.store.reveal(sheet.path) }
            Item { Layout.fillWidth: true }
            ProminentButton { id: done; text: qsTranslate("Pelmo", "Hotovo"); onClicked: sheet.close() }
        }
    }
    Shortcut { sequences: ["Return", "Enter"]; enabled: sheet.visible; onActivated: sheet.close() }
}
