import QtQuick
import QtQuick.Controls
import Pelmo

// A menu (the main menu, a row's context menu) in the theme's colours, as wide as its widest
// entry with its shortcut; its entries are MenuRow (actions become MenuRow too).
Menu {
    id: menu
    delegate: MenuRow {}
    padding: 4
    implicitWidth: {
        let widest = 200
        for (let i = 0; i < count; ++i) {
            const entry = itemAt(i)
            if (entry)
                widest = Math.max(widest, entry.implicitWidth)
        }
        return widest + leftPadding + rightPadding
    }
    background: Rectangle {
        radius: Theme.radius
        color: Theme.card
        border.width: 1
        border.color: Theme.border
    }
}
