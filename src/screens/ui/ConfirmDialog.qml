import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Templates as T
import Pelmo

// A question before an action: the message, the action's button (the default: Return takes
// it) and a cancel button (Escape). `destructive` draws the action red.
T.Dialog {
    id: dialog
    property string message
    property string acceptText
    property string rejectText: qsTranslate("Pelmo", "Zrušit")
    property bool destructive: false
    anchors.centerIn: Overlay.overlay
    width: Math.min(480, Overlay.overlay ? Overlay.overlay.width - 80 : 480)
    modal: true
    padding: 24
    closePolicy: T.Popup.CloseOnEscape
    implicitHeight: contentItem.implicitHeight + topPadding + bottomPadding
    onOpened: acceptButton.forceActiveFocus(Qt.TabFocusReason)

    T.Overlay.modal: Rectangle { color: Qt.rgba(0, 0, 0, 0.35) }
    background: Rectangle {
        radius: 14
        color: Theme.card
        border.width: 1
        border.color: Theme.border
    }
    contentItem: ColumnLayout {
        spacing: 12
        Accessible.role: Accessible.AlertMessage
        Accessible.name: dialog.title
        Accessible.description: dialog.message
        // Return presses the focused button, which is the action's when the dialog opens.
        Keys.onReturnPressed: dialog.accept()
        Keys.onEnterPressed: dialog.accept()
        Text {
            text: dialog.title
            font.bold: true
            font.pixelSize: Theme.bodySize + 3
            color: Theme.text
            wrapMode: Text.WordWrap
            Layout.fillWidth: true
        }
        Text {
            text: dialog.message
            color: Theme.secondaryText
            font.pixelSize: Theme.bodySize
            wrapMode: Text.WordWrap
            Layout.fillWidth: true
        }
        Flow {
            Layout.fillWidth: true
            Layout.topMargin: 8
            layoutDirection: Qt.RightToLeft
            spacing: 8
            StyledButton {
                id: acceptButton
                kind: dialog.destructive ? "destructive" : "prominent"
                text: dialog.acceptText
                onClicked: dialog.accept()
            }
            BorderedButton {
                text: dialog.rejectText
                onClicked: dialog.reject()
            }
        }
    }
}
