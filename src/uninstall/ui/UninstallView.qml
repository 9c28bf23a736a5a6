pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pelmo
import Pelmo.ViewModels

// The uninstall section: the applications on the left, the chosen one (or the largest
// ones) on the right.
Item {
    id: root
    objectName: "uninstallView"
    readonly property UninstallViewModel model: vm

    UninstallViewModel {
        id: vm
        objectName: "uninstallViewModel"
        store: AppState.store
        // The running watch polls only while the section shows.
        active: root.visible && root.Window.visibility !== Window.Hidden
    }

    RowLayout {
        anchors.fill: parent
        spacing: 0

        ColumnLayout {
            // 320 wide, narrower in a small window so that the detail keeps room.
            Layout.preferredWidth: Math.min(320, Math.max(240, root.width * 0.42))
            Layout.maximumWidth: 320
            Layout.fillWidth: false
            Layout.fillHeight: true
            spacing: 0

            SearchField {
                id: search
                objectName: "uninstallSearch"
                Layout.fillWidth: true
                Layout.margins: 10
                placeholderText: qsTranslate("Pelmo", "Hledat aplikaci")
                onTextChanged: vm.query = text
                Keys.onEscapePressed: text = ""
            }
            Shortcut { sequence: "Ctrl+F"; onActivated: search.forceActiveFocus() }
            // Delete asks to remove the chosen application (a text field keeps its own Delete).
            Shortcut { sequence: "Delete"; enabled: vm.uninstallEnabled; onActivated: confirm.open() }
            RowLayout {
                Layout.fillWidth: true
                Layout.leftMargin: 12; Layout.rightMargin: 8; Layout.bottomMargin: 6
                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 1
                    Text { color: Theme.text; text: vm.countText; font.weight: Font.DemiBold }
                    Text { color: Theme.secondaryText; text: vm.totalText; font.pixelSize: 11 }
                }
                PlainButton {
                    objectName: "uninstallSort"
                    symbol: "arrow.up.arrow.down"
                    toolTip: qsTranslate("Pelmo", "Řazení")
                    Accessible.name: qsTranslate("Pelmo", "Řazení")
                    onClicked: sortMenu.popup()
                    Menu {
                        id: sortMenu
                        title: qsTranslate("Pelmo", "Řazení")
                        Repeater {
                            model: vm.sortOptions
                            delegate: MenuItem {
                                required property int index
                                required property string modelData
                                text: modelData
                                checkable: true
                                checked: vm.sortIndex === index
                                onTriggered: vm.sortIndex = index
                            }
                        }
                    }
                }
            }
            Rectangle { Layout.fillWidth: true; height: 1; color: Theme.separator; opacity: 0.4 }

            Item {
                Layout.fillWidth: true
                Layout.fillHeight: true
                ColumnLayout {
                    anchors.centerIn: parent
                    visible: vm.loading
                    BusyIndicator { Layout.alignment: Qt.AlignHCenter; running: vm.loading }
                    Text { color: Theme.text; text: qsTranslate("Pelmo", "Načítám aplikace…") }
                }
                ColumnLayout {
                    anchors.centerIn: parent
                    width: parent.width - 40
                    visible: vm.listEmpty
                    Image {
                        Layout.alignment: Qt.AlignHCenter
                        sourceSize.width: 40; sourceSize.height: 40
                        source: "image://theme/" + AppState.icon("app.dashed")
                    }
                    Text { color: Theme.text; Layout.alignment: Qt.AlignHCenter; text: qsTranslate("Pelmo", "Žádné aplikace"); font.bold: true }
                    Text {
                        color: Theme.secondaryText
                        Layout.fillWidth: true
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.WordWrap
                        text: qsTranslate("Pelmo", "Nenašel jsem žádné aplikace, které by šly odinstalovat.")
                    }
                }
                ListView {
                    id: list
                    objectName: "appList"
                    anchors.fill: parent
                    visible: !vm.loading && !vm.listEmpty
                    clip: true
                    model: vm.apps
                    // The arrows choose the next or previous application.
                    keyNavigationEnabled: false
                    Keys.onUpPressed: positionViewAtIndex(vm.step(-1), ListView.Contain)
                    Keys.onDownPressed: positionViewAtIndex(vm.step(1), ListView.Contain)
                    delegate: AppRow {
                        id: appRow
                        width: ListView.view.width
                        current: vm.selectedPath === appRow.path
                        onClicked: { vm.select(appRow.path); list.forceActiveFocus() }
                    }
                    ScrollBar.vertical: ScrollBar {}
                }
            }
            RowLayout {
                Layout.fillWidth: true
                Layout.margins: 10
                Image {
                    sourceSize.width: 16; sourceSize.height: 16
                    source: "image://theme/" + AppState.icon("arrow.down.app")
                }
                Text {
                    color: Theme.secondaryText
                    Layout.fillWidth: true
                    text: qsTranslate("Pelmo", "Aplikaci můžeš také přetáhnout na okno Pelmo.")
                    font.pixelSize: 11; wrapMode: Text.WordWrap
                }
            }
        }
        Rectangle { Layout.fillHeight: true; width: 1; color: Theme.separator; opacity: 0.4 }

        UninstallDetail {
            visible: vm.hasSelection
            Layout.fillWidth: true
            Layout.fillHeight: true
            vm: root.model
            onQuitRequested: vm.quit()
            onUninstallRequested: confirm.open()
        }
        UninstallEmptyState {
            visible: !vm.hasSelection
            Layout.fillWidth: true
            Layout.fillHeight: true
            apps: vm.largest
            measuring: vm.measuring
            onSelect: (path) => vm.select(path)
        }
    }

    ConfirmDialog {
        id: confirm
        objectName: "confirmUninstall"
        title: qsTranslate("Pelmo", "Přesunout vybrané položky do koše?")
        message: qsTranslate("Pelmo", "Soubory půjdou do koše, odkud je můžeš vrátit.")
        acceptText: vm.confirmText
        onAccepted: vm.uninstall()
    }
}
