import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Pelmo

// A menu entry with its command's shortcut at the trailing edge (menus list it as their
// delegate; a context menu names the keys that do the same in `shortcutText`).
T.MenuItem {
    id: item
    property string shortcutText: action && action.shortcut ? String(action.shortcut) : ""
    implicitWidth: Math.max(implicitBackgroundWidth, implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Theme.controlHeight
    leftPadding: 12
    rightPadding: 12
    hoverEnabled: true
    font.pixelSize: Theme.bodySize
    Accessible.name: text
    Accessible.role: Accessible.MenuItem

    contentItem: RowLayout {
        spacing: 24
        Text {
            text: item.text
            font: item.font
            color: !item.enabled ? Theme.disabledText : item.highlighted ? Theme.textOnAccent : Theme.text
            Layout.fillWidth: true
        }
        Text {
            visible: item.shortcutText.length > 0
            text: item.shortcutText
            font.pixelSize: Theme.captionSize
            color: !item.enabled ? Theme.disabledText : item.highlighted ? Theme.textOnAccent : Theme.secondaryText
        }
    }
    background: Rectangle {
        implicitWidth: 220
        radius: Theme.radius - 2
        color: item.highlighted && item.enabled ? Theme.accent : "transparent"
    }
}
