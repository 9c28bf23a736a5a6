pragma ComponentBehavior: Bound
import QtQuick
import Pelmo

// A node's share of its folder: a capsule on a faint track, never thinner than 4 points.
Item {
    id: bar
    property real share
    property color color
    implicitHeight: 5
    Rectangle { anchors.fill: parent; radius: height / 2; color: Qt.alpha(Theme.text, 0.1) }
    Rectangle {
        height: parent.height
        radius: height / 2
        color: bar.color
        width: Math.max(4, parent.width * Math.min(Math.max(bar.share, 0), 1))
    }
}
