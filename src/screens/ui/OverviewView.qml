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
                    Label { text: qsTranslate("Pelmo", "Tvůj Mac"); opacity: 0.7 }
                    Label { text: vm.freeText; font.pixelSize: 34; font.bold: true }
                    Label { text: vm.capacityText; opacity: 0.7; wrapMode: Text.WordWrap; Layout.fillWidth: true }
                    RowLayout {
                        Layout.topMargin: 6
                        Button {
                            highlighted: true
                            text: vm.safeButtonText
                            enabled: vm.safeEnabled
                            onClicked: confirmSafe.open()
                        }
                        Button {
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
            StatTile { title: qsTranslate("Pelmo", "Nalezeno"); value: vm.foundText; accent: "#2f7de1" }
            StatTile { title: qsTranslate("Pelmo", "Bezpečně k úklidu"); value: vm.safeText; accent: "#34a853" }
            StatTile { title: qsTranslate("Pelmo", "Celkem uvolněno"); value: vm.freedText; accent: AppState.brand }
        }

        Card {
            visible: vm.state === "scanning"
            Layout.fillWidth: true
            padding: 40
            ColumnLayout {
                width: parent.width
                spacing: 14
                BusyIndicator { Layout.alignment: Qt.AlignHCenter; running: parent.visible }
                Label { Layout.alignment: Qt.AlignHCenter; text: qsTranslate("Pelmo", "Prohledávám Mac…"); font.bold: true }
                Label {
                    Layout.alignment: Qt.AlignHCenter; opacity: 0.7
                    text: qsTranslate("Pelmo", "Může to chvíli trvat, hlavně u velkých složek.")
                }
            }
        }

        Card {
            visible: vm.state === "empty"
            Layout.fillWidth: true
            padding: 24
            ColumnLayout {
                width: parent.width
                Label { Layout.alignment: Qt.AlignHCenter; text: qsTranslate("Pelmo", "Mac je vyklizený"); font.pixelSize: 20; font.bold: true }
                Label {
                    Layout.alignment: Qt.AlignHCenter; opacity: 0.7
                    text: qsTranslate("Pelmo", "Nenašli jsme nic, co by stálo za uklizení. Zkus to znovu později.")
                }
            }
        }

        Card {
            visible: vm.state === "results"
            Layout.fillWidth: true
            padding: 24
            RowLayout {
                width: parent.width
                spacing: 28
                Donut { rows: vm.breakdown; Layout.preferredWidth: 170; Layout.preferredHeight: 170 }
                ColumnLayout {
                    spacing: 10
                    Layout.fillWidth: true
                    Label { text: qsTranslate("Pelmo", "Co zabírá místo"); font.bold: true }
                    Repeater {
                        model: vm.breakdown
                        delegate: RowLayout {
                            id: entry
                            required property var modelData
                            Layout.fillWidth: true
                            Rectangle { width: 10; height: 10; radius: 5; color: entry.modelData.accent }
                            Label { text: entry.modelData.title; Layout.fillWidth: true }
                            Label { text: entry.modelData.sizeText; opacity: 0.7 }
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
