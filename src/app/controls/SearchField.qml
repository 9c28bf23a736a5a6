import QtQuick
import QtQuick.Templates as T
import Pelmo

// A search text field with its magnifier and a clear button; Escape clears it. Its own
// editing keys (Ctrl+Backspace, Delete, arrows) stay its own.
T.TextField {
    id: control
    implicitWidth: Math.max(200, placeholder.implicitWidth + leftPadding + rightPadding)
    implicitHeight: Theme.controlHeight
    leftPadding: 32
    rightPadding: clear.visible ? 32 : 10
    verticalAlignment: TextInput.AlignVCenter
    font.pixelSize: Theme.bodySize
    color: Theme.text
    selectionColor: Theme.accent
    selectedTextColor: Theme.textOnAccent
    placeholderTextColor: Theme.placeholderText
    hoverEnabled: true
    selectByMouse: true

    Accessible.role: Accessible.EditableText
    Accessible.name: placeholderText
    Accessible.searchEdit: true

    Keys.onEscapePressed: (event) => {
        if (text.length > 0)
            clear()
        else
            event.accepted = false
    }

    Text {
        id: placeholder
        x: control.leftPadding
        width: control.width - control.leftPadding - control.rightPadding
        height: control.height
        verticalAlignment: Text.AlignVCenter
        text: control.placeholderText
        font: control.font
        color: control.placeholderTextColor
        elide: Text.ElideRight
        visible: control.length === 0 && !control.preeditText
    }

    Symbol {
        x: 10
        anchors.verticalCenter: parent.verticalCenter
        name: "magnifyingglass"
        color: Theme.secondaryText
    }

    StyledButton {
        id: clear
        kind: "plain"
        symbol: "xmark.circle.fill"
        toolTip: qsTranslate("Pelmo", "Vymazat hledání")
        focusPolicy: Qt.NoFocus
        visible: control.length > 0
        anchors.right: parent.right
        anchors.rightMargin: 2
        anchors.verticalCenter: parent.verticalCenter
        implicitHeight: 28
        onClicked: control.clear()
    }

    background: Rectangle {
        radius: Theme.radius
        color: Theme.card
        border.width: control.activeFocus ? 2 : 1
        border.color: control.activeFocus ? Theme.focus : control.hovered ? Theme.controlBorder : Theme.border
    }
}
