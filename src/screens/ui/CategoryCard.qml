import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// One category on the overview: its total, item count and share of everything found.
AbstractButton {
    id: card
    required property string raw
    required property string title
    required property string accent
    required property string iconName
    required property string totalText
    required property string countText
    required property real share
    Layout.fillWidth: true
    Layout.preferredWidth: 220
    implicitWidth: 220
    implicitHeight: contentItem.implicitHeight
    scale: hovered ? 1.02 : 1
    Behavior on scale { NumberAnimation { duration: 200 } }

    contentItem: Card {
        ColumnLayout {
            width: parent.width
            spacing: 10
            Rectangle {
                width: 38; height: 38; radius: 10; color: card.accent
                Image {
                    anchors.centerIn: parent
                    sourceSize.width: 24; sourceSize.height: 24
                    source: card.iconName.length > 0 ? "image://theme/" + card.iconName : ""
                    Accessible.ignored: true
                }
            }
            Label { text: card.title; font.bold: true }
            Label { text: card.totalText; font.pixelSize: 22; font.bold: true }
            Label { text: card.countText; font.pixelSize: 11; opacity: 0.7 }
            Rectangle {
                Layout.fillWidth: true
                height: 6; radius: 3
                color: Qt.alpha(card.accent, 0.15)
                Rectangle { width: parent.width * card.share; height: parent.height; radius: 3; color: card.accent }
            }
        }
    }
}
