pragma ComponentBehavior: Bound
import QtQuick
import Pelmo
import QtQuick.Controls
import QtQuick.Layouts
import Pelmo.ViewModels

// Back, the breadcrumb from the home folder, the folder's total and item count, measuring
// again and showing the folder in the file manager.
RowLayout {
    id: bar
    required property DiskMapModel model
    spacing: 8

    PlainButton {
        objectName: "mapBack"
        symbol: "chevron.left"
        enabled: bar.model.path.length > 0
        toolTip: qsTranslate("Pelmo", "Zpět")
        Accessible.name: qsTranslate("Pelmo", "Zpět")
        onClicked: bar.model.back()
    }
    ListView {
        id: crumbs
        objectName: "breadcrumb"
        Layout.fillWidth: true
        Layout.preferredHeight: 32
        orientation: ListView.Horizontal
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        model: bar.model.crumbs
        // The deepest folder stays in sight.
        onCountChanged: crumbs.keepEndInSight()
        onWidthChanged: crumbs.keepEndInSight()
        function keepEndInSight() { endTimer.restart() }
        Timer { id: endTimer; interval: 0; onTriggered: crumbs.positionViewAtEnd() }
        delegate: Row {
            id: crumb
            required property string modelData
            required property int index
            height: crumbs.height
            spacing: 2
            Image {
                visible: crumb.index > 0
                anchors.verticalCenter: parent.verticalCenter
                width: 12; height: 12
                sourceSize.width: 12; sourceSize.height: 12
                opacity: 0.4
                source: visible ? "image://theme/" + AppState.icon("chevron.right") : ""
                Accessible.ignored: true
            }
            PlainButton {
                anchors.verticalCenter: parent.verticalCenter
                leftPadding: 6; rightPadding: 6; topPadding: 3; bottomPadding: 3
                text: crumb.modelData
                font.pixelSize: crumb.index === crumbs.count - 1 ? 15 : 12
                font.bold: crumb.index === crumbs.count - 1
                onClicked: bar.model.goTo(crumb.index)
            }
        }
    }
    ColumnLayout {
        spacing: 0
        Text {
            color: Theme.text
            Layout.alignment: Qt.AlignRight
            text: bar.model.totalText
            font.pixelSize: 20; font.bold: true
        }
        Text {
            color: Theme.secondaryText
            Layout.alignment: Qt.AlignRight
            text: bar.model.countText
            font.pixelSize: 11
        }
    }
    PlainButton {
        objectName: "mapReload"
        symbol: "arrow.clockwise"
        enabled: !bar.model.loading
        toolTip: qsTranslate("Pelmo", "Změřit znovu")
        Accessible.name: qsTranslate("Pelmo", "Změřit znovu")
        onClicked: bar.model.reload()
    }
    PlainButton {
        visible: bar.model.current.length > 0
        symbol: "folder"
        toolTip: qsTranslate("Pelmo", "Ukázat ve Finderu")
        Accessible.name: qsTranslate("Pelmo", "Ukázat ve Finderu")
        onClicked: bar.model.reveal("")
    }
}
