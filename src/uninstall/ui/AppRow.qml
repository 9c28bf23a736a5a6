import QtQuick
import Pelmo
import QtQuick.Controls
import QtQuick.Layouts

// One application of the uninstaller's list: icon, name, version and last use, a green dot
// while it runs, and its size ("…" until measured).
ItemDelegate {
    id: row
    required property string path
    required property string name
    required property string subtitle
    required property string sizeText
    required property bool running
    required property string iconSource
    property bool current: false
    highlighted: current
    background: Rectangle {
        color: row.current ? Theme.selection : row.hovered ? Theme.hover : "transparent"
        FocusRing { shown: row.visualFocus; anchors.margins: 2; radiusOf: 4 }
    }

    contentItem: RowLayout {
        spacing: 10
        Image {
            Layout.preferredWidth: 32; Layout.preferredHeight: 32
            sourceSize.width: 32; sourceSize.height: 32
            source: row.iconSource
            Accessible.ignored: true
        }
        ColumnLayout {
            spacing: 1
            Layout.fillWidth: true
            Text { color: Theme.text; text: row.name; elide: Text.ElideRight; Layout.fillWidth: true; font.weight: Font.DemiBold }
            Text { color: Theme.secondaryText; text: row.subtitle; elide: Text.ElideRight; Layout.fillWidth: true; font.pixelSize: 11 }
        }
        Rectangle {
            objectName: "runningDot"
            visible: row.running
            width: 7; height: 7; radius: 3.5
            color: "#34c759"
        }
        Text { color: Theme.text; text: row.sizeText; horizontalAlignment: Text.AlignRight; Layout.minimumWidth: 56 }
    }
}
