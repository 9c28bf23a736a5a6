import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pelmo
import Pelmo.ViewModels

// Shown while the home folder is not granted.
Item {
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
            Text { anchors.centerIn: parent; text: "✦"; color: "white"; font.pixelSize: 44; font.weight: Font.DemiBold }
        }
        Label {
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: qsTranslate("Pelmo", "Uvolni místo na Macu. Bezpečně.")
            font.pixelSize: 26; font.bold: true
        }
        Label {
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            opacity: 0.7
            text: qsTranslate("Pelmo", "Pelmo najde nepotřebná data a přesune je do koše, takže je můžeš kdykoli vrátit zpět.")
        }
        Repeater {
            model: [
                { icon: AppState.icon("wifi.slash"), title: qsTranslate("Pelmo", "Funguje offline"), text: qsTranslate("Pelmo", "Žádná data neodesílá a nic nesleduje.") },
                { icon: AppState.icon("trash"), title: qsTranslate("Pelmo", "Nejdřív do koše"), text: qsTranslate("Pelmo", "Nic se nemaže natrvalo, vždy to můžeš vrátit.") },
                { icon: AppState.icon("lock.shield"), title: qsTranslate("Pelmo", "Nic nehádá"), text: qsTranslate("Pelmo", "Nabízí jen známá umístění, která umí rozpoznat.") }
            ]
            delegate: RowLayout {
                id: reason
                required property var modelData
                Layout.fillWidth: true
                spacing: 12
                Button {
                    flat: true; enabled: false
                    icon.name: reason.modelData.icon; icon.color: AppState.brand
                    Layout.preferredWidth: 28
                }
                ColumnLayout {
                    spacing: 2
                    Layout.fillWidth: true
                    Label { text: reason.modelData.title; font.bold: true; Layout.fillWidth: true; wrapMode: Text.WordWrap }
                    Label { text: reason.modelData.text; opacity: 0.7; Layout.fillWidth: true; wrapMode: Text.WordWrap }
                }
            }
        }
        Button {
            Layout.alignment: Qt.AlignHCenter
            highlighted: true
            text: qsTranslate("Pelmo", "Povolit přístup k domovské složce")
            onClicked: welcome.access.requestAccess()
        }
        Label {
            Layout.alignment: Qt.AlignHCenter
            Layout.maximumWidth: 440
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            font.pixelSize: 12; opacity: 0.7
            text: qsTranslate("Pelmo", "macOS aplikace izoluje, proto je potřeba přístup potvrdit jednou. Můžeš ho kdykoli zrušit v Nastavení.")
        }
        Label {
            visible: welcome.access.errorMessage.length > 0
            Layout.alignment: Qt.AlignHCenter
            color: "#d32f2f"; font.pixelSize: 12
            text: welcome.access.errorMessage
        }
    }
}
