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
                GradientStop { position: 0; color: Qt.alpha(vm.accent, 0.14) }
                GradientStop { position: 1; color: Qt.alpha(vm.accent, 0.03) }
            }
            RowLayout {
                id: header
                anchors.fill: parent
                anchors.margins: 20
                spacing: 16
                Rectangle {
                    width: 52; height: 52; radius: 14; color: vm.accent
                    Image {
                        anchors.centerIn: parent
                        sourceSize.width: 32; sourceSize.height: 32
                        source: vm.iconName.length > 0 ? "image://theme/" + vm.iconName : ""
                        Accessible.ignored: true
                    }
                }
                ColumnLayout {
                    Layout.fillWidth: true
                    Label { text: vm.title; font.pixelSize: 22; font.bold: true }
                    Label { text: vm.subtitle; opacity: 0.7; wrapMode: Text.WordWrap; Layout.fillWidth: true }
                }
                ColumnLayout {
                    spacing: 4
                    Label { Layout.alignment: Qt.AlignRight; text: vm.totalText; font.pixelSize: 26; font.bold: true }
                    Button {
                        Layout.alignment: Qt.AlignRight
                        visible: vm.hasItems
                        flat: true
                        text: vm.toggleAllText
                        onClicked: vm.toggleAll()
                    }
                }
            }
        }
        RowLayout {
            Layout.fillWidth: true
            Layout.margins: 8
            TextField {
                id: search
                objectName: "categorySearch"
                Layout.fillWidth: true
                placeholderText: qsTranslate("Pelmo", "Hledat v kategorii")
                onTextChanged: vm.query = text
                Keys.onEscapePressed: text = ""
            }
            Shortcut { sequence: "Ctrl+F"; onActivated: search.forceActiveFocus() }
            ComboBox {
                objectName: "categorySort"
                model: vm.sortOptions
                currentIndex: vm.sortOrder
                onActivated: (index) => vm.sortOrder = index
            }
        }
        Rectangle { Layout.fillWidth: true; height: 1; color: palette.mid; opacity: 0.4 }

        Item {
            Layout.fillWidth: true
            Layout.fillHeight: true
            ColumnLayout {
                anchors.centerIn: parent
                visible: vm.isScanning
                BusyIndicator { Layout.alignment: Qt.AlignHCenter; running: parent.visible }
                Label { text: qsTranslate("Pelmo", "Prohledávám…") }
            }
            ColumnLayout {
                anchors.centerIn: parent
                visible: !vm.isScanning && !vm.hasItems
                Label { Layout.alignment: Qt.AlignHCenter; text: qsTranslate("Pelmo", "Tady je čisto"); font.pixelSize: 20; font.bold: true }
                Label { Layout.alignment: Qt.AlignHCenter; opacity: 0.7; text: qsTranslate("Pelmo", "V této kategorii není nic k uklizení.") }
            }
            ListView {
                objectName: "categoryList"
                anchors.fill: parent
                visible: !vm.isScanning && vm.hasItems
                clip: true
                model: vm.items
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

        RowLayout {
            Layout.fillWidth: true
            Layout.margins: 12
            Label { text: vm.footerText; opacity: 0.7 }
            Item { Layout.fillWidth: true }
            Button {
                highlighted: true
                icon.name: AppState.icon("trash")
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
