import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Shapes
import Pelmo
import Pelmo.ViewModels

// The main view: the sidebar with its sections and disk gauge, the detail, the toast.
Item {
    id: root
    objectName: "contentView"
    readonly property var store: AppState.store
    // "overview" or a category's raw value.
    property string section: "overview"

    // Only category screens are categories; every other section clears the current one.
    onSectionChanged: store.setCurrentCategoryRaw(section)

    RowLayout {
        anchors.fill: parent
        spacing: 0

        Rectangle {
            Layout.preferredWidth: 250
            Layout.fillHeight: true
            color: palette.window

            ColumnLayout {
                anchors.fill: parent
                anchors.margins: 10
                spacing: 2

                SidebarRow {
                    title: qsTranslate("Pelmo", "Přehled")
                    iconName: AppState.icon("gauge.with.dots.needle.50percent")
                    selected: root.section === "overview"
                    onClicked: root.section = "overview"
                }
                Label {
                    text: qsTranslate("Pelmo", "Čištění")
                    font.pixelSize: 11; font.bold: true; opacity: 0.6
                    Layout.topMargin: 10; Layout.leftMargin: 8
                }
                Repeater {
                    model: AppState.categories
                    delegate: SidebarRow {
                        required property var model
                        title: model.title
                        iconName: model.iconName
                        accent: model.accent
                        trailing: model.total >= 1 ? model.totalText : ""
                        selected: root.section === model.raw
                        onClicked: root.section = model.raw
                    }
                }
                Label {
                    text: qsTranslate("Pelmo", "Nástroje")
                    font.pixelSize: 11; font.bold: true; opacity: 0.6
                    Layout.topMargin: 10; Layout.leftMargin: 8
                }
                SidebarRow {
                    title: qsTranslate("Pelmo", "Odinstalace aplikací")
                    iconName: AppState.icon("trash.square")
                    accent: "#e5484d"
                    selected: root.section === "uninstall"
                    onClicked: root.section = "uninstall"
                }
                SidebarRow {
                    title: qsTranslate("Pelmo", "Mapa disku")
                    iconName: AppState.icon("square.grid.3x3.fill")
                    selected: root.section === "diskMap"
                    onClicked: root.section = "diskMap"
                }
                SidebarRow {
                    title: qsTranslate("Pelmo", "Koš")
                    iconName: AppState.icon("trash")
                    accent: "#8e8e93"
                    selected: root.section === "trash"
                    onClicked: root.section = "trash"
                }
                SidebarRow {
                    title: qsTranslate("Pelmo", "Historie")
                    iconName: AppState.icon("clock.arrow.circlepath")
                    selected: root.section === "history"
                    onClicked: root.section = "history"
                }
                SidebarRow {
                    Layout.topMargin: 10
                    title: qsTranslate("Pelmo", "Nastavení")
                    iconName: AppState.icon("gearshape")
                    accent: "#8e8e93"
                    selected: root.section === "settings"
                    onClicked: root.section = "settings"
                }
                SidebarRow {
                    title: qsTranslate("Pelmo", "O aplikaci")
                    iconName: AppState.icon("info.circle")
                    accent: "#8e8e93"
                    selected: root.section === "about"
                    onClicked: root.section = "about"
                }
                Item { Layout.fillHeight: true }
                DiskMini { Layout.fillWidth: true }
            }
        }
        Rectangle { Layout.fillHeight: true; width: 1; color: palette.mid; opacity: 0.4 }

        Loader {
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
    Component {
        id: categoryScreen
        CategoryView { category: root.section }
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
            color: palette.window
            opacity: 0.95
        }
        ColumnLayout {
            id: dropMessage
            anchors.centerIn: parent
            spacing: 10
            Image {
                Layout.alignment: Qt.AlignHCenter
                sourceSize.width: 56; sourceSize.height: 56
                source: "image://theme/" + AppState.icon("arrow.down.doc")
            }
            Label {
                text: qsTranslate("Pelmo", "Pusť soubor nebo aplikaci sem")
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
        anchors.horizontalCenterOffset: 125
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 72 // above the screens' footers, whose buttons it would hide
    }
}
