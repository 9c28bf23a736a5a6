pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Templates as T
import Pelmo
import Pelmo.ViewModels

// The copies of a dropped item in the document folders, all ticked, ready for the Trash.
T.Popup {
    id: sheet
    objectName: "dropAnalysis"
    required property string path
    anchors.centerIn: Overlay.overlay
    width: 560; height: 480
    modal: true
    padding: 20
    closePolicy: T.Popup.CloseOnEscape
    T.Overlay.modal: Rectangle { color: Qt.rgba(0, 0, 0, 0.35) }
    background: Rectangle { radius: 14; color: Theme.card; border.width: 1; border.color: Theme.border }
    onOpened: copyList.forceActiveFocus()

    DropAnalysisViewModel {
        id: vm
        store: AppState.store
        path: sheet.path
        onFinished: sheet.close()
    }

    contentItem: ColumnLayout {
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
                Text { text: vm.name; font.bold: true; font.pixelSize: 15; elide: Text.ElideMiddle; Layout.fillWidth: true; color: Theme.text }
                Text { text: vm.sizeText; color: Theme.secondaryText; font.pixelSize: Theme.bodySize }
            }
        }
        Rectangle { Layout.fillWidth: true; height: 1; color: Theme.separator }

        Item {
            Layout.fillWidth: true
            Layout.fillHeight: true
            ColumnLayout {
                anchors.centerIn: parent
                visible: vm.searching
                BusyIndicator { running: vm.searching; Layout.alignment: Qt.AlignHCenter }
                Text { text: qsTranslate("Pelmo", "Hledám stejné kopie…"); Layout.alignment: Qt.AlignHCenter; color: Theme.text; font.pixelSize: Theme.bodySize }
            }
            EmptyState {
                anchors.centerIn: parent
                width: parent.width - 40
                visible: !vm.searching && copyList.count === 0
                symbol: "checkmark.seal"
                title: qsTranslate("Pelmo", "Žádné další kopie")
                text: qsTranslate("Pelmo", "Stejný soubor jsem ve Stažených, na ploše, v Dokumentech, Filmech, Obrázcích ani Hudbě nenašel.")
            }
            ListView {
                id: copyList
                anchors.fill: parent
                visible: !vm.searching && count > 0
                clip: true
                activeFocusOnTab: true
                highlightMoveDuration: 0
                Accessible.role: Accessible.List
                Accessible.name: qsTranslate("Pelmo", "Hledám stejné kopie…")
                Keys.onSpacePressed: if (currentRow) vm.toggle(currentRow.path)
                readonly property var currentRow: currentItem
                model: vm.copies
                ScrollBar.vertical: ScrollBar {}
                delegate: T.ItemDelegate {
                    id: copy
                    required property int index
                    required property string path
                    required property string name
                    required property string detail
                    required property string sizeText
                    required property bool selected
                    width: ListView.view.width
                    implicitHeight: Math.max(44, implicitContentHeight + 8)
                    leftPadding: 6
                    rightPadding: 6
                    hoverEnabled: true
                    focusPolicy: Qt.NoFocus
                    text: name
                    Keys.forwardTo: [ListView.view] // the list's keys, not a button's Space
                    Accessible.role: Accessible.ListItem
                    Accessible.name: name + ", " + sizeText
                    Accessible.description: detail
                    onClicked: { ListView.view.currentIndex = index; vm.toggle(path) }
                    background: Rectangle {
                        radius: 6
                        color: copy.hovered ? Theme.hover : "transparent"
                        FocusRing { shown: copy.ListView.isCurrentItem && copy.ListView.view.activeFocus; anchors.margins: 1; radiusOf: 6 }
                    }
                    contentItem: RowLayout {
                        spacing: 10
                        CheckButton {
                            focusPolicy: Qt.NoFocus
                            checked: copy.selected
                            onToggled: vm.toggle(copy.path)
                            Accessible.name: copy.name
                        }
                        ColumnLayout {
                            spacing: 2
                            Layout.fillWidth: true
                            Text { text: copy.name; elide: Text.ElideMiddle; Layout.fillWidth: true; color: Theme.text; font.pixelSize: Theme.bodySize }
                            Text { text: copy.detail; font.pixelSize: Theme.captionSize; color: Theme.secondaryText; elide: Text.ElideMiddle; Layout.fillWidth: true }
                        }
                        Text { text: copy.sizeText; color: Theme.text; font.pixelSize: Theme.bodySize }
                    }
                }
            }
        }
        Rectangle { Layout.fillWidth: true; height: 1; color: Theme.separator }

        RowLayout {
            BorderedButton { text: qsTranslate("Pelmo", "Zavřít"); onClicked: sheet.close() }
            Item { Layout.fillWidth: true }
            ProminentButton {
                symbol: "trash"
                text: vm.trashText
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
