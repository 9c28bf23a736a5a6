pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pelmo
import Pelmo.ViewModels

// The dashboard: the volume ring, the figures, and what was found per category.
ScrollView {
    id: root
    signal select(string raw)
    contentWidth: availableWidth
    contentHeight: overviewColumn.implicitHeight + 48 // with the margins above and below

    OverviewViewModel { id: vm; store: AppState.store }

    ColumnLayout {
        id: overviewColumn
        width: root.availableWidth - 48
        x: 24; y: 24
        spacing: 20

        HeroCard {
            Layout.fillWidth: true
            RowLayout {
                width: parent.width
                spacing: 32
                DiskRing { fraction: vm.fraction; colors: vm.ringColors; percentText: vm.percentText }
                ColumnLayout {
                    spacing: 10
                    Layout.fillWidth: true
                    Text { text: qsTranslate("Pelmo", "Tvůj Mac"); color: Theme.secondaryText; font.pixelSize: Theme.bodySize; font.weight: Font.Medium }
                    Text { text: vm.freeText; font.pixelSize: 34; font.bold: true; color: Theme.text }
                    Text { text: vm.capacityText; color: Theme.secondaryText; font.pixelSize: Theme.bodySize; wrapMode: Text.WordWrap; Layout.fillWidth: true }
                    Flow {
                        Layout.topMargin: 6
                        Layout.fillWidth: true
                        spacing: 8
                        ProminentButton {
                            large: true
                            symbol: "sparkles"
                            text: vm.safeButtonText
                            enabled: vm.safeEnabled
                            onClicked: confirmSafe.open()
                        }
                        BorderedButton {
                            large: true
                            symbol: "arrow.clockwise"
                            text: qsTranslate("Pelmo", "Prohledat znovu")
                            enabled: vm.rescanEnabled
                            onClicked: vm.rescan()
                        }
                    }
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 16
            StatTile { title: qsTranslate("Pelmo", "Nalezeno"); value: vm.foundText; symbol: "magnifyingglass"; accent: Theme.info }
            StatTile { title: qsTranslate("Pelmo", "Bezpečně k úklidu"); value: vm.safeText; symbol: "checkmark.shield"; accent: Theme.success }
            StatTile { title: qsTranslate("Pelmo", "Celkem uvolněno"); value: vm.freedText; symbol: "sparkles"; accent: Theme.brand }
        }

        Card {
            visible: vm.state === "scanning"
            Layout.fillWidth: true
            padding: 40
            ColumnLayout {
                width: parent.width
                spacing: 14
                BusyIndicator { Layout.alignment: Qt.AlignHCenter; running: parent.visible }
                Text { Layout.alignment: Qt.AlignHCenter; text: qsTranslate("Pelmo", "Prohledávám Mac…"); font.bold: true; font.pixelSize: Theme.bodySize + 1; color: Theme.text }
                Text {
                    Layout.alignment: Qt.AlignHCenter; color: Theme.secondaryText; font.pixelSize: Theme.bodySize
                    text: qsTranslate("Pelmo", "Může to chvíli trvat, hlavně u velkých složek.")
                }
            }
        }

        Card {
            visible: vm.state === "empty"
            Layout.fillWidth: true
            padding: 24
            EmptyState {
                width: parent.width
                symbol: "checkmark.seal"
                title: qsTranslate("Pelmo", "Mac je vyklizený")
                text: qsTranslate("Pelmo", "Nenašli jsme nic, co by stálo za uklizení. Zkus to znovu později.")
            }
        }

        Card {
            visible: vm.state === "results"
            Layout.fillWidth: true
            padding: 24
            RowLayout {
                width: parent.width
                spacing: 28
                Donut {
                    rows: vm.breakdown
                    Layout.preferredWidth: 170; Layout.preferredHeight: 170
                    Accessible.role: Accessible.Chart
                    Accessible.name: qsTranslate("Pelmo", "Co zabírá místo")
                    Accessible.description: Array.from(vm.breakdown).map(r => r.title + " " + r.sizeText).join(", ")
                }
                ColumnLayout {
                    spacing: 10
                    Layout.fillWidth: true
                    Text { text: qsTranslate("Pelmo", "Co zabírá místo"); font.bold: true; font.pixelSize: Theme.bodySize + 1; color: Theme.text }
                    Repeater {
                        model: vm.breakdown
                        delegate: RowLayout {
                            id: entry
                            required property var modelData
                            Layout.fillWidth: true
                            Rectangle { width: 10; height: 10; radius: 5; color: entry.modelData.accent }
                            Text { text: entry.modelData.title; Layout.fillWidth: true; elide: Text.ElideRight; color: Theme.text; font.pixelSize: Theme.bodySize }
                            Text { text: entry.modelData.sizeText; color: Theme.secondaryText; font.pixelSize: Theme.bodySize }
                        }
                    }
                }
            }
        }

        GridLayout {
            visible: vm.state === "results"
            Layout.fillWidth: true
            columns: Math.max(1, Math.floor((root.availableWidth - 48) / 236))
            columnSpacing: 16
            rowSpacing: 16
            Repeater {
                model: AppState.categories
                delegate: CategoryCard { id: card; onClicked: root.select(card.raw) }
            }
        }
    }

    ConfirmDialog {
        id: confirmSafe
        title: qsTranslate("Pelmo", "Přesunout bezpečné položky do koše?")
        message: qsTranslate("Pelmo", "Jde o cache, logy a vývojářský odpad. Vše můžeš z koše vrátit.")
        acceptText: vm.confirmButtonText
        onAccepted: vm.cleanSafe()
    }
}
