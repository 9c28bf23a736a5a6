pragma ComponentBehavior: Bound
import QtQuick
import Pelmo
import Pelmo.ViewModels

// One tile of the treemap: the node's colour as a gradient, its name, size and share.
Item {
    id: tile
    property string name
    property string sizeText
    property string percentText
    property real share
    property string symbol
    property bool enterable
    property color topColor
    property color bottomColor
    property color topHoverColor
    property color bottomHoverColor
    property bool isSelected
    property bool isHovered

    // The shadow: one point lower, darker when hovered.
    Rectangle {
        anchors.fill: parent
        anchors.topMargin: 1
        anchors.bottomMargin: -1
        radius: 9
        color: "black"
        opacity: tile.isHovered ? 0.25 : 0.08
    }
    Rectangle {
        anchors.fill: parent
        radius: 9
        gradient: Gradient {
            GradientStop { position: 0; color: tile.isHovered ? tile.topHoverColor : tile.topColor }
            GradientStop { position: 1; color: tile.isHovered ? tile.bottomHoverColor : tile.bottomColor }
        }
        border.width: tile.isSelected ? 3 : 1
        border.color: tile.isSelected ? "white" : Qt.rgba(1, 1, 1, tile.isHovered ? 0.7 : 0.14)
    }
    // A darker band behind the labels, so that white text keeps 4.5:1 on every kind's colour.
    Rectangle {
        visible: labels.visible
        x: 4; y: 4
        width: tile.width - 8
        height: labels.height + 10
        radius: 6
        color: Qt.rgba(0, 0, 0, 0.24)
    }
    Column {
        id: labels
        x: 9; y: 9
        width: tile.width - 18
        spacing: 2
        visible: tile.width > 64 && tile.height > 38
        Row {
            width: parent.width
            spacing: 5
            Image {
                visible: tile.width > 110
                width: 14; height: 14
                anchors.verticalCenter: parent.verticalCenter
                sourceSize.width: 14; sourceSize.height: 14
                source: visible ? "image://theme/" + tile.symbol : ""
                Accessible.ignored: true
            }
            Text {
                width: parent.width - (tile.width > 110 ? 19 : 0)
                text: tile.name
                color: "white"
                font.pixelSize: 13; font.weight: Font.DemiBold
                elide: Text.ElideRight
                maximumLineCount: 1
                style: Text.Raised; styleColor: Qt.rgba(0, 0, 0, 0.3)
            }
        }
        Row {
            spacing: 6
            Text {
                text: tile.sizeText
                color: "white"; font.pixelSize: 11
                style: Text.Raised; styleColor: Qt.rgba(0, 0, 0, 0.3)
            }
            Text {
                visible: tile.height > 76 && tile.share >= 0.01
                text: tile.percentText
                color: "white"; font.pixelSize: 11
                style: Text.Raised; styleColor: Qt.rgba(0, 0, 0, 0.3)
            }
        }
    }
    Image {
        anchors.right: parent.right; anchors.bottom: parent.bottom
        anchors.margins: 8
        visible: tile.isHovered && tile.enterable && tile.width > 60 && tile.height > 60
        width: 20; height: 20
        sourceSize.width: 20; sourceSize.height: 20
        opacity: 0.9
        source: visible ? "image://theme/" + AppState.icon("arrow.down.right.circle.fill") : ""
        Accessible.ignored: true
    }
}
