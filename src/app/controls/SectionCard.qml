import QtQuick
import QtQuick.Layouts
import Pelmo

// A card with a heading (and its symbol) over its content, which is laid out in a column.
Rectangle {
    id: card
    property string title
    property string symbol
    property real padding: 18
    default property alias content: column.data
    implicitWidth: column.implicitWidth + 2 * padding
    implicitHeight: column.implicitHeight + 2 * padding
    radius: 16
    color: Theme.card
    border.width: 1
    border.color: Theme.border
    Accessible.role: Accessible.Grouping
    Accessible.name: title

    ColumnLayout {
        id: column
        x: card.padding
        y: card.padding
        width: card.width - 2 * card.padding
        spacing: 10
        RowLayout {
            visible: card.title.length > 0
            spacing: 8
            Symbol { visible: card.symbol.length > 0; name: card.symbol; color: Theme.accentText }
            Text {
                text: card.title
                font.pixelSize: Theme.bodySize + 1
                font.weight: Font.DemiBold
                color: Theme.text
                Layout.fillWidth: true
                wrapMode: Text.WordWrap
            }
        }
    }
}
