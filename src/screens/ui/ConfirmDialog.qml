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
    // Title and message are measured apart from their labels, whose own implicit widths follow
    // their wrapping and would loop through the dialog's width when a text changes.
    header: Item {
        implicitWidth: Math.min(Math.ceil(titleMetrics.advanceWidth), 460) + titleLabel.leftPadding + titleLabel.rightPadding
        implicitHeight: titleLabel.implicitHeight
        Label {
            id: titleLabel
            width: parent.width
            text: dialog.title
            font.bold: true
            wrapMode: Text.WordWrap
            padding: 20
            bottomPadding: 0
        }
        TextMetrics { id: titleMetrics; font: titleLabel.font; text: dialog.title }
    }
    Label { id: messageLabel; text: dialog.message; wrapMode: Text.WordWrap; width: Math.min(Math.ceil(metrics.advanceWidth), 460) }
    TextMetrics { id: metrics; font: messageLabel.font; text: dialog.message }
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
