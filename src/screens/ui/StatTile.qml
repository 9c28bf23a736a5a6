import QtQuick
import QtQuick.Layouts
import Pelmo

// One figure with its title and symbol, read out as "title: value".
Card {
    id: tile
    property string title
    property string value
    property string symbol
    property color accent: Theme.brand
    Layout.fillWidth: true
    padding: 14
    Accessible.role: Accessible.StaticText
    Accessible.name: title + ": " + value
    RowLayout {
        spacing: 12
        Rectangle {
            width: 38; height: 38; radius: 10
            color: Qt.alpha(tile.accent, Theme.dark ? 0.25 : 0.15)
            Symbol { anchors.centerIn: parent; name: tile.symbol; color: Theme.dark ? Qt.lighter(tile.accent, 1.3) : tile.accent; size: 20 }
        }
        ColumnLayout {
            spacing: 2
            Text { text: tile.title; font.pixelSize: Theme.captionSize; color: Theme.secondaryText }
            Text { text: tile.value; font.pixelSize: 18; font.bold: true; color: Theme.text }
        }
    }
}
