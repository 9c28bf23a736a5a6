import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pelmo
import Pelmo.ViewModels

// One figure of the uninstall detail: its symbol in its colour, the value and the title.
Card {
    id: tile
    property string title
    property string value
    property string symbol
    property string tint
    property bool emphasized: false
    Layout.fillWidth: true
    padding: 14
    radius: 14
    RowLayout {
        spacing: 12
        Rectangle {
            width: 36; height: 36; radius: 10; color: Qt.alpha(tile.tint, 0.15)
            Image {
                anchors.centerIn: parent
                sourceSize.width: 20; sourceSize.height: 20
                source: "image://theme/" + AppState.icon(tile.symbol)
                Accessible.ignored: true
            }
        }
        ColumnLayout {
            spacing: 2
            Label {
                text: tile.value
                font.pixelSize: 18; font.bold: true
                color: tile.emphasized ? tile.tint : palette.windowText
            }
            Label { text: tile.title; font.pixelSize: 11; opacity: 0.7 }
        }
    }
}
