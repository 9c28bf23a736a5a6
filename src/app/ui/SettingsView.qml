pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pelmo
import Pelmo.ViewModels

// What the user can change, and what Pelmo never does.
ScrollView {
    id: root
    contentWidth: availableWidth
    contentHeight: settingsColumn.implicitHeight + 48 // with the margins above and below

    SettingsViewModel { id: vm; store: AppState.store; onRestartWanted: restart.open() }

    ColumnLayout {
        id: settingsColumn
        x: 24; y: 24
        width: root.availableWidth - 48
        spacing: 18

        Label { text: qsTranslate("Pelmo", "Nastavení"); font.pixelSize: 20; font.bold: true }

        Card {
            Layout.fillWidth: true
            ColumnLayout {
                width: parent.width
                Label { text: qsTranslate("Pelmo", "Přístup k souborům"); font.bold: true }
                RowLayout {
                    Label { text: qsTranslate("Pelmo", "Povolená složka") }
                    Label { text: vm.grantedFolder; opacity: 0.7; elide: Text.ElideMiddle; Layout.fillWidth: true }
                }
                RowLayout {
                    Button { text: qsTranslate("Pelmo", "Změnit povolení"); onClicked: vm.changeAccess() }
                    Button { text: qsTranslate("Pelmo", "Zrušit přístup"); onClicked: vm.revokeAccess() }
                }
            }
        }
        Card {
            Layout.fillWidth: true
            ColumnLayout {
                width: parent.width
                Label { text: qsTranslate("Pelmo", "Prohledávání"); font.bold: true }
                RowLayout {
                    Label { text: qsTranslate("Pelmo", "Velké soubory od") }
                    ComboBox {
                        implicitContentWidthPolicy: ComboBox.WidestText
                        model: vm.thresholdOptions
                        currentIndex: vm.thresholdIndex
                        onActivated: (index) => vm.thresholdIndex = index
                    }
                }
                Label { text: qsTranslate("Pelmo", "Změna se projeví při dalším prohledání."); opacity: 0.7; font.pixelSize: 12 }
            }
        }
        Card {
            Layout.fillWidth: true
            ColumnLayout {
                width: parent.width
                Label { text: qsTranslate("Pelmo", "Jazyk"); font.bold: true }
                ComboBox {
                    implicitContentWidthPolicy: ComboBox.WidestText
                    model: vm.languageOptions
                    currentIndex: vm.languageIndex
                    onActivated: (index) => vm.languageIndex = index
                }
            }
        }
        Card {
            Layout.fillWidth: true
            ColumnLayout {
                width: parent.width
                Switch {
                    id: reminderSwitch
                    objectName: "reminderSwitch"
                    text: qsTranslate("Pelmo", "Týdenní připomínka")
                    font.bold: true
                    checked: vm.reminderEnabled
                    // The switch shows the stored state: it stays off until permission is given.
                    onToggled: { vm.reminderEnabled = checked; checked = Qt.binding(() => vm.reminderEnabled) }
                }
                Label {
                    text: qsTranslate("Pelmo", "Jednou týdně Pelmo prohledá domovskou složku a ozve se, když najde víc než 100 MB k uklizení. Spustí se k tomu po přihlášení na pozadí.")
                    opacity: 0.7; font.pixelSize: 12; wrapMode: Text.WordWrap; Layout.fillWidth: true
                }
            }
        }
        Card {
            Layout.fillWidth: true
            ColumnLayout {
                width: parent.width
                Label { text: qsTranslate("Pelmo", "Vyloučené položky"); font.bold: true }
                Label {
                    visible: vm.excluded.length === 0
                    text: qsTranslate("Pelmo", "Nic nevyloučeno. Položku vyloučíš pravým klikem v seznamu.")
                    opacity: 0.7; wrapMode: Text.WordWrap; Layout.fillWidth: true
                }
                Repeater {
                    model: vm.excluded
                    delegate: RowLayout {
                        id: entry
                        required property string modelData
                        Layout.fillWidth: true
                        Label { text: entry.modelData; elide: Text.ElideMiddle; Layout.fillWidth: true }
                        Button { flat: true; text: qsTranslate("Pelmo", "Odebrat"); onClicked: vm.unexclude(entry.modelData) }
                    }
                }
                Button { text: qsTranslate("Pelmo", "Vyloučit složku…"); onClicked: vm.excludeFolder() }
            }
        }
        Card {
            Layout.fillWidth: true
            ColumnLayout {
                width: parent.width
                Label { text: qsTranslate("Pelmo", "Co aplikace nikdy neudělá"); font.bold: true }
                Repeater {
                    model: [
                        qsTranslate("Pelmo", "Nesmaže nic, co nepozná – nabízí jen pevný seznam umístění."),
                        qsTranslate("Pelmo", "Nemaže natrvalo – všechno jde nejdřív do koše."),
                        qsTranslate("Pelmo", "Nesahá na systémové cache společnosti Apple (com.apple.*)."),
                        qsTranslate("Pelmo", "Neodesílá žádná data. Na internet se připojí jen kvůli kontrole nové verze, kterou vypneš v sekci O aplikaci.")
                    ]
                    delegate: RowLayout {
                        id: entry2
                        required property string modelData
                        Layout.fillWidth: true
                        Label { text: "✔"; color: AppState.brand; Layout.alignment: Qt.AlignTop }
                        Label { text: entry2.modelData; wrapMode: Text.WordWrap; Layout.fillWidth: true }
                    }
                }
            }
        }
        Card {
            Layout.fillWidth: true
            ColumnLayout {
                width: parent.width
                Label { text: qsTranslate("Pelmo", "Tip"); font.bold: true }
                Label { text: qsTranslate("Pelmo", "Místo na disku se uvolní až po vysypání koše."); opacity: 0.7 }
                Button { text: qsTranslate("Pelmo", "Otevřít koš"); onClicked: AppState.store.openTrash() }
            }
        }
    }

    ConfirmDialog {
        id: restart
        title: qsTranslate("Pelmo", "Restartovat Pelmo?")
        message: qsTranslate("Pelmo", "Aby se jazyk změnil, je potřeba aplikaci restartovat.")
        acceptText: qsTranslate("Pelmo", "Restartovat")
        rejectText: qsTranslate("Pelmo", "Později")
        onAccepted: vm.relaunch()
    }
}
