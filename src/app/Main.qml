import QtQuick
import QtQuick.Controls
import Pelmo
import Pelmo.ViewModels

ApplicationWindow {
    id: window
    width: 1020
    height: 700
    minimumWidth: 900
    minimumHeight: 600
    visible: true
    title: "Pelmo"
    color: Theme.window

    readonly property var store: AppState.store

    Loader {
        id: content
        anchors.fill: parent
        focus: true
        sourceComponent: window.store.access.hasAccess ? mainView : welcome
    }
    Component { id: welcome; WelcomeView {} }
    Component { id: mainView; ContentView {} }

    // A newer version found by the automatic check, announced once while the window is in front.
    AboutViewModel { id: updates; onAnnouncement: updateAlert.open() }
    ConfirmDialog {
        id: updateAlert
        objectName: "updateAlert"
        title: updates.alertTitle
        message: updates.alertText
        acceptText: qsTranslate("Pelmo", "Stáhnout")
        rejectText: qsTranslate("Pelmo", "Později")
        onAccepted: updates.openDownload()
    }

    // What the keyboard reaches in a scrolling screen scrolls into view (lists keep their
    // current row in view themselves).
    onActiveFocusItemChanged: {
        const item = activeFocusItem
        for (let p = item ? item.parent : null; p; p = p.parent) {
            if (!(p instanceof Flickable))
                continue
            if (p instanceof ListView)
                return
            const top = item.mapToItem(p.contentItem, 0, 0).y
            if (top < p.contentY)
                p.contentY = Math.max(0, top - 16)
            else if (top + item.height > p.contentY + p.height)
                p.contentY = Math.min(p.contentHeight - p.height, top + item.height - p.height + 16)
            return
        }
    }

    menuBar: MenuBar {
        background: Rectangle {
            implicitHeight: 30
            color: Theme.sidebar
            Rectangle { anchors.bottom: parent.bottom; width: parent.width; height: 1; color: Theme.separator }
        }
        delegate: MenuBarItem {
            id: menuTitle
            Accessible.name: text.replace("&", "")
            contentItem: Text {
                text: menuTitle.text.replace("&", "")
                font.pixelSize: Theme.bodySize
                color: menuTitle.highlighted ? Theme.textOnAccent : Theme.text
                verticalAlignment: Text.AlignVCenter
            }
            background: Rectangle {
                radius: Theme.radius - 2
                color: menuTitle.highlighted ? Theme.accent : "transparent"
            }
        }
        PopupMenu {
            objectName: "mainMenu"
            title: "&Pelmo"
            Action {
                text: qsTranslate("Pelmo", "Prohledat Mac")
                shortcut: "Ctrl+R"
                enabled: AppState.scanEnabled
                onTriggered: window.store.scan()
            }
            Action {
                text: qsTranslate("Pelmo", "Vybrat vše / zrušit výběr")
                shortcut: "Ctrl+Shift+A"
                enabled: window.store.hasCurrentCategory
                onTriggered: window.store.toggleSelectionInCurrentCategory()
            }
            Action {
                text: qsTranslate("Pelmo", "Přesunout vybrané do koše")
                shortcut: "Ctrl+Backspace"
                // In a text field the keys delete a word, as they do everywhere else.
                enabled: window.store.hasCurrentCategory && !(window.activeFocusItem instanceof TextInput)
                onTriggered: window.store.requestTrashSelected()
            }
            MenuSeparator {}
            Action {
                text: qsTranslate("Pelmo", "Otevřít koš ve Finderu")
                shortcut: "Ctrl+Shift+T"
                onTriggered: window.store.openTrash()
            }
            MenuSeparator {}
            Action {
                text: qsTranslate("Pelmo", "O aplikaci Pelmo")
                enabled: window.store.access.hasAccess
                onTriggered: content.item.section = "about"
            }
            Action { text: qsTranslate("Pelmo", "Ukončit"); shortcut: "Ctrl+Q"; onTriggered: Qt.quit() }
        }
    }
}
