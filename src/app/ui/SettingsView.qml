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
        spacing: 16

        Text { text: qsTranslate("Pelmo", "Nastavení"); font.pixelSize: Theme.titleSize; font.bold: true; color: Theme.text; Accessible.role: Accessible.Heading; Accessible.name: text }

        SectionCard {
            Layout.fillWidth: true
            title: qsTranslate("Pelmo", "Přístup k souborům")
            symbol: "folder"
            RowLayout {
                Layout.fillWidth: true
                spacing: 12
                Text { text: qsTranslate("Pelmo", "Povolená složka"); color: Theme.text; font.pixelSize: Theme.bodySize }
                TextEdit {
                    text: vm.grantedFolder
                    readOnly: true
                    selectByMouse: true
                    color: Theme.secondaryText
                    selectionColor: Theme.accent
                    selectedTextColor: Theme.textOnAccent
                    font.pixelSize: Theme.bodySize
                    Layout.fillWidth: true
                    wrapMode: TextEdit.WrapAnywhere
                    Accessible.role: Accessible.StaticText
                    Accessible.name: qsTranslate("Pelmo", "Povolená složka") + ": " + text
                }
            }
            Flow {
                Layout.fillWidth: true
                spacing: 8
                BorderedButton { text: qsTranslate("Pelmo", "Změnit povolení"); onClicked: vm.changeAccess() }
                DestructiveButton { text: qsTranslate("Pelmo", "Zrušit přístup"); onClicked: vm.revokeAccess() }
            }
        }
        SectionCard {
            Layout.fillWidth: true
            title: qsTranslate("Pelmo", "Prohledávání")
            symbol: "magnifyingglass"
            RowLayout {
                spacing: 12
                Text { text: qsTranslate("Pelmo", "Velké soubory od"); color: Theme.text; font.pixelSize: Theme.bodySize }
                Picker {
                    objectName: "thresholdPicker"
                    model: vm.thresholdOptions
                    currentIndex: vm.thresholdIndex
                    Accessible.name: qsTranslate("Pelmo", "Velké soubory od") + ": " + displayText
                    onActivated: (index) => vm.thresholdIndex = index
                }
            }
            Text { text: qsTranslate("Pelmo", "Změna se projeví při dalším prohledání."); color: Theme.secondaryText; font.pixelSize: Theme.captionSize; Layout.fillWidth: true; wrapMode: Text.WordWrap }
        }
        SectionCard {
            Layout.fillWidth: true
            title: qsTranslate("Pelmo", "Jazyk")
            symbol: "info.circle"
            Picker {
                objectName: "languagePicker"
                model: vm.languageOptions
                currentIndex: vm.languageIndex
                Accessible.name: qsTranslate("Pelmo", "Jazyk") + ": " + displayText
                onActivated: (index) => vm.languageIndex = index
            }
        }
        SectionCard {
            Layout.fillWidth: true
            title: qsTranslate("Pelmo", "Týdenní připomínka")
            symbol: "clock.arrow.circlepath"
            Toggle {
                id: reminderSwitch
                objectName: "reminderSwitch"
                Layout.fillWidth: true
                text: qsTranslate("Pelmo", "Týdenní připomínka")
                checked: vm.reminderEnabled
                // The switch shows the stored state: it stays off until permission is given.
                onToggled: { vm.reminderEnabled = checked; checked = Qt.binding(() => vm.reminderEnabled) }
            }
            Text {
                text: qsTranslate("Pelmo", "Jednou týdně Pelmo prohledá domovskou složku a ozve se, když najde víc než 100 MB k uklizení. Spustí se k tomu po přihlášení na pozadí.")
                color: Theme.secondaryText; font.pixelSize: Theme.captionSize; wrapMode: Text.WordWrap; Layout.fillWidth: true
            }
        }
        SectionCard {
            Layout.fillWidth: true
            title: qsTranslate("Pelmo", "Vyloučené položky")
            symbol: "eye"
            Text {
                visible: vm.excluded.length === 0
                text: qsTranslate("Pelmo", "Nic nevyloučeno. Položku vyloučíš pravým klikem v seznamu.")
                color: Theme.secondaryText; font.pixelSize: Theme.bodySize; wrapMode: Text.WordWrap; Layout.fillWidth: true
            }
            Repeater {
                model: vm.excluded
                delegate: RowLayout {
                    id: entry
                    required property string modelData
                    Layout.fillWidth: true
                    Text { text: entry.modelData; elide: Text.ElideMiddle; Layout.fillWidth: true; color: Theme.text; font.pixelSize: Theme.bodySize }
                    PlainButton {
                        text: qsTranslate("Pelmo", "Odebrat")
                        Accessible.name: qsTranslate("Pelmo", "Odebrat") + " " + entry.modelData
                        onClicked: vm.unexclude(entry.modelData)
                    }
                }
            }
            BorderedButton { symbol: "folder"; text: qsTranslate("Pelmo", "Vyloučit složku…"); onClicked: vm.excludeFolder() }
        }
        SectionCard {
            Layout.fillWidth: true
            title: qsTranslate("Pelmo", "Co aplikace nikdy neudělá")
            symbol: "lock.shield"
            Repeater {
                model: [
                    qsTranslate("Pelmo", "Nesmaže nic, co nepozná – nabízí jen pevný seznam umístění."),
                    qsTranslate("Pelmo", "Nemaže natrvalo – všechno jde nejdřív do koše."),
                    qsTranslate("Pelmo", "Nesahá na systémové cache společnosti Apple (com.apple.*)."),
                    qsTranslate("Pelmo", "Neodesílá žádná data. Na internet se připojí jen kvůli kontrole nové verze, kterou vypneš v sekci O aplikaci.")
                ]
                delegate: RowLayout {
                    id: promise
                    required property string modelData
                    Layout.fillWidth: true
                    spacing: 10
                    Symbol { name: "checkmark.shield"; color: Theme.accentText; Layout.alignment: Qt.AlignTop }
                    Text { text: promise.modelData; wrapMode: Text.WordWrap; Layout.fillWidth: true; color: Theme.text; font.pixelSize: Theme.bodySize }
                }
            }
        }
        SectionCard {
            Layout.fillWidth: true
            title: qsTranslate("Pelmo", "Tip")
            symbol: "sparkles"
            Text { text: qsTranslate("Pelmo", "Místo na disku se uvolní až po vysypání koše."); color: Theme.secondaryText; font.pixelSize: Theme.bodySize; Layout.fillWidth: true; wrapMode: Text.WordWrap }
            BorderedButton { symbol: "trash"; text: qsTranslate("Pelmo", "Otevřít koš"); onClicked: AppState.store.openTrash() }
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
