import QtQuick
import QtQuick.Templates as T
import Pelmo

// An on/off switch with its label before it.
T.Switch {
    id: control
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitContentHeight, implicitIndicatorHeight) + topPadding + bottomPadding
    padding: 4
    spacing: 10
    hoverEnabled: true
    focusPolicy: Qt.StrongFocus
    font.pixelSize: Theme.bodySize

    Accessible.role: Accessible.CheckBox
    Accessible.name: text

    indicator: Rectangle {
        x: control.width - width - control.rightPadding
        y: control.topPadding + (control.availableHeight - height) / 2
        implicitWidth: 38
        implicitHeight: 22
        radius: 11
        color: !control.enabled ? Theme.track : control.checked ? (control.hovered ? Theme.accentHover : Theme.accent) : Theme.controlBorder
        Rectangle {
            x: control.checked ? parent.width - width - 3 : 3
            anchors.verticalCenter: parent.verticalCenter
            width: 16; height: 16; radius: 8
            color: "white"
            Behavior on x { NumberAnimation { duration: 120 } }
        }
        FocusRing { shown: control.visualFocus; radiusOf: 11 }
    }

    contentItem: Text {
        rightPadding: control.indicator.width + control.spacing
        text: control.text
        font: control.font
        color: control.enabled ? Theme.text : Theme.disabledText
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
    }
}
