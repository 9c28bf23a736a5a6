import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pelmo
import Pelmo.ViewModels

// One figure of the uninstall detail: its symbol in its colour, the value and the title.
// In a narrow pane the symbol stands above the texts.
Card {
    id: tile
    property string title
    property string value
    property string symbol
    property string tint
    property bool emphasized: false
    readonly property bool compact: width < 170
    // Equal shares of the row, whatever the texts are.
    Layout.fillWidth: true
    Layout.preferredWidth: 100
    Layout.minimumWidth: 0
    implicitHeight: grid.implicitHeight + 2 * padding
    padding: compact ? 10 : 14
    radius: 14
    GridLayout {
        id: grid
        width: parent.width
        columns: tile.compact ? 1 : 2
        columnSpacing: 12
        rowSpacing: 6
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
            Layout.fillWidth: true
            spacing: 2
            Text {
                Layout.fillWidth: true
                elide: Text.ElideRight
                text: tile.value
                font.pixelSize: tile.compact ? 15 : 18; font.bold: true
                color: tile.emphasized ? Theme.warningText : Theme.text
            }
            Text { color: Theme.secondaryText; text: tile.title; font.pixelSize: 11; Layout.fillWidth: true; elide: Text.ElideRight }
        }
    }
}
