import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

Card {
    id: tile
    property string title
    property string value
    property string accent
    Layout.fillWidth: true
    padding: 14
    RowLayout {
        spacing: 12
        Rectangle { width: 38; height: 38; radius: 10; color: Qt.alpha(tile.accent, 0.15)
            Rectangle { anchors.centerIn: parent; width: 14; height: 14; radius: 7; color: tile.accent } }
        ColumnLayout {
            spacing: 2
            Label { text: tile.title; font.pixelSize: 11; opacity: 0.7 }
            Label { text: tile.value; font.pixelSize: 18; font.bold: true }
        }
    }
}
