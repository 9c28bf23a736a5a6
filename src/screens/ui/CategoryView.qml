pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pelmo
import Pelmo.ViewModels

// One category's items: search, sort, tick, exclude, and move the selection to the Trash.
Item {
    id: root
    property alias category: vm.category
    // The category's colour; the brand's for the moment before a category is set.
    readonly property color accent: vm.accent.length > 0 ? vm.accent : Theme.brand

    CategoryViewModel {
        id: vm
        store: AppState.store
        onConfirmRequested: confirm.open()
        // A new category starts unfiltered, in size order (the view-model resets both) and
        // at the top (its rows replace the old ones with a model reset).
        onQueryChanged: search.text = query
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Rectangle {
            Layout.fillWidth: true
            implicitHeight: header.implicitHeight + 40
            gradient: Gradient {
                orientation: Gradient.Horizontal
                GradientStop { position: 0; color: Qt.alpha(root.accent, 0.14) }
                GradientStop { position: 1; color: Qt.alpha(root.accent, 0.03) }
            }
            RowLayout {
                id: header
                anchors.fill: parent
                anchors.margins: 20
                spacing: 16
                Rectangle {
                    width: 52; height: 52; radius: 14
                    gradient: Gradient {
                        GradientStop { position: 0; color: Qt.lighter(root.accent, 1.12) }
                        GradientStop { position: 1; color: root.accent }
                    }
                    Symbol { anchors.centerIn: parent; name: vm.symbol; color: "white"; size: 28 }
                }
                ColumnLayout {
                    Layout.fillWidth: true
                    Text { text: vm.title; font.pixelSize: Theme.titleSize; font.bold: true; color: Theme.text; Accessible.role: Accessible.Heading; Accessible.name: text }
                    Text { text: vm.subtitle; color: Theme.secondaryText; font.pixelSize: Theme.bodySize; wrapMode: Text.WordWrap; Layout.fillWidth: true }
                }
                ColumnLayout {
                    spacing: 4
                    Text { Layout.alignment: Qt.AlignRight; text: vm.totalText; font.pixelSize: 26; font.bold: true; color: Theme.text }
                    PlainButton {
                        Layout.alignment: Qt.AlignRight
                        visible: vm.hasItems
                        text: vm.toggleAllText
                        onClicked: vm.toggleAll()
                    }
                }
            }
        }
        RowLayout {
            Layout.fillWidth: true
            Layout.margins: 10
            spacing: 8
            SearchField {
                id: search
                objectName: "categorySearch"
                Layout.fillWidth: true
                placeholderText: qsTranslate("Pelmo", "Hledat v kategorii")
                onTextChanged: vm.query = text
                Keys.onDownPressed: list.forceActiveFocus()
            }
            Shortcut { sequence: "Ctrl+F"; onActivated: search.forceActiveFocus() }
            Picker {
                objectName: "categorySort"
                model: vm.sortOptions
                currentIndex: vm.sortOrder
                Accessible.name: qsTranslate("Pelmo", "Řazení") + ": " + displayText
                onActivated: (index) => vm.sortOrder = index
            }
        }
        Rectangle { Layout.fillWidth: true; height: 1; color: Theme.separator }

        Item {
            Layout.fillWidth: true
            Layout.fillHeight: true
            ColumnLayout {
                anchors.centerIn: parent
                visible: vm.isScanning
                BusyIndicator { Layout.alignment: Qt.AlignHCenter; running: parent.visible }
                Text { text: qsTranslate("Pelmo", "Prohledávám…"); color: Theme.text; font.pixelSize: Theme.bodySize }
            }
            EmptyState {
                anchors.centerIn: parent
                width: Math.min(parent.width - 40, 480)
                visible: !vm.isScanning && !vm.hasItems
                symbol: "sparkles"
                title: qsTranslate("Pelmo", "Tady je čisto")
                text: qsTranslate("Pelmo", "V této kategorii není nic k uklizení.")
            }
            ListView {
                id: list
                objectName: "categoryList"
                anchors.fill: parent
                visible: !vm.isScanning && vm.hasItems
                clip: true
                model: vm.items
                activeFocusOnTab: true
                keyNavigationEnabled: true
                highlightMoveDuration: 0
                // A list whose rows came after it was made has no current row yet.
                onActiveFocusChanged: if (activeFocus && currentIndex < 0 && count > 0) currentIndex = 0
                Accessible.role: Accessible.List
                Accessible.name: vm.title
                // Space ticks the current row, Return previews it, the menu key or Shift+F10
                // opens its menu, Delete asks to move the selection to the Trash.
                Keys.onPressed: (event) => {
                    const row = currentItem
                    if (event.key === Qt.Key_Delete) {
                        if (vm.moveEnabled)
                            confirm.open()
                    } else if (!row) {
                        event.accepted = false
                        return
                    } else if (event.key === Qt.Key_Space) {
                        vm.setSelected(row.path, !row.selected)
                    } else if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                        row.preview()
                    } else if (event.key === Qt.Key_Menu || (event.key === Qt.Key_F10 && (event.modifiers & Qt.ShiftModifier))) {
                        row.openMenu()
                    } else {
                        event.accepted = false
                        return
                    }
                    event.accepted = true
                }
                delegate: ItemRow {
                    width: ListView.view.width
                    onToggled: (path, on) => vm.setSelected(path, on)
                    onExclude: (path) => vm.exclude(path)
                    onReveal: (path) => AppState.store.reveal(path)
                    onPreview: {
                        previewSheet.path = path
                        previewSheet.name = name
                        previewSheet.sizeText = sizeText
                        previewSheet.open()
                    }
                }
                ScrollBar.vertical: ScrollBar {}
            }
        }

        Rectangle { Layout.fillWidth: true; height: 1; color: Theme.separator }
        RowLayout {
            Layout.fillWidth: true
            Layout.margins: 12
            Text { text: vm.footerText; color: Theme.secondaryText; font.pixelSize: Theme.bodySize; Layout.fillWidth: true; elide: Text.ElideRight }
            ProminentButton {
                symbol: "trash"
                text: qsTranslate("Pelmo", "Přesunout do koše")
                enabled: vm.moveEnabled
                onClicked: confirm.open()
            }
        }
    }

    PreviewSheet { id: previewSheet; objectName: "previewSheet" }

    ConfirmDialog {
        id: confirm
        objectName: "confirmMove"
        title: qsTranslate("Pelmo", "Přesunout vybrané položky do koše?")
        message: qsTranslate("Pelmo", "Soubory půjdou do koše, odkud je můžeš vrátit.")
        acceptText: vm.confirmText
        onAccepted: vm.moveSelected()
    }
}
