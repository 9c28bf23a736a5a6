pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pelmo
import Pelmo.ViewModels

// What lies in the home Trash; items Pelmo moved can be put back from here.
Item {
    TrashViewModel { id: vm; store: AppState.store }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0
        RowLayout {
            Layout.fillWidth: true
            Layout.margins: 20
            spacing: 16
            Rectangle {
                width: 52; height: 52; radius: 14; color: "#8e8e93"
                Image {
                    anchors.centerIn: parent
                    sourceSize.width: 32; sourceSize.height: 32
                    source: "image://theme/" + AppState.icon("trash")
                    Accessible.ignored: true
                }
            }
            ColumnLayout {
                spacing: 2
                Label { text: qsTranslate("Pelmo", "Koš"); font.pixelSize: 20; font.bold: true }
                Label { text: vm.subtitle; opacity: 0.7 }
            }
            Item { Layout.fillWidth: true }
            Button { text: qsTranslate("Pelmo", "Otevřít ve Finderu"); onClicked: AppState.store.openTrash() }
            Button { text: qsTranslate("Pelmo", "Vysypat koš"); highlighted: true; onClicked: confirmEmpty.open() }
        }
        Rectangle { Layout.fillWidth: true; height: 1; color: palette.mid; opacity: 0.4 }
        Item {
            Layout.fillWidth: true
            Layout.fillHeight: true
            BusyIndicator { anchors.centerIn: parent; running: vm.state === "loading"; visible: running }
            ColumnLayout {
                anchors.centerIn: parent
                width: Math.min(parent.width - 40, 480)
                visible: vm.state === "unreadable" || vm.state === "empty"
                Label {
                    Layout.alignment: Qt.AlignHCenter
                    font.pixelSize: 20; font.bold: true
                    text: vm.state === "unreadable" ? qsTranslate("Pelmo", "Obsah koše není dostupný")
                                                    : qsTranslate("Pelmo", "Koš je prázdný")
                }
                Label {
                    Layout.fillWidth: true
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.WordWrap
                    opacity: 0.7
                    text: vm.state === "unreadable"
                          ? qsTranslate("Pelmo", "macOS chrání koš před čtením. Položky přesunuté Pelmo najdeš v Historii a vrátit je můžeš odtamtud.")
                          : qsTranslate("Pelmo", "Nic tu nezabírá místo.")
                }
            }
            ListView {
                anchors.fill: parent
                visible: vm.state === "list"
                clip: true
                model: vm.entries
                delegate: ItemDelegate {
                    id: entry
                    required property string name
                    required property string path
                    required property string sizeText
                    required property bool restorable
                    width: ListView.view.width
                    contentItem: RowLayout {
                        Label { text: entry.name; elide: Text.ElideMiddle; Layout.fillWidth: true }
                        Button {
                            flat: true
                            visible: entry.restorable
                            text: qsTranslate("Pelmo", "Vrátit zpět")
                            onClicked: vm.restore(entry.path)
                        }
                        Label { text: entry.sizeText; horizontalAlignment: Text.AlignRight; Layout.minimumWidth: 70 }
                    }
                }
                ScrollBar.vertical: ScrollBar {}
            }
        }
    }

    ConfirmDialog {
        id: confirmEmpty
        objectName: "confirmEmpty"
        title: qsTranslate("Pelmo", "Vysypat koš?")
        message: qsTranslate("Pelmo", "Položky v koši se smažou natrvalo. Tuto akci nelze vrátit.")
        acceptText: qsTranslate("Pelmo", "Vysypat natrvalo")
        onAccepted: vm.emptyTrash()
    }
}
