import QtQuick
import QtQuick.Templates as T
import Pelmo

// A check box, with or without a visible label. Without one, set Accessible.name (what it
// ticks), which screen readers announce.
T.CheckBox {
    id: control
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitContentHeight + topPadding + bottomPadding, implicitIndicatorHeight + topPadding + bottomPadding)
    padding: 4
    spacing: 8
    hoverEnabled: true
    focusPolicy: Qt.StrongFocus
    font.pixelSize: Theme.bodySize

    Accessible.role: Accessible.CheckBox
    Accessible.name: text

    indicator: Rectangle {
        x: control.leftPadding
        y: control.topPadding + (control.availableHeight - height) / 2
        implicitWidth: 18
        implicitHeight: 18
        radius: 5
        color: !control.enabled ? Theme.track
             : control.checkState !== Qt.Unchecked ? (control.down ? Theme.accentPressed : control.hovered ? Theme.accentHover : Theme.accent)
             : control.down ? Theme.pressed : Theme.card
        border.width: control.checkState === Qt.Unchecked ? 1.5 : 0
        border.color: control.hovered ? Theme.focus : Theme.controlBorder
        Symbol {
            anchors.centerIn: parent
            visible: control.checkState === Qt.Checked
            name: "checkmark"
            color: Theme.textOnAccent
            size: 14
        }
        Rectangle {
            anchors.centerIn: parent
            visible: control.checkState === Qt.PartiallyChecked
            width: 9; height: 2; radius: 1
            color: Theme.textOnAccent
        }
        FocusRing { shown: control.visualFocus; radiusOf: 5 }
    }

    contentItem: Text {
        leftPadding: control.text.length > 0 ? control.indicator.width + control.spacing : control.indicator.width
        text: control.text
        font: control.font
        color: control.enabled ? Theme.text : Theme.disabledText
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
    }
}
