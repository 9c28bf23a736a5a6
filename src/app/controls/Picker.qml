pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Templates as T
import Pelmo

// A choice among a few texts (model: a list of texts), as wide as its widest choice. Space
// or Alt+Down opens the list; the arrow keys change the choice directly.
T.ComboBox {
    id: control
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Theme.controlHeight
    implicitContentWidthPolicy: T.ComboBox.WidestText
    leftPadding: 12
    rightPadding: 34
    hoverEnabled: true
    focusPolicy: Qt.StrongFocus
    font.pixelSize: Theme.bodySize

    Accessible.role: Accessible.ComboBox
    Accessible.name: displayText

    // A text input, not a text: the widest-choice width is measured on one.
    contentItem: TextInput {
        text: control.displayText
        font: control.font
        color: control.enabled ? Theme.text : Theme.disabledText
        verticalAlignment: Text.AlignVCenter
        readOnly: true
        enabled: false
        activeFocusOnPress: false
        Accessible.role: Accessible.StaticText
        Accessible.name: control.displayText
    }

    indicator: Symbol {
        x: control.width - width - 12
        y: (control.height - height) / 2
        name: "chevron.down"
        color: control.enabled ? Theme.secondaryText : Theme.disabledText
        size: 14
    }

    background: Rectangle {
        implicitWidth: 120
        radius: Theme.radius
        color: control.down ? Theme.pressed : control.hovered ? Theme.hover : Theme.card
        border.width: 1
        border.color: Theme.border
        Rectangle { anchors.fill: parent; radius: parent.radius; color: Theme.card; z: -1 }
    }

    delegate: T.ItemDelegate {
        id: choice
        required property int index
        required property var modelData
        width: ListView.view.width
        implicitHeight: Theme.controlHeight
        leftPadding: 12
        rightPadding: 12
        hoverEnabled: true
        highlighted: control.highlightedIndex === choice.index
        text: choice.modelData
        font: control.font
        Accessible.name: text
        contentItem: Text {
            text: choice.text
            font: choice.font
            color: choice.highlighted ? Theme.textOnAccent : Theme.text
            verticalAlignment: Text.AlignVCenter
        }
        background: Rectangle {
            radius: Theme.radius - 2
            color: choice.highlighted ? Theme.accent : "transparent"
        }
    }

    popup: T.Popup {
        y: control.height + 4
        width: Math.max(control.width, contentItem.implicitWidth + leftPadding + rightPadding)
        implicitHeight: contentItem.implicitHeight + topPadding + bottomPadding
        padding: 4
        contentItem: ListView {
            clip: true
            implicitHeight: contentHeight
            implicitWidth: control.implicitContentWidth + 24
            // The combo box untyped: the linter of Qt 6.4 does not know its delegate model's type.
            readonly property var box: control
            model: control.popup.visible ? box.delegateModel : null
            currentIndex: control.highlightedIndex
        }
        background: Rectangle {
            radius: Theme.radius
            color: Theme.card
            border.width: 1
            border.color: Theme.border
        }
    }

    FocusRing {}
}
