import QtQuick
import Pelmo

// A short status word on a tinted capsule. tone: "success", "warning", "danger", "accent"
// or "neutral"; the text colour keeps 4.5:1 on the tint in both schemes.
Text {
    id: badge
    property string tone: "neutral"
    readonly property color tint: tone === "success" ? Theme.success : tone === "warning" ? Theme.warning
        : tone === "danger" ? Theme.destructive : tone === "accent" ? Theme.brand : Theme.neutral
    color: tone === "success" ? Theme.successText : tone === "warning" ? Theme.warningText
         : tone === "danger" ? Theme.destructiveText : tone === "accent" ? Theme.accentText : Theme.secondaryText
    font.pixelSize: Theme.captionSize
    font.weight: Font.Medium
    leftPadding: 8
    rightPadding: 8
    topPadding: 3
    bottomPadding: 3
    Accessible.role: Accessible.StaticText
    Accessible.name: text
    Rectangle {
        z: -1
        anchors.fill: parent
        radius: height / 2
        color: Qt.alpha(badge.tint, Theme.dark ? 0.22 : 0.14)
    }
}
