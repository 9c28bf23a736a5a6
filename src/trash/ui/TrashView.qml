pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Templates as T
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
                width: 52; height: 52; radius: 14
                gradient: Gradient {
                    GradientStop { position: 0; color: "#a2a2a8" }
                    GradientStop { position: 1; color: "#7c7c82" }
                }
                Symbol { anchors.centerIn: parent; name: "trash"; color: "white"; size: 28 }
            }
            ColumnLayout {
                spacing: 2
                Layout.fillWidth: true
                Text { text: qsTranslate("Pelmo", "Koš"); font.pixelSize: Theme.titleSize; font.bold: true; color: Theme.text; Accessible.role: Accessible.Heading; Accessible.name: text }
                // Wraps rather than cuts off where the window is narrow.
                Text { text: vm.subtitle; color: Theme.secondaryText; font.pixelSize: Theme.bodySize; Layout.fillWidth: true; wrapMode: Text.WordWrap }
            }
            BorderedButton { symbol: "folder"; text: qsTranslate("Pelmo", "Otevřít ve Finderu"); onClicked: AppState.store.openTrash() }
            DestructiveButton { symbol: "trash"; text: qsTranslate("Pelmo", "Vysypat koš"); onClicked: confirmEmpty.open() }
        }
        Rectangle { Layout.fillWidth: true; height: 1; color: Theme.separator }
        Item {
            Layout.fillWidth: true
            Layout.fillHeight: true
            BusyIndicator { anchors.centerIn: parent; running: vm.state === "loading"; visible: running }
            EmptyState {
                anchors.centerIn: parent
                width: Math.min(parent.width - 40, 480)
                visible: vm.state === "unreadable" || vm.state === "empty"
                symbol: vm.state === "unreadable" ? "lock" : "trash.slash"
                title: vm.state === "unreadable" ? qsTranslate("Pelmo", "Obsah koše není dostupný")
                                                 : qsTranslate("Pelmo", "Koš je prázdný")
                text: vm.state === "unreadable"
                      ? qsTranslate("Pelmo", "macOS chrání koš před čtením. Položky přesunuté Pelmo najdeš v Historii a vrátit je můžeš odtamtud.")
                      : qsTranslate("Pelmo", "Nic tu nezabírá místo.")
            }
            ListView {
                id: list
                anchors.fill: parent
                visible: vm.state === "list"
                clip: true
                model: vm.entries
                activeFocusOnTab: true
                highlightMoveDuration: 0
                Accessible.role: Accessible.List
                Accessible.name: qsTranslate("Pelmo", "Koš")
                // Return, the menu key or Shift+F10 on a row that Pelmo moved puts it back.
                Keys.onPressed: (event) => {
                    const row = currentItem
                    if (!row)
                        { event.accepted = false; return }
                    if (event.key === Qt.Key_Menu || (event.key === Qt.Key_F10 && (event.modifiers & Qt.ShiftModifier)))
                        row.openMenu()
                    else if ((event.key === Qt.Key_Return || event.key === Qt.Key_Enter) && row.restorable)
                        vm.restore(row.path)
                    else
                        { event.accepted = false; return }
                    event.accepted = true
                }
                delegate: T.ItemDelegate {
                    id: entry
                    required property int index
                    required property string name
                    required property string path
                    required property string sizeText
                    required property bool restorable
                    required property string iconName
                    width: ListView.view.width
                    implicitHeight: 44
                    leftPadding: 20
                    rightPadding: 20
                    hoverEnabled: true
                    focusPolicy: Qt.NoFocus
                    text: name
                    Keys.forwardTo: [ListView.view] // the list's keys, not a button's Space
                    Accessible.role: Accessible.ListItem
                    Accessible.name: name + ", " + sizeText
                    function openMenu() { menu.popup(entry, 40, entry.height - 4) }
                    onClicked: ListView.view.currentIndex = index
                    TapHandler { acceptedButtons: Qt.RightButton; onTapped: entry.openMenu() }
                    contentItem: RowLayout {
                        spacing: 12
                        Image {
                            Layout.preferredWidth: 28; Layout.preferredHeight: 28
                            sourceSize.width: 28; sourceSize.height: 28
                            source: entry.iconName.length > 0 ? "image://theme/" + entry.iconName : ""
                            Accessible.ignored: true
                        }
                        Text { text: entry.name; elide: Text.ElideMiddle; Layout.fillWidth: true; color: Theme.text; font.pixelSize: Theme.bodySize }
                        PlainButton {
                            visible: entry.restorable
                            focusPolicy: Qt.NoFocus
                            text: qsTranslate("Pelmo", "Vrátit zpět")
                            onClicked: vm.restore(entry.path)
                        }
                        Text { text: entry.sizeText; horizontalAlignment: Text.AlignRight; Layout.minimumWidth: 70; color: Theme.text; font.pixelSize: Theme.bodySize }
                    }
                    background: Rectangle {
                        color: entry.hovered ? Theme.hover : "transparent"
                        Rectangle { anchors.bottom: parent.bottom; x: 20; width: parent.width - 40; height: 1; color: Theme.separator }
                        FocusRing { shown: entry.ListView.isCurrentItem && entry.ListView.view.activeFocus; anchors.margins: 2; radiusOf: 4 }
                    }
                    PopupMenu {
                        id: menu
                        MenuRow {
                            text: qsTranslate("Pelmo", "Vrátit zpět")
                            shortcutText: "Enter"
                            enabled: entry.restorable
                            onTriggered: vm.restore(entry.path)
                        }
                    }
                }
                ScrollBar.vertical: ScrollBar {}
            }
        }
    }

    ConfirmDialog {
        id: confirmEmpty
        objectName: "confirmEmpty"
        destructive: true
        title: qsTranslate("Pelmo", "Vysypat koš?")
        message: qsTranslate("Pelmo", "Položky v koši se smažou natrvalo. Tuto akci nelze vrátit.")
        acceptText: qsTranslate("Pelmo", "Vysypat natrvalo")
        onAccepted: vm.emptyTrash()
    }
}
