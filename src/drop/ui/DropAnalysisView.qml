pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pelmo
import Pelmo.ViewModels

// The copies of a dropped item in the document folders, all ticked, ready for the Trash.
Popup {
    id: sheet
    objectName: "dropAnalysis"
    required property string path
    anchors.centerIn: Overlay.overlay
    width: 560; height: 480
    modal: true
    padding: 20
    closePolicy: Popup.CloseOnEscape

    DropAnalysisViewModel {
        id: vm
        store: AppState.store
        path: sheet.path
        onFinished: sheet.close()
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 14
        RowLayout {
            spacing: 12
            Image {
                Layout.preferredWidth: 48; Layout.preferredHeight: 48
                sourceSize.width: 48; sourceSize.height: 48
                source: vm.iconName.length > 0 ? "image://theme/" + vm.iconName : ""
                Accessible.ignored: true
            }
            ColumnLayout {
                spacing: 2
                Layout.fillWidth: true
                Label { text: vm.name; font.bold: true; font.pixelSize: 15; elide: Text.ElideMiddle; Layout.fillWidth: true }
                Label { text: vm.sizeText; opacity: 0.7 }
            }
        }
        Rectangle { Layout.fillWidth: true; height: 1; color: palette.mid; opacity: 0.4 }

        Item {
            Layout.fillWidth: true
            Layout.fillHeight: true
            ColumnLayout {
                anchors.centerIn: parent
                visible: vm.searching
                BusyIndicator { running: vm.searching; Layout.alignment: Qt.AlignHCenter }
                Label { text: qsTranslate("Pelmo", "Hledám stejné kopie…"); Layout.alignment: Qt.AlignHCenter }
            }
            ColumnLayout {
                anchors.centerIn: parent
                width: parent.width - 40
                visible: !vm.searching && copyList.count === 0
                spacing: 8
                Image {
                    Layout.alignment: Qt.AlignHCenter
                    sourceSize.width: 40; sourceSize.height: 40
                    source: "image://theme/" + AppState.icon("checkmark.seal")
                }
                Label {
                    text: qsTranslate("Pelmo", "Žádné další kopie")
                    font.bold: true; font.pixelSize: 17
                    Layout.alignment: Qt.AlignHCenter
                }
                Label {
                    text: qsTranslate("Pelmo", "Stejný soubor jsem ve Stažených, na ploše, v Dokumentech, Filmech, Obrázcích ani Hudbě nenašel.")
                    wrapMode: Text.WordWrap; horizontalAlignment: Text.AlignHCenter; opacity: 0.7
                    Layout.fillWidth: true
                }
            }
            ListView {
                id: copyList
                anchors.fill: parent
                visible: !vm.searching && count > 0
                clip: true
                model: vm.copies
                ScrollBar.vertical: ScrollBar {}
                delegate: ItemDelegate {
                    id: copy
                    required property string path
                    required property string name
                    required property string detail
                    required property string sizeText
                    required property bool selected
                    width: ListView.view.width
                    onClicked: vm.toggle(path)
                    contentItem: RowLayout {
                        spacing: 10
                        CheckBox {
                            checked: copy.selected
                            onToggled: vm.toggle(copy.path)
                            Accessible.name: copy.name
                        }
                        ColumnLayout {
                            spacing: 2
                            Layout.fillWidth: true
                            Label { text: copy.name; elide: Text.ElideMiddle; Layout.fillWidth: true }
                            Label { text: copy.detail; font.pixelSize: 11; opacity: 0.7; elide: Text.ElideMiddle; Layout.fillWidth: true }
                        }
                        Label { text: copy.sizeText }
                    }
                }
            }
        }
        Rectangle { Layout.fillWidth: true; height: 1; color: palette.mid; opacity: 0.4 }

        RowLayout {
            Button { text: qsTranslate("Pelmo", "Zavřít"); onClicked: sheet.close() }
            Item { Layout.fillWidth: true }
            Button {
                text: vm.trashText
                highlighted: true
                enabled: vm.trashEnabled
                onClicked: vm.trash()
            }
        }
    }
    Shortcut {
        sequences: ["Return", "Enter"]
        enabled: sheet.visible && vm.trashEnabled
        onActivated: vm.trash()
    }
}
