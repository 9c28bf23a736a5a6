import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pelmo
import Pelmo.ViewModels

// The message line of the last operation, for 8 seconds, with the way to the Trash. It rises
// from the bottom edge and fades in, and fades out again with its last text still on it.
Rectangle {
    id: toast
    objectName: "toast"
    readonly property var store: AppState.store
    readonly property bool shown: store.toast.length > 0
    property string shownText

    implicitWidth: Math.min(row.implicitWidth + 32, 640)
    implicitHeight: row.implicitHeight + 24
    radius: 14
    color: Theme.card
    border.color: Theme.border
    opacity: shown ? 1 : 0
    visible: opacity > 0
    Behavior on opacity { NumberAnimation { duration: 250 } }
    transform: Translate {
        y: toast.shown ? 0 : 40
        Behavior on y { SpringAnimation { spring: 4; damping: 0.45 } }
    }

    Accessible.role: Accessible.AlertMessage
    Accessible.name: shownText

    Connections {
        target: toast.store
        function onToastChanged() {
            if (toast.store.toast.length > 0) {
                toast.shownText = toast.store.toast
                bounce.restart()
            }
        }
    }

    // A soft shadow below the bubble.
    Rectangle {
        z: -1
        anchors.fill: parent
        anchors.topMargin: 4
        anchors.bottomMargin: -4
        radius: parent.radius
        color: "black"
        opacity: 0.15
    }

    RowLayout {
        id: row
        anchors.fill: parent
        anchors.leftMargin: 16; anchors.rightMargin: 16
        spacing: 10
        Symbol {
            id: mark
            name: "checkmark.circle.fill"
            color: Theme.accentText
            size: 20
            SequentialAnimation {
                id: bounce
                NumberAnimation { target: mark; property: "scale"; to: 1.35; duration: 120; easing.type: Easing.OutQuad }
                NumberAnimation { target: mark; property: "scale"; to: 1; duration: 220; easing.type: Easing.OutBack }
            }
        }
        Text {
            text: toast.shownText
            color: Theme.text
            font.pixelSize: Theme.bodySize
            wrapMode: Text.WordWrap
            Layout.fillWidth: true
            Layout.maximumWidth: 460
        }
        PlainButton { text: qsTranslate("Pelmo", "Otevřít koš"); onClicked: toast.store.openTrash() }
    }
}
