pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pelmo
import Pelmo.ViewModels

// The chosen application: its figures, the application itself and its leftovers in five
// groups with a check box each, and the footer that quits or removes it.
Item {
    id: root
    required property UninstallViewModel vm
    readonly property var app: vm.app
    signal quitRequested()
    signal uninstallRequested()

    // Another application starts at its top.
    Connections {
        target: root.vm
        function onSelectionChanged() { scroll.contentItem.contentY = 0 }
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        ScrollView {
            id: scroll
            Layout.fillWidth: true
            Layout.fillHeight: true
            contentWidth: availableWidth
            clip: true

            ColumnLayout {
                width: scroll.availableWidth
                spacing: 16

                RowLayout {
                    Layout.fillWidth: true
                    Layout.margins: 20
                    Layout.bottomMargin: 0
                    spacing: 16
                    Image {
                        Layout.preferredWidth: 72; Layout.preferredHeight: 72
                        sourceSize.width: 72; sourceSize.height: 72
                        source: root.app.iconSource || ""
                        Accessible.ignored: true
                    }
                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 4
                        RowLayout {
                            spacing: 10
                            Text { color: Theme.text; text: root.app.name || ""; font.pixelSize: 24; font.bold: true }
                            Badge {
                                objectName: "runningBadge"
                                visible: root.vm.isRunning
                                tone: "success"
                                text: "● " + qsTranslate("Pelmo", "Právě běží")
                            }
                        }
                        Text { color: Theme.secondaryText; text: root.app.metaLine || ""; visible: text.length > 0 }
                        TextEdit {
                            text: root.app.bundleID || ""
                            readOnly: true; selectByMouse: true
                            font.pixelSize: 11; color: Theme.secondaryText
                        }
                    }
                }

                RowLayout {
                    Layout.fillWidth: true
                    Layout.leftMargin: 20; Layout.rightMargin: 20
                    spacing: 12
                    AppStatTile { title: qsTranslate("Pelmo", "Aplikace"); value: root.app.sizeText || ""; symbol: "app.fill"; tint: "#3b82f6" }
                    AppStatTile { title: qsTranslate("Pelmo", "Zbytky v Knihovně"); value: root.vm.relatedTotalText; symbol: "folder.fill"; tint: "#14b8a6" }
                    AppStatTile { title: qsTranslate("Pelmo", "K uvolnění"); value: root.vm.freedText; symbol: "arrow.up.trash.fill"; tint: "#f97316"; emphasized: true }
                }

                Card {
                    Layout.fillWidth: true
                    Layout.leftMargin: 20; Layout.rightMargin: 20
                    padding: 12
                    radius: 14
                    implicitHeight: appCard.implicitHeight + 24
                    RowLayout {
                        id: appCard
                        width: parent.width
                        spacing: 10
                        CheckButton {
                            objectName: "includeApp"
                            text: qsTranslate("Pelmo", "Aplikace")
                            checked: root.vm.includeApp
                            onToggled: root.vm.includeApp = checked
                        }
                        Image { sourceSize.width: 28; sourceSize.height: 28; source: root.app.iconSource || "" }
                        ColumnLayout {
                            Layout.fillWidth: true
                            spacing: 1
                            Text { color: Theme.text; text: root.app.name || ""; font.weight: Font.DemiBold }
                            Text { color: Theme.secondaryText; text: root.app.path || ""; font.pixelSize: 11; elide: Text.ElideMiddle; Layout.fillWidth: true }
                            Text {
                                color: Theme.secondaryText
                                visible: root.app.isFlatpak === true
                                text: qsTranslate("Pelmo", "Aplikaci odinstaluje Flatpak (flatpak uninstall --user); její data najdeš níže mezi zbytky.")
                                font.pixelSize: 11; wrapMode: Text.WordWrap; Layout.fillWidth: true
                            }
                        }
                        Text { color: Theme.secondaryText; text: root.app.sizeText || "" }
                    }
                }

                RowLayout {
                    Layout.fillWidth: true
                    Layout.leftMargin: 20; Layout.rightMargin: 20
                    Text { color: Theme.text; text: qsTranslate("Pelmo", "Zbytky po aplikaci"); font.pixelSize: 15; font.bold: true; Layout.fillWidth: true }
                    PlainButton {
                        visible: root.vm.hasRelated
                        text: root.vm.toggleAllText
                        onClicked: root.vm.toggleAll()
                    }
                }

                RowLayout {
                    Layout.alignment: Qt.AlignHCenter
                    visible: root.vm.relatedLoading
                    BusyIndicator { running: root.vm.relatedLoading; implicitWidth: 28; implicitHeight: 28 }
                    Text { color: Theme.text; text: qsTranslate("Pelmo", "Hledám zbytky…") }
                }
                RowLayout {
                    Layout.alignment: Qt.AlignHCenter
                    visible: !root.vm.relatedLoading && !root.vm.hasRelated
                    Image { sourceSize.width: 22; sourceSize.height: 22; source: "image://theme/" + AppState.icon("checkmark.seal.fill") }
                    Text { color: Theme.secondaryText; text: qsTranslate("Pelmo", "Po téhle aplikaci jsem v Knihovně nic nenašel.")  }
                }

                Repeater {
                    model: root.vm.relatedLoading ? [] : root.vm.groups
                    delegate: Card {
                        id: group
                        required property var modelData
                        Layout.fillWidth: true
                        Layout.leftMargin: 20; Layout.rightMargin: 20
                        padding: 12
                        radius: 14
                        implicitHeight: groupColumn.implicitHeight + 24
                        ColumnLayout {
                            id: groupColumn
                            width: parent.width
                            spacing: 4
                            RowLayout {
                                Layout.fillWidth: true
                                spacing: 8
                                Rectangle {
                                    width: 26; height: 26; radius: 7; color: Qt.alpha(group.modelData.color, 0.18)
                                    Image { anchors.centerIn: parent; sourceSize.width: 16; sourceSize.height: 16; source: "image://theme/" + group.modelData.iconName }
                                }
                                ColumnLayout {
                                    Layout.fillWidth: true
                                    spacing: 0
                                    Text { text: group.modelData.title; font.weight: Font.DemiBold; color: Theme.text; Layout.fillWidth: true }
                                    Text {
                                        color: Theme.secondaryText
                                        visible: group.modelData.note.length > 0
                                        text: group.modelData.note
                                        font.pixelSize: 11; wrapMode: Text.WordWrap; Layout.fillWidth: true
                                    }
                                }
                                Text { color: Theme.text; text: group.modelData.sizeText; font.weight: Font.DemiBold }
                            }
                            Repeater {
                                model: group.modelData.items
                                delegate: RowLayout {
                                    id: leftover
                                    required property var modelData
                                    Layout.fillWidth: true
                                    spacing: 8
                                    CheckButton {
                                        id: tick
                                        checked: leftover.modelData.checked
                                        onToggled: root.vm.setChecked(leftover.modelData.path, tick.checked)
                                        Accessible.name: leftover.modelData.name
                                    }
                                    ColumnLayout {
                                        Layout.fillWidth: true
                                        spacing: 0
                                        Text { color: Theme.text; text: leftover.modelData.name; elide: Text.ElideMiddle; Layout.fillWidth: true }
                                        Text { color: Theme.secondaryText; text: leftover.modelData.detail; font.pixelSize: 11; elide: Text.ElideMiddle; Layout.fillWidth: true }
                                    }
                                    Text { color: Theme.secondaryText; text: leftover.modelData.sizeText }
                                    PlainButton {
                                        symbol: "magnifyingglass.circle"
                                        toolTip: qsTranslate("Pelmo", "Ukázat ve Finderu")
                                        Accessible.name: qsTranslate("Pelmo", "Ukázat ve Finderu")
                                        onClicked: root.vm.reveal(leftover.modelData.path)
                                    }
                                }
                            }
                        }
                    }
                }
                Item { Layout.preferredHeight: 8 }
            }
        }

        Rectangle { Layout.fillWidth: true; height: 1; color: Theme.separator; opacity: 0.4 }
        // The buttons go under the texts when the pane is narrow.
        GridLayout {
            Layout.fillWidth: true
            Layout.margins: 14
            columns: root.width >= 520 ? 2 : 1
            columnSpacing: 12
            ColumnLayout {
                Layout.fillWidth: true
                Layout.preferredWidth: 100
                spacing: 2
                Text {
                    color: Theme.text
                    Layout.fillWidth: true
                    visible: !root.vm.isRunning
                    text: qsTranslate("Pelmo", "K přesunu do koše: ") + root.vm.freedText
                    font.pixelSize: 15; font.bold: true; wrapMode: Text.WordWrap
                }
                RowLayout {
                    Layout.fillWidth: true
                    visible: root.vm.isRunning
                    Image { sourceSize.width: 16; sourceSize.height: 16; source: "image://theme/" + AppState.icon("exclamationmark.triangle.fill") }
                    Text {
                        Layout.fillWidth: true
                        text: qsTranslate("Pelmo", "Aplikace právě běží. Nejdřív ji ukonči.")
                        color: Theme.warningText; font.weight: Font.DemiBold; wrapMode: Text.WordWrap
                    }
                }
                Text {
                    color: Theme.secondaryText
                    Layout.fillWidth: true
                    text: qsTranslate("Pelmo", "Když se aplikaci nepodaří přesunout, přetáhni ji do koše ve Finderu. Zbytky pak odstraní Pelmo.")
                    font.pixelSize: 11; wrapMode: Text.WordWrap
                }
            }
            RowLayout {
                Layout.alignment: Qt.AlignRight
                BorderedButton {
                    objectName: "quitApp"
                    visible: root.vm.isRunning
                    text: qsTranslate("Pelmo", "Ukončit aplikaci")
                    onClicked: root.quitRequested()
                }
                ProminentButton {
                    objectName: "uninstallApp"
                    symbol: "trash"
                    text: qsTranslate("Pelmo", "Odinstalovat")
                    enabled: root.vm.uninstallEnabled
                    onClicked: root.uninstallRequested()
                }
            }
        }
    }
}
