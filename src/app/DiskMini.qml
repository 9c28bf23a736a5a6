import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pelmo
import Pelmo.ViewModels

// The start-up volume's used share under the sidebar, read out as one element.
Rectangle {
    implicitHeight: column.implicitHeight + 24
    radius: 12
    color: Theme.track
    Accessible.role: Accessible.ProgressBar
    Accessible.name: qsTranslate("Pelmo", "Využití disku")
    Accessible.description: AppState.diskText
    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: 12
        Rectangle {
            Layout.fillWidth: true
            height: 6; radius: 3
            color: Theme.dark ? "#55555b" : "#c8c8cc"
            Rectangle {
                width: parent.width * AppState.diskFraction
                height: parent.height; radius: 3
                color: AppState.diskColor
            }
        }
        Text {
            text: AppState.diskText
            color: Theme.secondaryText
            font.pixelSize: Theme.captionSize
            Layout.fillWidth: true
            elide: Text.ElideRight
        }
    }
}
