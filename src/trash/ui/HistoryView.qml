pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
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
            Label { text: qsTranslate("Pelmo", "Historie"); font.pixelSize: 20; font.bold: true; Layout.fillWidth: true }
            Button {
                text: qsTranslate("Pelmo", "Vymazat historii")
                enabled: !vm.isEmpty
                onClicked: confirmClear.open()
            }
        }
        Item {
            visible: vm.isEmpty
            Layout.fillWidth: true
            Layout.fillHeight: true
            ColumnLayout {
                anchors.centerIn: parent
                width: Math.min(parent.width - 40, 480)
                Label {
                    Layout.fillWidth: true; horizontalAlignment: Text.AlignHCenter; wrapMode: Text.WordWrap
                    text: qsTranslate("Pelmo", "Zatím žádná historie"); font.pixelSize: 20; font.bold: true
                }
                Label {
                    Layout.fillWidth: true; horizontalAlignment: Text.AlignHCenter; wrapMode: Text.WordWrap
                    opacity: 0.7; text: qsTranslate("Pelmo", "Po prvním úklidu tu uvidíš, co a kdy šlo do koše.")
                }
            }
        }
        ColumnLayout {
            visible: !vm.isEmpty
            Layout.fillWidth: true
            Layout.leftMargin: 20; Layout.rightMargin: 20
            spacing: 14
            RowLayout {
                spacing: 12
                StatTile { title: qsTranslate("Pelmo", "Přesunuto celkem"); value: vm.movedText; accent: AppState.brand }
                StatTile { title: qsTranslate("Pelmo", "Položek"); value: vm.countText; accent: AppState.brand }
            }
            Canvas {
                id: chart
                Layout.fillWidth: true
                Layout.preferredHeight: 130
                property var bars: vm.bars
                onBarsChanged: requestPaint()
                onWidthChanged: requestPaint()
                onPaint: {
                    const ctx = getContext("2d")
                    ctx.reset()
                    let top = 0
                    for (const b of bars) top = Math.max(top, b.gigabytes)
                    if (top <= 0) return
                    const slot = width / 30
                    for (const b of bars) {
                        // Local calendar days, counted in C++: a JavaScript Date of a day is
                        // its UTC midnight, which lands in the wrong slot far from UTC.
                        const h = (height - 16) * b.gigabytes / top
                        ctx.fillStyle = AppState.brand
                        ctx.fillRect(width - (b.daysAgo + 1) * slot + 2, height - h, slot - 4, h)
                    }
                }
                Label { text: "GB"; font.pixelSize: 10; opacity: 0.6 }
            }
        }
        ListView {
            visible: !vm.isEmpty
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: vm.rows
            delegate: ItemDelegate {
                id: entry
                required property string entryId
                required property string name
                required property string detail
                required property string sizeText
                required property bool restorable
                width: ListView.view.width
                contentItem: RowLayout {
                    ColumnLayout {
                        spacing: 2
                        Layout.fillWidth: true
                        Label { text: entry.name; elide: Text.ElideMiddle; Layout.fillWidth: true }
                        Label { text: entry.detail; font.pixelSize: 11; opacity: 0.7; elide: Text.ElideMiddle; Layout.fillWidth: true }
                    }
                    Button {
                        flat: true
                        visible: entry.restorable
                        text: qsTranslate("Pelmo", "Vrátit zpět")
                        onClicked: vm.restore(entry.entryId)
                    }
                    Label { text: entry.sizeText; horizontalAlignment: Text.AlignRight; Layout.minimumWidth: 70 }
                }
            }
            ScrollBar.vertical: ScrollBar {}
        }
    }

    ConfirmDialog {
        id: confirmClear
        title: qsTranslate("Pelmo", "Vymazat historii úklidů?")
        message: qsTranslate("Pelmo", "Soubory v koši zůstanou, jen se zapomene záznam o nich.")
        acceptText: qsTranslate("Pelmo", "Vymazat historii")
        onAccepted: vm.clear()
    }
}
