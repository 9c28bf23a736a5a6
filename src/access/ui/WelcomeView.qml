import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pelmo
import Pelmo.ViewModels

// Shown while the home folder is not granted.
FocusScope {
    id: welcome
    readonly property AccessManager access: AppState.store.access
    // Return grants access, as the one button of the screen would.
    focus: true
    Keys.onReturnPressed: welcome.access.requestAccess()
    Keys.onEnterPressed: welcome.access.requestAccess()

    ColumnLayout {
        anchors.centerIn: parent
        width: Math.min(parent.width - 80, 520)
        spacing: 16

        Rectangle {
            Layout.alignment: Qt.AlignHCenter
            width: 96; height: 96; radius: 24
            gradient: Gradient {
                orientation: Gradient.Horizontal
                GradientStop { position: 0; color: AppState.brand }
                GradientStop { position: 1; color: Qt.rgba(0.2, 0.75, 0.62, 1) }
            }
            Symbol { anchors.centerIn: parent; name: "sparkles"; color: "white"; size: 52 }
        }
        Text {
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: qsTranslate("Pelmo", "Uvolni místo na Macu. Bezpečně.")
            font.pixelSize: 26; font.bold: true
            color: Theme.text
            Accessible.role: Accessible.Heading
            Accessible.name: text
        }
        Text {
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            color: Theme.secondaryText
            font.pixelSize: Theme.bodySize
            text: qsTranslate("Pelmo", "Pelmo najde nepotřebná data a přesune je do koše, takže je můžeš kdykoli vrátit zpět.")
        }
        Repeater {
            model: [
                { icon: "wifi.slash", title: qsTranslate("Pelmo", "Funguje offline"), text: qsTranslate("Pelmo", "Žádná data neodesílá a nic nesleduje.") },
                { icon: "trash", title: qsTranslate("Pelmo", "Nejdřív do koše"), text: qsTranslate("Pelmo", "Nic se nemaže natrvalo, vždy to můžeš vrátit.") },
                { icon: "lock.shield", title: qsTranslate("Pelmo", "Nic nehádá"), text: qsTranslate("Pelmo", "Nabízí jen známá umístění, která umí rozpoznat.") }
            ]
            delegate: RowLayout {
                id: reason
                required property var modelData
                Layout.fillWidth: true
                spacing: 12
                Item {
                    Layout.preferredWidth: 28
                    Layout.preferredHeight: 28
                    Layout.alignment: Qt.AlignTop
                    Symbol { anchors.centerIn: parent; name: reason.modelData.icon; color: Theme.accentText; size: 24 }
                }
                ColumnLayout {
                    spacing: 2
                    Layout.fillWidth: true
                    Text { text: reason.modelData.title; font.bold: true; font.pixelSize: Theme.bodySize + 1; color: Theme.text; Layout.fillWidth: true; wrapMode: Text.WordWrap }
                    Text { text: reason.modelData.text; color: Theme.secondaryText; font.pixelSize: Theme.bodySize; Layout.fillWidth: true; wrapMode: Text.WordWrap }
                }
            }
        }
        ProminentButton {
            id: grant
            Layout.alignment: Qt.AlignHCenter
            Layout.topMargin: 8
            large: true
            symbol: "folder"
            text: qsTranslate("Pelmo", "Povolit přístup k domovské složce")
            focus: true
            onClicked: welcome.access.requestAccess()
        }
        Text {
            Layout.alignment: Qt.AlignHCenter
            Layout.maximumWidth: 440
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            font.pixelSize: Theme.captionSize; color: Theme.secondaryText
            text: qsTranslate("Pelmo", "macOS aplikace izoluje, proto je potřeba přístup potvrdit jednou. Můžeš ho kdykoli zrušit v Nastavení.")
        }
        Text {
            visible: welcome.access.errorMessage.length > 0
            Layout.alignment: Qt.AlignHCenter
            Layout.maximumWidth: 440
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
            color: Theme.destructiveText; font.pixelSize: Theme.captionSize
            Accessible.role: Accessible.AlertMessage
            Accessible.name: text
            text: welcome.access.errorMessage
        }
    }
}
