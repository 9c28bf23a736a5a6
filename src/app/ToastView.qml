import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pelmo

// The message line of the last operation, for 8 seconds, with the way to the Trash.
Rectangle {
    readonly property var store: AppState.store
    visible: store.toast.length > 0
    implicitWidth: Math.min(row.implicitWidth + 32, 640)
    implicitHeight: row.implicitHeight + 24
    radius: 14
    color: palette.base
    border.color: Qt.alpha(palette.mid, 0.5)

    RowLayout {
        id: row
        anchors.fill: parent
        anchors.leftMargin: 16; anchors.rightMargin: 16
        spacing: 10
        Label { text: "✔"; color: AppState.brand }
        Label {
            text: store.toast
            wrapMode: Text.WordWrap
            Layout.fillWidth: true
            Layout.maximumWidth: 460
        }
        Button { flat: true; text: qsTranslate("Pelmo", "Otevřít koš"); onClicked: store.openTrash() }
    }
}
