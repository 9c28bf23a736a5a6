import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pelmo
import Pelmo.ViewModels

// A look at one item without leaving Pelmo.
Popup {
    id: sheet
    property string path
    property string name
    property string sizeText
    anchors.centerIn: Overlay.overlay
    width: 560; height: 460
    modal: true
    padding: 20

    PreviewViewModel { id: vm; path: sheet.visible ? sheet.path : "" }

    ColumnLayout {
        anchors.fill: parent
        spacing: 12
        RowLayout {
            ColumnLayout {
                spacing: 2
                Layout.fillWidth: true
                Label { text: sheet.name; font.bold: true; elide: Text.ElideMiddle; Layout.fillWidth: true }
                Label { text: vm.facts; font.pixelSize: 11; opacity: 0.7; wrapMode: Text.WordWrap; Layout.fillWidth: true }
            }
            Label { text: sheet.sizeText; Layout.alignment: Qt.AlignTop }
        }
        Rectangle {
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.minimumHeight: 260
            radius: 12
            clip: true
            color: palette.base
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
            }
            ScrollView {
                anchors.fill: parent
                anchors.margins: 8
                visible: !vm.loading && vm.kind === "text"
                TextArea { text: vm.text; readOnly: true; font.family: "monospace"; wrapMode: TextEdit.NoWrap }
            }
            Image {
                anchors.centerIn: parent
                width: 96; height: 96
                // Also for a PDF or an image that does not load.
                visible: !vm.loading && (vm.kind === "other" || picture.status === Image.Error)
                source: vm.iconName.length > 0 ? "image://theme/" + vm.iconName : ""
            }
        }
        RowLayout {
            Button { text: qsTranslate("Pelmo", "Ukázat ve Finderu"); onClicked: AppState.store.reveal(sheet.path) }
            Item { Layout.fillWidth: true }
            Button { text: qsTranslate("Pelmo", "Hotovo"); highlighted: true; onClicked: sheet.close() }
        }
    }
    Shortcut { sequences: ["Return", "Enter"]; enabled: sheet.visible; onActivated: sheet.close() }
}
