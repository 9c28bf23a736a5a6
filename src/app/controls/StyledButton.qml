import QtQuick
import QtQuick.Controls
import QtQuick.Templates as T
import Pelmo

// The one button of the window in its four looks (kind): "prominent" (the screen's main
// action, teal), "bordered" (a secondary action), "plain" (a link-like action in a row, or
// a bare symbol) and "destructive" (red, for what cannot be undone). ProminentButton,
// BorderedButton, PlainButton and DestructiveButton preset the kind.
// Return and Space press a focused button; a symbol-only button needs `toolTip`, which is
// also its accessible name.
T.Button {
    id: control
    property string kind: "bordered"
    property string symbol
    property bool large: false
    property string toolTip

    readonly property bool filled: kind === "prominent" || kind === "destructive"
    readonly property color foreground: !enabled ? Theme.disabledText
        : filled ? Theme.textOnAccent
        : kind === "plain" ? (text.length > 0 ? Theme.accentText : Theme.secondaryText)
        : Theme.text

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)
    leftPadding: text.length === 0 ? 6 : kind === "plain" ? 8 : large ? 18 : 14
    rightPadding: leftPadding
    topPadding: 4
    bottomPadding: 4
    hoverEnabled: true
    focusPolicy: Qt.StrongFocus
    font.pixelSize: Theme.bodySize
    font.weight: filled ? Font.DemiBold : Font.Medium

    Accessible.role: Accessible.Button
    Accessible.name: text.length > 0 ? text : toolTip
    Accessible.description: text.length > 0 ? toolTip : ""
    ToolTip.visible: toolTip.length > 0 && hovered
    ToolTip.text: toolTip
    ToolTip.delay: 600

    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()

    contentItem: Item {
        implicitWidth: row.implicitWidth
        implicitHeight: row.implicitHeight
        Row {
            id: row
            anchors.centerIn: parent
            spacing: 6
            Symbol {
                anchors.verticalCenter: parent.verticalCenter
                visible: control.symbol.length > 0
                name: control.symbol
                color: control.foreground
                size: control.text.length > 0 ? 16 : 18
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                visible: control.text.length > 0
                text: control.text
                font: control.font
                color: control.foreground
            }
        }
    }

    background: Rectangle {
        implicitWidth: control.text.length > 0 ? 64 : (control.large ? Theme.largeControlHeight : Theme.controlHeight)
        implicitHeight: control.large ? Theme.largeControlHeight : Theme.controlHeight
        radius: Theme.radius
        border.width: control.kind === "bordered" ? 1 : 0
        border.color: Theme.border
        color: {
            if (control.kind === "prominent")
                return !control.enabled ? Theme.track : control.down ? Theme.accentPressed
                     : control.hovered ? Theme.accentHover : Theme.accent
            if (control.kind === "destructive")
                return !control.enabled ? Theme.track : control.down ? Theme.destructivePressed
                     : control.hovered ? Theme.destructiveHover : Theme.destructive
            const base = control.kind === "bordered" ? Theme.card : "transparent"
            return control.down ? Theme.pressed : control.hovered ? Theme.hover : base
        }
        // The hover and press tints of the bordered look lie over the card colour.
        Rectangle {
            anchors.fill: parent
            radius: parent.radius
            visible: control.kind === "bordered" && (control.down || control.hovered)
            color: Theme.card
            z: -1
        }
    }

    FocusRing {}
}
