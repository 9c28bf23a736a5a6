import QtQuick
import QtQuick.Layouts
import Pelmo

// A group's heading in the sidebar.
Text {
    color: Theme.secondaryText
    font.pixelSize: 11
    font.bold: true
    Layout.topMargin: 10
    Layout.leftMargin: 8
    Accessible.role: Accessible.Heading
    Accessible.name: text
}
