import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pelmo
import Pelmo.ViewModels

ItemDelegate {
    id: row
    property string title
    property string iconName
    property string accent: AppState.brand
    property string trailing
    property bool selected
    Layout.fillWidth: true
    highlighted: selected
    contentItem: RowLayout {
        spacing: 8
        Rectangle {
            width: 22; height: 22; radius: 6
            color: row.accent
            Image {
                anchors.centerIn: parent
                width: 16; height: 16
                source: row.iconName.length > 0 ? "image://theme/" + row.iconName : ""
            }
        }
        Label { text: row.title; Layout.fillWidth: true; elide: Text.ElideRight }
        Label { text: row.trailing; visible: row.trailing.length > 0; font.pixelSize: 11; opacity: 0.6 }
    }
}
