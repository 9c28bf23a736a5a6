pragma Singleton
import QtQuick

// The window's colours and measures, light or dark after the application palette (which
// ColorScheme sets). Every text colour here keeps at least 4.5:1 against the surfaces it is
// used on; the brand teal is the one accent.
QtObject {
    readonly property SystemPalette system: SystemPalette {}
    readonly property bool dark: system.window.hslLightness < 0.5

    // Surfaces.
    readonly property color window: system.window
    readonly property color sidebar: dark ? "#252528" : "#ededf0"
    readonly property color card: system.base
    readonly property color border: dark ? "#46464c" : "#d4d4d9"
    readonly property color separator: dark ? "#3a3a40" : "#dcdce0"
    readonly property color hover: dark ? Qt.rgba(1, 1, 1, 0.07) : Qt.rgba(0, 0, 0, 0.05)
    readonly property color pressed: dark ? Qt.rgba(1, 1, 1, 0.13) : Qt.rgba(0, 0, 0, 0.10)
    readonly property color selection: dark ? "#163f3b" : "#d3ece8"
    readonly property color track: dark ? "#3c3c42" : "#e3e3e7"

    // Text.
    readonly property color text: system.windowText
    readonly property color secondaryText: dark ? "#b6b6be" : "#56565d"
    readonly property color placeholderText: dark ? "#a0a0a8" : "#6b6b72"
    readonly property color disabledText: dark ? "#7c7c84" : "#98989e"

    // The accent: fills carry white text, accentText is teal text on the surfaces.
    readonly property color brand: "#0d9e8f"
    readonly property color accent: "#0b7a6f"
    readonly property color accentHover: "#096a60"
    readonly property color accentPressed: "#075a52"
    readonly property color accentText: dark ? "#5fd4c4" : "#086b61"
    readonly property color textOnAccent: "white"
    readonly property color focus: dark ? "#5fd4c4" : "#0b7a6f"

    readonly property color destructive: "#c01c28"
    readonly property color destructiveHover: "#a51722"
    readonly property color destructivePressed: "#8a121c"
    readonly property color destructiveText: dark ? "#ff8a8a" : "#b3141f"
    readonly property color successText: dark ? "#8fe0a0" : "#17632a"
    readonly property color warningText: dark ? "#ffb870" : "#8a4200"
    readonly property color success: "#2e9e4f"
    readonly property color warning: "#e8890c"
    readonly property color neutral: "#8e8e93"
    readonly property color info: "#2f7de1"

    // Check boxes and switches: at least 3:1 against the surface when off.
    readonly property color controlBorder: dark ? "#9a9aa2" : "#7a7a82"

    // Measures.
    readonly property int radius: 8
    readonly property int controlHeight: 32
    readonly property int largeControlHeight: 40
    readonly property int captionSize: 12
    readonly property int bodySize: 14
    readonly property int titleSize: 22
}
