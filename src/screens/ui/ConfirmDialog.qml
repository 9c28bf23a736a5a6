import QtQuick
import QtQuick.Controls

// A question before an action: the message, the action's button and a cancel button.
Dialog {
    id: dialog
    property string message
    property string acceptText
    property string rejectText: qsTranslate("Pelmo", "Zrušit")
    anchors.centerIn: Overlay.overlay
    modal: true
    padding: 20
    Overlay.modal: Rectangle { color: Qt.rgba(0, 0, 0, 0.3) }
    onOpened: acceptButton.forceActiveFocus()
    header: Label {
        text: dialog.title
        font.bold: true
        wrapMode: Text.WordWrap
        padding: 20
        bottomPadding: 0
    }
    Label { text: dialog.message; wrapMode: Text.WordWrap; width: Math.min(implicitWidth, 460) }
    footer: DialogButtonBox {
        Button {
            id: acceptButton
            text: dialog.acceptText
            onClicked: dialog.accept()
            // Return takes the action; Escape (the popup's own) cancels.
            Keys.onReturnPressed: dialog.accept()
            Keys.onEnterPressed: dialog.accept()
        }
        Button { text: dialog.rejectText; onClicked: dialog.reject() }
    }
}
