import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Pelmo
import Pelmo.ViewModels

// One section of the sidebar: its symbol in white on its colour, its title and, for a
// category, what it found. The sidebar takes the keyboard focus, not the row.
T.ItemDelegate {
    id: row
    property string title
    property string symbol
    property color accent: Theme.brand
    property string trailing
    property bool selected
    property bool focusShown
    Layout.fillWidth: true
    implicitHeight: 34
    leftPadding: 8
    rightPadding: 8
    hoverEnabled: true
    focusPolicy: Qt.NoFocus
    text: title

    Accessible.role: Accessible.PageTab
    Accessible.name: trailing.length > 0 ? title + ", " + trailing : title
    Accessible.selected: selected
    Accessible.selectable: true

    contentItem: RowLayout {
        spacing: 10
        Rectangle {
            width: 24; height: 24; radius: 7
            color: row.accent
            Symbol { anchors.centerIn: parent; name: row.symbol; color: "white"; size: 16 }
        }
        Text {
            text: row.title
            color: Theme.text
            font.pixelSize: Theme.bodySize - 1
            font.weight: row.selected ? Font.DemiBold : Font.Normal
            Layout.fillWidth: true
            elide: Text.ElideRight
        }
        Text {
            text: row.trailing
            visible: row.trailing.length > 0
            color: Theme.secondaryText
            font.pixelSize: Theme.captionSize
        }
    }
    background: Rectangle {
        radius: Theme.radius
        color: row.selected ? Theme.selection : row.down ? Theme.pressed : row.hovered ? Theme.hover : "transparent"
        FocusRing { shown: row.focusShown }
    }
}
