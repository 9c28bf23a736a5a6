import QtQuick
import Pelmo
import Pelmo.ViewModels

// The overview's leading card: a brand-tinted gradient panel.
Rectangle {
    id: card
    default property alias content: inner.data
    property real padding: 28
    implicitHeight: inner.childrenRect.height + 2 * padding
    radius: 24
    border.width: 1
    border.color: Qt.alpha(AppState.brand, 0.28)
    gradient: Gradient {
        orientation: Gradient.Horizontal
        GradientStop { position: 0; color: Qt.alpha(AppState.brand, 0.20) }
        GradientStop { position: 1; color: Qt.alpha(AppState.brand, 0.05) }
    }

    Item {
        id: inner
        anchors.fill: parent
        anchors.margins: card.padding
    }
}
