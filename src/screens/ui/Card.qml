import QtQuick

// The screens' container: a rounded panel on the window's base colour with a hairline border.
Rectangle {
    id: card
    default property alias content: inner.data
    property real padding: 18
    implicitWidth: inner.childrenRect.width + 2 * padding
    implicitHeight: inner.childrenRect.height + 2 * padding
    radius: 20
    color: palette.base
    border.width: 1
    border.color: Qt.rgba(palette.mid.r, palette.mid.g, palette.mid.b, 0.5)

    Item {
        id: inner
        anchors.fill: parent
        anchors.margins: card.padding
    }
}
