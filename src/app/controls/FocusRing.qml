import QtQuick
import Pelmo

// The keyboard focus ring around its parent control: shown only while the focus came from
// the keyboard, so that a click leaves no ring behind.
Rectangle {
    property bool shown: parent && parent.visualFocus === true
    property real radiusOf: parent && parent.background && parent.background.radius !== undefined ? parent.background.radius : Theme.radius
    anchors.fill: parent
    anchors.margins: -3
    radius: radiusOf + 3
    color: "transparent"
    border.width: 2
    border.color: Theme.focus
    visible: shown
    z: 10
}
