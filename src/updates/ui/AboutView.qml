import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pelmo
import Pelmo.ViewModels

// Who Pelmo is: the version, what is new, the update check, the privacy promises, the links.
ScrollView {
    id: root
    objectName: "aboutView"
    contentWidth: availableWidth
    contentHeight: aboutColumn.implicitHeight + 48

    AboutViewModel { id: vm }

    // A line led by a symbol, or by a check mark in the brand colour (as in the settings).
    component SymbolLine: RowLayout {
        property string symbol
        property alias text: lineText.text
        property bool bold
        spacing: 8
        Layout.fillWidth: true
        Image {
            visible: parent.symbol !== "checkmark"
            Layout.alignment: Qt.AlignTop
            sourceSize.width: 16; sourceSize.height: 16
            source: visible ? "image://theme/" + AppState.icon(parent.symbol) : ""
        }
        Text {
            visible: parent.symbol === "checkmark"
            Layout.alignment: Qt.AlignTop
            text: "✔"; color: Theme.accentText
        }
        Text { color: Theme.text; id: lineText; font.bold: parent.bold; wrapMode: Text.WordWrap; Layout.fillWidth: true }
    }
    component Heading: RowLayout {
        property string symbol
        property alias text: headingText.text
        spacing: 8
        Image {
            sourceSize.width: 20; sourceSize.height: 20
            source: "image://theme/" + AppState.icon(parent.symbol)
        }
        Text { color: Theme.text; id: headingText; font.pixelSize: 15; font.bold: true }
    }

    ColumnLayout {
        id: aboutColumn
        y: 24
        x: Math.max(24, (root.availableWidth - width) / 2)
        width: Math.min(root.availableWidth - 48, 760)
        spacing: 18

        ColumnLayout {
            Layout.fillWidth: true
            Layout.maximumWidth: aboutColumn.width
            spacing: 8
            Item {
                Layout.alignment: Qt.AlignHCenter
                implicitWidth: 96; implicitHeight: 96
                Rectangle { // the shadow
                    anchors.fill: parent; anchors.topMargin: 6
                    radius: 24; color: "black"; opacity: 0.2; scale: 0.92
                }
                Image { anchors.fill: parent; source: "qrc:/icons/pelmo/256.png"; sourceSize.width: 96; sourceSize.height: 96 }
            }
            Text { color: Theme.text; Layout.alignment: Qt.AlignHCenter; text: "Pelmo"; font.pixelSize: 30; font.bold: true }
            Text { color: Theme.secondaryText; Layout.alignment: Qt.AlignHCenter; objectName: "versionText"; text: vm.versionText }
            Text {
                color: Theme.text
                Layout.alignment: Qt.AlignHCenter
                Layout.preferredWidth: Math.min(implicitWidth, 460)
                horizontalAlignment: Text.AlignHCenter; wrapMode: Text.WordWrap
                text: qsTranslate("Pelmo", "Jednoduchý a bezpečný úklid tvého Macu. Nic nemažeme natrvalo, vše jde nejdřív do koše.")
            }
        }

        Card {
            Layout.fillWidth: true
            ColumnLayout {
                width: parent.width
                spacing: 6
                Heading { symbol: "sparkles"; text: qsTranslate("Pelmo", "Co je nového") }
                Repeater {
                    model: vm.releaseNotes
                    delegate: ColumnLayout {
                        id: note
                        required property var modelData
                        Layout.fillWidth: true
                        Text { color: Theme.secondaryText; text: note.modelData.version; font.bold: true; Layout.topMargin: 4 }
                        Repeater {
                            model: note.modelData.items
                            delegate: SymbolLine {
                                required property string modelData
                                symbol: "checkmark.circle.fill"
                                text: modelData
                            }
                        }
                    }
                }
            }
        }

        Card {
            Layout.fillWidth: true
            ColumnLayout {
                width: parent.width
                spacing: 8
                Heading { symbol: "arrow.triangle.2.circlepath"; text: qsTranslate("Pelmo", "Aktualizace") }
                Text {
                    color: Theme.secondaryText
                    visible: vm.updatesText.length > 0
                    text: vm.updatesText; wrapMode: Text.WordWrap; Layout.fillWidth: true
                }
                CheckButton {
                    text: qsTranslate("Pelmo", "Automaticky hledat nové verze")
                    checked: vm.autoCheck
                    // Shows what is stored, also when the write failed.
                    onToggled: { vm.autoCheck = checked; checked = Qt.binding(() => vm.autoCheck) }
                }
                ColumnLayout {
                    objectName: "availableRelease"
                    visible: vm.hasAvailable
                    Layout.fillWidth: true
                    SymbolLine { symbol: "arrow.down.circle"; text: vm.availableText; bold: true }
                    Text {
                        color: Theme.secondaryText
                        visible: vm.notes.length > 0
                        text: vm.notes; wrapMode: Text.WordWrap; Layout.fillWidth: true
                    }
                    ProminentButton { text: qsTranslate("Pelmo", "Stáhnout"); onClicked: vm.openDownload() }
                }
                RowLayout {
                    spacing: 10
                    BorderedButton {
                        text: qsTranslate("Pelmo", "Zkontrolovat aktualizace")
                        symbol: "arrow.down.app"
                        enabled: vm.status !== "checking"
                        onClicked: vm.check()
                    }
                    BusyIndicator {
                        visible: running; running: vm.status === "checking"
                        implicitWidth: 24; implicitHeight: 24
                    }
                    Text {
                        color: Theme.secondaryText
                        objectName: "checkStatus"
                        visible: text.length > 0
                        text: vm.status === "upToDate" ? qsTranslate("Pelmo", "Máš nejnovější verzi")
                            : vm.status === "failed" ? qsTranslate("Pelmo", "Kontrola se nepovedla") : ""
                    }
                }
            }
        }

        Card {
            Layout.fillWidth: true
            ColumnLayout {
                width: parent.width
                spacing: 6
                Heading { symbol: "lock.shield"; text: qsTranslate("Pelmo", "Soukromí") }
                Repeater {
                    model: [
                        qsTranslate("Pelmo", "Vše se děje jen na tvém Macu."),
                        qsTranslate("Pelmo", "Žádná data se neodesílají ani neanalyzují."),
                        qsTranslate("Pelmo", "Přístup jen ke složce, kterou povolíš."),
                        qsTranslate("Pelmo", "Mazání = přesun do koše, jde vrátit."),
                        qsTranslate("Pelmo", "Na internet jen kvůli kontrole nové verze (jde vypnout).")
                    ]
                    delegate: SymbolLine {
                        required property string modelData
                        symbol: "checkmark"
                        text: modelData
                    }
                }
            }
        }

        ColumnLayout {
            Layout.fillWidth: true
            Layout.maximumWidth: aboutColumn.width
            spacing: 8
            RowLayout {
                visible: vm.hasSupport || vm.hasDonate || vm.hasWeb
                Layout.alignment: Qt.AlignHCenter
                spacing: 10
                BorderedButton {
                    visible: vm.hasSupport
                    text: qsTranslate("Pelmo", "Napsat na podporu"); symbol: "envelope"
                    onClicked: vm.openSupport()
                }
                BorderedButton {
                    visible: vm.hasDonate
                    text: qsTranslate("Pelmo", "Podpořit vývoj"); symbol: "heart"
                    onClicked: vm.openDonate()
                }
                BorderedButton {
                    visible: vm.hasWeb
                    text: qsTranslate("Pelmo", "Web aplikace"); symbol: "safari"
                    onClicked: vm.openWeb()
                }
            }
            Text {
                color: Theme.secondaryText
                Layout.alignment: Qt.AlignHCenter
                text: qsTranslate("Pelmo", "Vytvořeno s péčí pro Mac")
                font.pixelSize: 11
            }
        }
    }
}
