pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pelmo
import Pelmo.ViewModels

// The disk map: the shown folder's children as a treemap, the way back above, the kinds
// below and the inspector beside it. The model outlives the screen; leaving the screen
// stops a measurement, coming back resumes it.
Item {
    id: view
    objectName: "diskMapView"
    readonly property DiskMapModel model: AppState.diskMap

    Component.onCompleted: {
        model.setRoot(AppState.store.access.homeUrl)
        model.load()
    }
    Component.onDestruction: model.cancel()
    Connections {
        target: view.model
        function onCurrentChanged() { view.model.load() }
    }
    // Another folder granted (or the grant revoked) while the map shows.
    Connections {
        target: AppState.store.access
        function onHomeUrlChanged() { view.model.setRoot(AppState.store.access.homeUrl) }
    }

    // Keyboard: Alt+Left or Backspace goes back, Return opens the selected folder, Delete
    // asks to move the selected item to the Trash, Escape clears the selection.
    Shortcut {
        sequences: ["Alt+Left", "Backspace"]
        enabled: !inspector.confirming
        onActivated: view.model.back()
    }
    Shortcut {
        sequences: ["Return", "Enter"]
        enabled: !inspector.confirming && view.model.selectedID.length > 0
        onActivated: view.model.enter(view.model.selectedID)
    }
    Shortcut {
        sequence: "Delete"
        enabled: !inspector.confirming && view.model.selectedID.length > 0
        onActivated: inspector.askTrash(view.model.selectedID)
    }
    Shortcut {
        sequence: "Escape"
        enabled: !inspector.confirming && view.model.selectedID.length > 0
        onActivated: view.model.selectedID = ""
    }

    RowLayout {
        anchors.fill: parent
        spacing: 0

        ColumnLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 0
            DiskMapBar {
                model: view.model
                Layout.fillWidth: true
                Layout.margins: 10
            }
            Rectangle { Layout.fillWidth: true; height: 1; color: Theme.separator; opacity: 0.4 }
            Item {
                id: area
                Layout.fillWidth: true
                Layout.fillHeight: true
                readonly property string mode: view.model.loading ? "loading"
                                               : view.model.count === 0 ? "empty" : "map"

                ColumnLayout {
                    anchors.centerIn: parent
                    spacing: 10
                    opacity: area.mode === "loading" ? 1 : 0
                    visible: opacity > 0
                    // Appears only for a measurement that takes a moment: no flash for a quick one.
                    Behavior on opacity { NumberAnimation { duration: 250; easing.type: Easing.InOutQuad } }
                    BusyIndicator { Layout.alignment: Qt.AlignHCenter; running: area.mode === "loading" }
                    Text {
                        color: Theme.secondaryText
                        Layout.alignment: Qt.AlignHCenter
                        text: qsTranslate("Pelmo", "Měřím velikosti…")
                    }
                }
                ColumnLayout {
                    objectName: "mapEmpty"
                    anchors.centerIn: parent
                    width: Math.min(parent.width - 40, 420)
                    spacing: 8
                    opacity: area.mode === "empty" ? 1 : 0
                    visible: opacity > 0
                    Behavior on opacity { NumberAnimation { duration: 250; easing.type: Easing.InOutQuad } }
                    Image {
                        Layout.alignment: Qt.AlignHCenter
                        sourceSize.width: 44; sourceSize.height: 44
                        opacity: 0.5
                        source: "image://theme/" + AppState.icon("square.dashed")
                        Accessible.ignored: true
                    }
                    Text {
                        color: Theme.text
                        Layout.alignment: Qt.AlignHCenter
                        text: qsTranslate("Pelmo", "Tady nic není")
                        font.pixelSize: 20; font.bold: true
                    }
                    Text {
                        color: Theme.secondaryText
                        Layout.fillWidth: true
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.WordWrap
                        text: qsTranslate("Pelmo", "Složka je prázdná nebo se do ní nedostanu.")
                    }
                }
                TreemapCanvas {
                    anchors.fill: parent
                    anchors.margins: 10
                    model: view.model
                    opacity: area.mode === "map" ? 1 : 0
                    scale: area.mode === "map" ? 1 : 0.98
                    visible: opacity > 0
                    Behavior on opacity { NumberAnimation { duration: 250; easing.type: Easing.InOutQuad } }
                    Behavior on scale { NumberAnimation { duration: 250; easing.type: Easing.InOutQuad } }
                    // Leaving the canvas falls back to the selection.
                    HoverHandler {
                        onHoveredChanged: if (!hovered) view.model.setHover(view.model.hoveredID, false)
                    }
                }
            }
            DiskMapLegend {
                model: view.model
                Layout.fillWidth: true
            }
        }
        Rectangle { Layout.fillHeight: true; width: 1; color: Theme.separator; opacity: 0.4 }
        DiskMapInspector {
            id: inspector
            model: view.model
            Layout.preferredWidth: 290
            Layout.fillHeight: true
            Rectangle { z: -1; anchors.fill: parent; color: Qt.alpha(Theme.text, 0.03) }
        }
    }
}
