import QtQuick
import QtQuick.Controls
import QtQuick.Shapes
import Pelmo

// Used share of the volume as a ring, drawn clockwise from the top.
Item {
    id: ring
    property real fraction
    property var colors: ["#0d9e8f", "#4dcca6"]
    property string percentText
    property real shown: 0
    implicitWidth: 150; implicitHeight: 150
    Accessible.role: Accessible.ProgressBar
    Accessible.name: qsTranslate("Pelmo", "Využití disku")
    Accessible.description: percentText + " " + qsTranslate("Pelmo", "využito")
    Behavior on shown { NumberAnimation { duration: 600; easing.type: Easing.OutCubic } }
    onFractionChanged: shown = fraction
    Component.onCompleted: shown = fraction

    Shape {
        anchors.fill: parent
        ShapePath {
            strokeWidth: 16; strokeColor: Theme.track; fillColor: "transparent"
            PathAngleArc { centerX: 75; centerY: 75; radiusX: 67; radiusY: 67; startAngle: 0; sweepAngle: 360 }
        }
        ShapePath {
            strokeWidth: 16; fillColor: "transparent"; capStyle: ShapePath.RoundCap
            strokeColor: ring.colors[0]
            PathAngleArc { centerX: 75; centerY: 75; radiusX: 67; radiusY: 67; startAngle: -90; sweepAngle: 360 * ring.shown }
        }
    }
    Column {
        anchors.centerIn: parent
        Text { anchors.horizontalCenter: parent.horizontalCenter; text: ring.percentText; font.pixelSize: 28; font.bold: true; color: Theme.text }
        Text { anchors.horizontalCenter: parent.horizontalCenter; text: qsTranslate("Pelmo", "využito"); font.pixelSize: Theme.captionSize; color: Theme.secondaryText }
    }
}
