pragma ComponentBehavior: Bound
import QtQuick
import Pelmo
import QtQuick.Controls
import Pelmo.ViewModels

// The folder's children as tiles laid out by the model for this item's size.
Item {
    id: canvas
    objectName: "treemapCanvas"
    required property DiskMapModel model
    property string menuTarget
    property bool menuEnterable

    onWidthChanged: model.setCanvasSize(width, height)
    onHeightChanged: model.setCanvasSize(width, height)
    Component.onCompleted: model.setCanvasSize(width, height)

    // A click between the tiles clears the selection.
    MouseArea { anchors.fill: parent; onClicked: canvas.model.selectedID = "" }

    Repeater {
        model: canvas.model.tiles
        delegate: Item {
            id: slot
            required property string nodeId
            required property string name
            required property string sizeText
            required property string percentText
            required property real share
            required property int kind
            required property string symbol
            required property bool enterable
            required property color topColor
            required property color bottomColor
            required property color topHoverColor
            required property color bottomHoverColor
            required property string accessibleName
            required property real tileX
            required property real tileY
            required property real tileWidth
            required property real tileHeight
            objectName: "mapTile"
            // Neighbours stand 3 points apart.
            x: tileX + 1.5; y: tileY + 1.5
            width: Math.max(tileWidth - 3, 0); height: Math.max(tileHeight - 3, 0)
            opacity: canvas.model.highlightKind >= 0 && canvas.model.highlightKind !== kind ? 0.22 : 1
            Behavior on opacity { NumberAnimation { duration: 180; easing.type: Easing.OutQuad } }
            Accessible.role: Accessible.Button
            Accessible.name: accessibleName

            MapTile {
                anchors.fill: parent
                name: slot.name; sizeText: slot.sizeText; percentText: slot.percentText; share: slot.share
                symbol: slot.symbol; enterable: slot.enterable
                topColor: slot.topColor; bottomColor: slot.bottomColor
                topHoverColor: slot.topHoverColor; bottomHoverColor: slot.bottomHoverColor
                isSelected: canvas.model.selectedID === slot.nodeId
                isHovered: canvas.model.hoveredID === slot.nodeId
            }
            MouseArea {
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                onEntered: canvas.model.setHover(slot.nodeId, true)
                onExited: canvas.model.setHover(slot.nodeId, false)
                onClicked: (mouse) => {
                    if (mouse.button === Qt.RightButton) {
                        canvas.menuTarget = slot.nodeId
                        canvas.menuEnterable = slot.enterable
                        menu.popup()
                    } else {
                        canvas.model.selectedID = slot.nodeId
                    }
                }
                onDoubleClicked: (mouse) => {
                    if (mouse.button === Qt.LeftButton)
                        canvas.model.enter(slot.nodeId)
                }
            }
        }
    }

    Menu {
        id: menu
        MenuItem {
            text: qsTranslate("Pelmo", "Otevřít složku")
            visible: canvas.menuEnterable
            height: visible ? implicitHeight : 0
            onTriggered: canvas.model.enter(canvas.menuTarget)
        }
        MenuItem {
            text: qsTranslate("Pelmo", "Ukázat ve Finderu")
            onTriggered: canvas.model.reveal(canvas.menuTarget)
        }
    }
}
