pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pelmo
import Pelmo.ViewModels

// The right pane while no application is chosen: what to do, and the largest applications.
Item {
    id: root
    property var apps: []
    property bool measuring: false
    signal select(string path)

    ColumnLayout {
        anchors.centerIn: parent
        width: Math.min(parent.width - 40, 420)
        spacing: 14

        Rectangle {
            Layout.alignment: Qt.AlignHCenter
            width: 120; height: 120; radius: 30
            gradient: Gradient {
                GradientStop { position: 0; color: Qt.alpha(AppState.brand, 0.25) }
                GradientStop { position: 1; color: Qt.alpha(AppState.brand, 0.06) }
            }
            Image {
                anchors.centerIn: parent
                sourceSize.width: 96; sourceSize.height: 96
                source: "image://theme/" + AppState.icon("app.dashed")
                Accessible.ignored: true
            }
        }
        Text {
            color: Theme.text
            Layout.alignment: Qt.AlignHCenter
            text: qsTranslate("Pelmo", "Vyber aplikaci")
            font.pixelSize: 22; font.bold: true
        }
        Text {
            color: Theme.secondaryText
            Layout.alignment: Qt.AlignHCenter
            Layout.maximumWidth: 380
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            text: qsTranslate("Pelmo", "Vlevo klikni na aplikaci nebo ji přetáhni na okno Pelmo. Najdu i její zbytky v Knihovně.")
        }
        RowLayout {
            Layout.alignment: Qt.AlignHCenter
            visible: root.measuring
            BusyIndicator { running: root.measuring; implicitWidth: 28; implicitHeight: 28 }
            Text { color: Theme.text; text: qsTranslate("Pelmo", "Měřím velikosti…") }
        }
        Text {
            color: Theme.text
            Layout.alignment: Qt.AlignHCenter
            Layout.topMargin: 10
            visible: !root.measuring && root.apps.length > 0
            text: qsTranslate("Pelmo", "Největší aplikace")
            font.weight: Font.DemiBold
        }
        RowLayout {
            objectName: "largestApps"
            Layout.alignment: Qt.AlignHCenter
            visible: !root.measuring && root.apps.length > 0
            spacing: 10
            Repeater {
                model: root.measuring ? [] : root.apps
                delegate: Button {
                    id: largest
                    required property var modelData
                    flat: true
                    implicitWidth: 110
                    background: Rectangle {
                        radius: Theme.radius
                        color: largest.pressed ? Theme.pressed : largest.hovered ? Theme.hover : "transparent"
                        FocusRing { shown: largest.visualFocus }
                    }
                    onClicked: root.select(largest.modelData.path)
                    Accessible.name: largest.modelData.name
                    contentItem: ColumnLayout {
                        spacing: 4
                        Image {
                            Layout.alignment: Qt.AlignHCenter
                            sourceSize.width: 44; sourceSize.height: 44
                            source: largest.modelData.iconSource
                        }
                        Text {
                            color: Theme.text
                            Layout.alignment: Qt.AlignHCenter
                            Layout.maximumWidth: 100
                            text: largest.modelData.name
                            elide: Text.ElideRight
                        }
                        Text {
                            color: Theme.secondaryText
                            Layout.alignment: Qt.AlignHCenter
                            text: largest.modelData.sizeText
                            font.pixelSize: 11
                        }
                    }
                }
            }
        }
    }
}
