import QtQuick
import Pelmo

// The keyboard focus ring around its parent control: shown only while the focus came from
// the keyboard, so that a click leaves no ring behind.
Rectangle {
    // The control, untyped: any control with visualFocus and a background.
    readonly property var control: parent
    property bool shown: control && control.visualFocus === true
    property real radiusOf: control && control.background && control.background.radius !== undefined ? control.background.radius : Theme.radius
    anchors.fill: parent
    anchors.margins: -3
    radius: radiusOf + 3
    color: "transparent"
    border.width: 2
    border.color: Theme.focus
    visible: shown
    z: 10
}
