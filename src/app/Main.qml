import QtQuick
import QtQuick.Controls
import QtQuick.Dialogs
import Pelmo

ApplicationWindow {
    id: window
    width: 1020
    height: 700
    minimumWidth: 900
    minimumHeight: 600
    visible: true
    title: "Pelmo"

    readonly property var store: AppState.store

    Loader {
        anchors.fill: parent
        sourceComponent: window.store.access.hasAccess ? mainView : welcome
    }
    Component { id: welcome; WelcomeView {} }
    Component { id: mainView; ContentView {} }

    FolderDialog {
        id: folderDialog
        onAccepted: AppState.folderPicker.chosen(selectedFolder.toString().replace(/^file:\/\//, ""))
        onRejected: AppState.folderPicker.cancelled()
    }
    Connections {
        target: AppState.folderPicker
        function onFolderRequested(startIn, acceptLabel, message) {
            folderDialog.currentFolder = "file://" + startIn
            folderDialog.acceptLabel = acceptLabel
            folderDialog.title = message
            folderDialog.open()
        }
    }

    Shortcut { sequence: "Ctrl+Q"; onActivated: Qt.quit() }
    Shortcut {
        sequence: "Ctrl+R"
        enabled: window.store.access.hasAccess && !window.store.isScanning
        onActivated: window.store.scan()
    }
}
