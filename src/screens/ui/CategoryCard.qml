import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Pelmo

// One category on the overview: its total, item count and share of everything found.
T.AbstractButton {
    id: card
    required property string raw
    required property string title
    required property string accent
    required property string symbol
    required property string totalText
    required property string countText
    required property real share
    Layout.fillWidth: true
    Layout.preferredWidth: 220
    implicitWidth: 220
    implicitHeight: contentItem.implicitHeight
    hoverEnabled: true
    focusPolicy: Qt.StrongFocus
    scale: hovered ? 1.02 : 1
    Behavior on scale { NumberAnimation { duration: 200 } }
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()

    Accessible.role: Accessible.Button
    Accessible.name: title + ", " + totalText
    Accessible.description: countText

    contentItem: Card {
        border.color: card.hovered ? Qt.alpha(card.accent, 0.6) : Theme.border
        ColumnLayout {
            width: parent.width
            spacing: 10
            Rectangle {
                width: 38; height: 38; radius: 10
                gradient: Gradient {
                    GradientStop { position: 0; color: Qt.lighter(card.accent, 1.12) }
                    GradientStop { position: 1; color: card.accent }
                }
                Symbol { anchors.centerIn: parent; name: card.symbol; color: "white"; size: 22 }
            }
            Text { text: card.title; font.bold: true; font.pixelSize: Theme.bodySize; color: Theme.text; Layout.fillWidth: true; elide: Text.ElideRight }
            Text { text: card.totalText; font.pixelSize: 22; font.bold: true; color: Theme.text }
            Text { text: card.countText; font.pixelSize: Theme.captionSize; color: Theme.secondaryText }
            Rectangle {
                Layout.fillWidth: true
                height: 6; radius: 3
                color: Qt.alpha(card.accent, 0.15)
                Accessible.ignored: true
                Rectangle { width: parent.width * card.share; height: parent.height; radius: 3; color: card.accent }
            }
        }
    }
    FocusRing { radiusOf: 20 }
}
