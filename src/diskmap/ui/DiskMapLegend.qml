pragma ComponentBehavior: Bound
import QtQuick
import Pelmo
import QtQuick.Controls
import QtQuick.Layouts
import Pelmo.ViewModels

// One chip per kind present, largest first; a chip highlights its kind, a second click
// shows all again.
Item {
    id: legend
    objectName: "mapLegend"
    required property DiskMapModel model
    implicitHeight: 44
    opacity: model.count > 0 ? 1 : 0

    ListView {
        anchors.fill: parent
        orientation: ListView.Horizontal
        clip: true
        spacing: 6
        leftMargin: 16; rightMargin: 16
        boundsBehavior: Flickable.StopAtBounds
        model: legend.model.kinds
        delegate: AbstractButton {
            id: chip
            required property var modelData
            readonly property bool highlighted: legend.model.highlightKind === modelData.kind
            y: (ListView.view.height - height) / 2
            leftPadding: 10; rightPadding: 10; topPadding: 5; bottomPadding: 5
            ToolTip.visible: hovered
            ToolTip.text: qsTranslate("Pelmo", "Zvýraznit jen tento druh")
            ToolTip.delay: 600
            Accessible.name: modelData.title + ", " + modelData.sizeText
            contentItem: RowLayout {
                spacing: 6
                Rectangle { width: 9; height: 9; radius: 4.5; color: chip.modelData.color }
                Text { color: Theme.text; text: chip.modelData.title; font.pixelSize: 11; font.weight: Font.Medium }
                Text { color: chip.highlighted ? Theme.text : Theme.secondaryText; text: chip.modelData.sizeText; font.pixelSize: 11 }
            }
            background: Rectangle {
                radius: height / 2
                color: Qt.alpha(Theme.text, chip.highlighted ? 0.2 : 0.06)
                border.width: chip.highlighted ? 1 : 0
                border.color: Qt.alpha(Theme.text, 0.5)
            }
            onClicked: legend.model.highlightKind = highlighted ? -1 : modelData.kind
        }
    }
}
