import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

Card {
    property string title
    property string value
    property string accent
    Layout.fillWidth: true
    padding: 14
    RowLayout {
        spacing: 12
        Rectangle { width: 38; height: 38; radius: 10; color: Qt.alpha(accent, 0.15)
            Rectangle { anchors.centerIn: parent; width: 14; height: 14; radius: 7; color: accent } }
        ColumnLayout {
            spacing: 2
            Label { text: title; font.pixelSize: 11; opacity: 0.7 }
            Label { text: value; font.pixelSize: 18; font.bold: true }
        }
    }
}
