pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Pelmo

// The 30-day bar chart of moved data: a value axis of round steps in GB, the labelled days
// (the 1st of a month, the first day of each week) with weekly ticks, and the hovered day's
// date and amount. Days are the local calendar days the view-model counted.
Item {
    id: chart
    property var days: []
    property var axis: []
    property real maxValue: 0
    property string description
    readonly property bool empty: maxValue <= 0
    readonly property real axisWidth: 44
    readonly property real labelHeight: 18
    readonly property real plotHeight: height - labelHeight
    readonly property real slot: (width - axisWidth) / Math.max(1, days.length)
    property int hovered: -1

    Accessible.role: Accessible.Chart
    Accessible.name: qsTranslate("Pelmo", "Graf uvolněného místa za posledních 30 dní")
    Accessible.description: empty ? qsTranslate("Pelmo", "Za posledních 30 dní se nic nepřesunulo.") : description

    // Grid lines and the value labels.
    Repeater {
        model: chart.axis
        delegate: Item {
            id: gridLine
            required property var modelData
            y: chart.plotHeight * (1 - gridLine.modelData.value / chart.maxValue)
            width: chart.width
            Rectangle { x: chart.axisWidth; width: parent.width - chart.axisWidth; height: 1; color: Theme.separator }
            Text {
                width: chart.axisWidth - 8
                y: -height / 2
                horizontalAlignment: Text.AlignRight
                text: gridLine.modelData.label
                color: Theme.secondaryText
                font.pixelSize: 11
            }
        }
    }
    Text {
        visible: !chart.empty
        y: -height - 6
        width: chart.axisWidth - 8
        horizontalAlignment: Text.AlignRight
        text: "GB"
        color: Theme.secondaryText
        font.pixelSize: 11
        font.bold: true
    }
    Rectangle { x: chart.axisWidth; y: chart.plotHeight; width: chart.width - chart.axisWidth; height: 1; color: Theme.border }

    Repeater {
        model: chart.days
        delegate: Item {
            id: day
            required property var modelData
            required property int index
            x: chart.axisWidth + index * chart.slot
            width: chart.slot
            height: chart.height
            Rectangle {
                visible: !chart.empty && day.modelData.gigabytes > 0
                x: Math.max(1, chart.slot * 0.15)
                width: chart.slot - 2 * x
                height: Math.max(2, chart.plotHeight * day.modelData.gigabytes / Math.max(chart.maxValue, 1e-12))
                y: chart.plotHeight - height
                radius: Math.min(4, width / 2)
                gradient: Gradient {
                    GradientStop { position: 0; color: chart.hovered === day.index ? Theme.accentText : "#2bb8a6" }
                    GradientStop { position: 1; color: Theme.brand }
                }
            }
            Rectangle {
                visible: day.modelData.weekStart || day.modelData.monthStart
                x: 0
                y: chart.plotHeight
                width: 1
                height: day.modelData.monthStart ? 6 : 4
                color: Theme.controlBorder
            }
            Text {
                visible: day.modelData.label.length > 0
                // From its tick on, but never past the chart's right edge.
                x: Math.min(0, chart.width - (chart.axisWidth + day.index * chart.slot) - implicitWidth)
                y: chart.plotHeight + 4
                text: day.modelData.label
                color: day.modelData.monthStart ? Theme.text : Theme.secondaryText
                font.pixelSize: 11
                font.bold: day.modelData.monthStart
            }
        }
    }

    Text {
        anchors.centerIn: parent
        anchors.verticalCenterOffset: -chart.labelHeight / 2
        visible: chart.empty
        text: qsTranslate("Pelmo", "Za posledních 30 dní se nic nepřesunulo.")
        color: Theme.secondaryText
        font.pixelSize: Theme.bodySize
    }

    // The hovered day: its date and amount in a small bubble above the plot.
    MouseArea {
        id: pointer
        x: chart.axisWidth
        width: chart.width - chart.axisWidth
        height: chart.plotHeight
        hoverEnabled: true
        acceptedButtons: Qt.NoButton
        onPositionChanged: (mouse) => chart.hovered = Math.min(chart.days.length - 1, Math.floor(mouse.x / chart.slot))
        onExited: chart.hovered = -1
    }
    Rectangle {
        visible: chart.hovered >= 0 && !chart.empty
        readonly property var day: chart.hovered >= 0 ? chart.days[chart.hovered] : null
        width: bubble.implicitWidth + 16
        height: bubble.implicitHeight + 8
        radius: 6
        color: Theme.dark ? "#3a3a3f" : "#2b2b30"
        x: Math.max(0, Math.min(chart.width - width, chart.axisWidth + (chart.hovered + 0.5) * chart.slot - width / 2))
        y: -height - 2
        Text {
            id: bubble
            anchors.centerIn: parent
            text: parent.day ? parent.day.dateText + " · " + parent.day.sizeText : ""
            color: "white"
            font.pixelSize: Theme.captionSize
        }
    }
}
