import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pelmo
import Pelmo.ViewModels

Rectangle {
    implicitHeight: column.implicitHeight + 24
    radius: 12
    color: Qt.alpha(palette.mid, 0.25)
    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: 12
        ProgressBar {
            Layout.fillWidth: true
            value: AppState.diskFraction
            palette.highlight: AppState.diskColor
        }
        Label { text: AppState.diskText; font.pixelSize: 11; opacity: 0.7 }
    }
}
