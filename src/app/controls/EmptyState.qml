import QtQuick
import QtQuick.Layouts
import Pelmo

// What a screen or list shows when it has nothing: a symbol, a title and a line of text.
ColumnLayout {
    id: state
    property string symbol
    property string title
    property string text
    spacing: 10
    Accessible.role: Accessible.StaticText
    Accessible.name: title
    Accessible.description: text

    Rectangle {
        Layout.alignment: Qt.AlignHCenter
        visible: state.symbol.length > 0
        width: 64; height: 64; radius: 18
        color: Theme.track
        Symbol { anchors.centerIn: parent; name: state.symbol; color: Theme.secondaryText; size: 32 }
    }
    Text {
        Layout.fillWidth: true
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        text: state.title
        color: Theme.text
        font.pixelSize: 20
        font.bold: true
    }
    Text {
        Layout.fillWidth: true
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        visible: state.text.length > 0
        text: state.text
        color: Theme.secondaryText
        font.pixelSize: Theme.bodySize
    }
}
