import QtQuick
import Pelmo

// The screens' container: a rounded panel on the card colour with a hairline border.
Rectangle {
    id: card
    default property alias content: inner.data
    property real padding: 18
    implicitWidth: inner.childrenRect.width + 2 * padding
    implicitHeight: inner.childrenRect.height + 2 * padding
    radius: 20
    color: Theme.card
    border.width: 1
    border.color: Theme.border

    Item {
        id: inner
        anchors.fill: parent
        anchors.margins: card.padding
    }
}
