pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Templates as T
import Pelmo
import Pelmo.ViewModels

// Every recorded move, with the summary and the chart of the last 30 days.
Item {
    HistoryViewModel { id: vm; store: AppState.store }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0
        RowLayout {
            Layout.fillWidth: true
            Layout.margins: 20
            Layout.bottomMargin: 12
            Text { text: qsTranslate("Pelmo", "Historie"); font.pixelSize: Theme.titleSize; font.bold: true; color: Theme.text; Layout.fillWidth: true; Accessible.role: Accessible.Heading; Accessible.name: text }
            BorderedButton {
                symbol: "xmark.bin"
                text: qsTranslate("Pelmo", "Vymazat historii")
                enabled: !vm.isEmpty
                onClicked: confirmClear.open()
            }
        }
        Item {
            visible: vm.isEmpty
            Layout.fillWidth: true
            Layout.fillHeight: true
            EmptyState {
                anchors.centerIn: parent
                width: Math.min(parent.width - 40, 480)
                symbol: "clock.arrow.circlepath"
                title: qsTranslate("Pelmo", "Zatím žádná historie")
                text: qsTranslate("Pelmo", "Po prvním úklidu tu uvidíš, co a kdy šlo do koše.")
            }
        }
        ColumnLayout {
            visible: !vm.isEmpty
            Layout.fillWidth: true
            Layout.leftMargin: 20; Layout.rightMargin: 20
            spacing: 14
            RowLayout {
                spacing: 12
                StatTile { title: qsTranslate("Pelmo", "Přesunuto celkem"); value: vm.movedText; symbol: "arrow.down.circle.fill" }
                StatTile { title: qsTranslate("Pelmo", "Položek"); value: vm.countText; symbol: "tray.full.fill" }
            }
            FreedChart {
                objectName: "freedChart"
                Layout.fillWidth: true
                Layout.preferredHeight: 130
                Layout.topMargin: 22
                days: vm.days
                axis: vm.axis
                maxValue: vm.axisTop
                description: vm.chartDescription
            }
        }
        Rectangle { visible: !vm.isEmpty; Layout.fillWidth: true; Layout.topMargin: 12; height: 1; color: Theme.separator }
        ListView {
            id: list
            visible: !vm.isEmpty
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: vm.rows
            activeFocusOnTab: true
            highlightMoveDuration: 0
            Accessible.role: Accessible.List
            Accessible.name: qsTranslate("Pelmo", "Historie")
            // Return, the menu key or Shift+F10 on a row whose item is in the Trash puts it back.
            Keys.onPressed: (event) => {
                const row = currentItem
                if (!row)
                    { event.accepted = false; return }
                if (event.key === Qt.Key_Menu || (event.key === Qt.Key_F10 && (event.modifiers & Qt.ShiftModifier)))
                    row.openMenu()
                else if ((event.key === Qt.Key_Return || event.key === Qt.Key_Enter) && row.restorable)
                    vm.restore(row.entryId)
                else
                    { event.accepted = false; return }
                event.accepted = true
            }
            delegate: T.ItemDelegate {
                id: entry
                required property int index
                required property string entryId
                required property string name
                required property string detail
                required property string sizeText
                required property bool restorable
                width: ListView.view.width
                implicitHeight: Math.max(48, implicitContentHeight + 8)
                leftPadding: 20
                rightPadding: 20
                hoverEnabled: true
                focusPolicy: Qt.NoFocus
                text: name
                Keys.forwardTo: [ListView.view] // the list's keys, not a button's Space
                Accessible.role: Accessible.ListItem
                Accessible.name: name + ", " + sizeText
                Accessible.description: detail
                function openMenu() { menu.popup(entry, 40, entry.height - 4) }
                onClicked: ListView.view.currentIndex = index
                TapHandler { acceptedButtons: Qt.RightButton; onTapped: entry.openMenu() }
                contentItem: RowLayout {
                    spacing: 12
                    ColumnLayout {
                        spacing: 2
                        Layout.fillWidth: true
                        Text { text: entry.name; elide: Text.ElideMiddle; Layout.fillWidth: true; color: Theme.text; font.pixelSize: Theme.bodySize }
                        Text { text: entry.detail; elide: Text.ElideMiddle; Layout.fillWidth: true; color: Theme.secondaryText; font.pixelSize: Theme.captionSize }
                    }
                    PlainButton {
                        visible: entry.restorable
                        focusPolicy: Qt.NoFocus
                        text: qsTranslate("Pelmo", "Vrátit zpět")
                        onClicked: vm.restore(entry.entryId)
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
                        onTriggered: vm.restore(entry.entryId)
                    }
                }
            }
            ScrollBar.vertical: ScrollBar {}
        }
    }

    ConfirmDialog {
        id: confirmClear
        destructive: true
        title: qsTranslate("Pelmo", "Vymazat historii úklidů?")
        message: qsTranslate("Pelmo", "Soubory v koši zůstanou, jen se zapomene záznam o nich.")
        acceptText: qsTranslate("Pelmo", "Vymazat historii")
        onAccepted: vm.clear()
    }
}
