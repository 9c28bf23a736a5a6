import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Shapes
import QtQuick.Templates as T
import Pelmo
import Pelmo.ViewModels

// The main view: the sidebar with its sections and disk gauge, the detail, the toast.
FocusScope {
    id: root
    focus: true
    objectName: "contentView"
    readonly property var store: AppState.store
    // "overview" or a category's raw value.
    property string section: "overview"

    // Only category screens are categories; every other section clears the current one.
    onSectionChanged: store.setCurrentCategoryRaw(section)

    RowLayout {
        anchors.fill: parent
        spacing: 0

        Sidebar {
            id: sidebar
            Layout.preferredWidth: 272
            Layout.fillHeight: true
            focus: true
            section: root.section
            onChosen: (section) => root.section = section
        }
        Rectangle { Layout.fillHeight: true; width: 1; color: Theme.separator }

        Loader {
            id: detail
            Layout.fillWidth: true
            Layout.fillHeight: true
            sourceComponent: root.section === "overview" ? overview
                           : root.section === "uninstall" ? uninstallScreen
                           : root.section === "diskMap" ? diskMapScreen
                           : root.section === "trash" ? trashScreen
                           : root.section === "history" ? historyScreen
                           : root.section === "settings" ? settingsScreen
                           : root.section === "about" ? aboutScreen : categoryScreen
        }
    }
    Component {
        id: overview
        OverviewView { onSelect: (raw) => root.section = raw }
    }
    Component { id: uninstallScreen; UninstallView {} }
    Component { id: diskMapScreen; DiskMapView {} }
    Component { id: trashScreen; TrashView {} }
    Component { id: historyScreen; HistoryView {} }
    Component { id: settingsScreen; SettingsView {} }
    Component { id: aboutScreen; AboutView {} }
    Component { id: categoryScreen; CategoryView {} }
    // A category screen stays while the category changes; it shows the chosen one.
    Binding {
        target: detail.sourceComponent === categoryScreen ? detail.item : null
        property: "category"
        value: root.section
    }

    Connections {
        target: AppState
        function onSectionRequested(section) { root.section = section }
    }

    // A drop anywhere on the main view: an application goes to the uninstaller, any other
    // item to its drop analysis.
    DropArea {
        id: dropArea
        anchors.fill: parent
        keys: ["text/uri-list"]
        onDropped: (drop) => {
            if (AppState.drop(drop.urls))
                drop.accept(Qt.CopyAction)
        }
    }
    Item {
        objectName: "dropHighlight"
        anchors.fill: parent
        anchors.margins: 12
        visible: dropArea.containsDrag
        Rectangle {
            anchors.fill: parent
            radius: 16
            color: Qt.alpha(AppState.brand, 0.08)
        }
        Shape {
            id: outline
            anchors.fill: parent
            readonly property real r: 16
            ShapePath {
                strokeColor: AppState.brand
                strokeWidth: 3
                strokeStyle: ShapePath.DashLine
                dashPattern: [10 / 3, 10 / 3] // in stroke widths: dashes of 10
                fillColor: "transparent"
                startX: outline.r; startY: 0
                PathLine { x: outline.width - outline.r; y: 0 }
                PathArc { x: outline.width; y: outline.r; radiusX: outline.r; radiusY: outline.r }
                PathLine { x: outline.width; y: outline.height - outline.r }
                PathArc { x: outline.width - outline.r; y: outline.height; radiusX: outline.r; radiusY: outline.r }
                PathLine { x: outline.r; y: outline.height }
                PathArc { x: 0; y: outline.height - outline.r; radiusX: outline.r; radiusY: outline.r }
                PathLine { x: 0; y: outline.r }
                PathArc { x: outline.r; y: 0; radiusX: outline.r; radiusY: outline.r }
            }
        }
        // On a backing of its own, so that the list below does not run through the text.
        Rectangle {
            anchors.centerIn: parent
            width: dropMessage.implicitWidth + 48
            height: dropMessage.implicitHeight + 32
            radius: 14
            color: Theme.window
            opacity: 0.95
        }
        ColumnLayout {
            id: dropMessage
            anchors.centerIn: parent
            spacing: 10
            Symbol {
                Layout.alignment: Qt.AlignHCenter
                name: "arrow.down.doc"
                color: Theme.accentText
                size: 48
            }
            Text {
                text: qsTranslate("Pelmo", "Pusť soubor nebo aplikaci sem")
                color: Theme.text
                font.pixelSize: 17; font.weight: Font.DemiBold
            }
        }
    }
    Loader {
        active: AppState.droppedPath.length > 0
        sourceComponent: DropAnalysisView {
            path: AppState.droppedPath
            visible: true
            onClosed: AppState.closeDropAnalysis()
        }
    }

    ToastView {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.horizontalCenterOffset: 136
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 72 // above the screens' footers, whose buttons it would hide
    }
}
