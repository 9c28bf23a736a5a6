pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Pelmo
import Pelmo.ViewModels

// What the tile under the pointer (else the selected one) is, what can be done with it,
// and the folder's largest items.
Item {
    id: inspector
    objectName: "mapInspector"
    required property DiskMapModel model
    readonly property var focusNode: model.focus
    readonly property bool hasFocus: focusNode.id !== undefined
    // The node waiting for the Trash confirmation, described as the model describes it.
    property var trashTarget: null
    readonly property bool confirming: confirmTrash.visible

    // Asks before moving the node; protected nodes and a running batch are refused.
    function askTrash(id) {
        const node = Object.assign({}, model.describe(id)) // a plain object: no entry when unknown
        if (node.id === undefined || node.protected || !model.trashEnabled)
            return
        trashTarget = node
        confirmTrash.open()
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        ColumnLayout {
            Layout.fillWidth: true
            Layout.margins: 16
            spacing: 14
            visible: inspector.hasFocus

            RowLayout {
                spacing: 10
                Image {
                    Layout.preferredWidth: 52; Layout.preferredHeight: 52
                    sourceSize.width: 52; sourceSize.height: 52
                    source: inspector.hasFocus && inspector.focusNode.iconName.length > 0
                            ? "image://theme/" + inspector.focusNode.iconName : ""
                    Accessible.ignored: true
                }
                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: 4
                    Text {
                        color: Theme.text
                        Layout.fillWidth: true
                        text: inspector.hasFocus ? inspector.focusNode.name : ""
                        font.pixelSize: 15; font.bold: true
                        wrapMode: Text.WrapAnywhere
                        maximumLineCount: 2
                        elide: Text.ElideMiddle
                    }
                    RowLayout {
                        spacing: 6
                        Rectangle {
                            width: 8; height: 8; radius: 4
                            color: inspector.hasFocus ? inspector.focusNode.color : "transparent"
                        }
                        Text {
                            color: Theme.secondaryText
                            text: inspector.hasFocus ? inspector.focusNode.kindTitle : ""
                        }
                    }
                }
            }
            Text {
                color: Theme.text
                objectName: "focusSize"
                text: inspector.hasFocus ? inspector.focusNode.sizeText : ""
                font.pixelSize: 26; font.bold: true
            }
            ColumnLayout {
                Layout.fillWidth: true
                visible: inspector.hasFocus && inspector.focusNode.percentText.length > 0
                spacing: 4
                Text { color: Theme.secondaryText; text: inspector.hasFocus ? inspector.focusNode.percentText : "" }
                MapShareBar {
                    Layout.fillWidth: true
                    share: inspector.hasFocus ? inspector.focusNode.share : 0
                    color: inspector.hasFocus ? inspector.focusNode.color : "transparent"
                }
            }
            TextEdit {
                Layout.fillWidth: true
                text: inspector.hasFocus ? inspector.focusNode.path : ""
                readOnly: true
                selectByMouse: true
                wrapMode: TextEdit.WrapAnywhere
                color: Theme.secondaryText
                font.pixelSize: 11
            }
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 6
                ProminentButton {
                    Layout.fillWidth: true
                    visible: inspector.hasFocus && inspector.focusNode.enterable
                    text: qsTranslate("Pelmo", "Otevřít složku")
                    symbol: "arrow.down.right.circle"
                    onClicked: inspector.model.enter(inspector.focusNode.id)
                }
                BorderedButton {
                    Layout.fillWidth: true
                    text: qsTranslate("Pelmo", "Ve Finderu")
                    symbol: "magnifyingglass"
                    onClicked: inspector.model.reveal(inspector.focusNode.id)
                }
                BorderedButton {
                    objectName: "mapTrash"
                    Layout.fillWidth: true
                    text: qsTranslate("Pelmo", "Do koše")
                    symbol: "trash"
                    enabled: inspector.hasFocus && !inspector.focusNode.protected && inspector.model.trashEnabled
                    onClicked: inspector.askTrash(inspector.focusNode.id)
                }
                Text {
                    color: Theme.secondaryText
                    Layout.fillWidth: true
                    visible: inspector.hasFocus && inspector.focusNode.protected
                    text: qsTranslate("Pelmo", "Tuhle složku nechávám být, patří k systému.")
                    wrapMode: Text.WordWrap
                    font.pixelSize: 11
                }
            }
        }

        ColumnLayout {
            Layout.fillWidth: true
            Layout.margins: 16
            Layout.topMargin: 28; Layout.bottomMargin: 28
            spacing: 8
            visible: !inspector.hasFocus
            Image {
                Layout.alignment: Qt.AlignHCenter
                sourceSize.width: 34; sourceSize.height: 34
                opacity: 0.6
                source: "image://theme/" + AppState.icon("cursorarrow.click.2")
                Accessible.ignored: true
            }
            Text {
                color: Theme.text
                Layout.alignment: Qt.AlignHCenter
                text: qsTranslate("Pelmo", "Vyber dlaždici")
                font.pixelSize: 15; font.bold: true
            }
            Text {
                color: Theme.secondaryText
                Layout.fillWidth: true
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                text: qsTranslate("Pelmo", "Najeď na ni myší nebo klikni. Dvojklik otevře složku.")
            }
        }

        Rectangle { Layout.fillWidth: true; height: 1; color: Theme.separator; opacity: 0.4 }
        Text {
            color: Theme.text
            Layout.margins: 8; Layout.leftMargin: 16
            text: qsTranslate("Pelmo", "Největší položky")
            font.weight: Font.DemiBold
        }
        ListView {
            objectName: "largestList"
            Layout.fillWidth: true
            Layout.fillHeight: true
            leftMargin: 8; rightMargin: 8; bottomMargin: 8
            clip: true
            spacing: 2
            model: inspector.model.largest
            ScrollBar.vertical: ScrollBar {}
            delegate: Rectangle {
                id: row
                required property string nodeId
                required property string name
                required property string sizeText
                required property real share
                required property color kindColor
                required property string iconName
                required property string accessibleName
                width: ListView.view.width - 16
                height: 38
                radius: 6
                color: inspector.model.selectedID === nodeId ? Qt.alpha(kindColor, 0.16) : "transparent"
                Accessible.role: Accessible.Button
                Accessible.name: accessibleName
                RowLayout {
                    anchors.fill: parent
                    anchors.leftMargin: 6; anchors.rightMargin: 6
                    spacing: 8
                    Image {
                        Layout.preferredWidth: 24; Layout.preferredHeight: 24
                        sourceSize.width: 24; sourceSize.height: 24
                        source: row.iconName.length > 0 ? "image://theme/" + row.iconName : ""
                        Accessible.ignored: true
                    }
                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 3
                        RowLayout {
                            Layout.fillWidth: true
                            Text { color: Theme.text; text: row.name; elide: Text.ElideMiddle; Layout.fillWidth: true }
                            Text { color: Theme.text; text: row.sizeText; font.pixelSize: 11 }
                        }
                        MapShareBar { Layout.fillWidth: true; share: row.share; color: row.kindColor }
                    }
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: inspector.model.selectedID = row.nodeId
                    onDoubleClicked: inspector.model.enter(row.nodeId)
                }
            }
        }
    }

    ConfirmDialog {
        id: confirmTrash
        objectName: "confirmMapTrash"
        title: inspector.trashTarget ? inspector.trashTarget.trashTitle : ""
        message: qsTranslate("Pelmo", "Vše půjde do koše, odkud to můžeš vrátit.")
        acceptText: inspector.trashTarget ? inspector.trashTarget.trashButton : ""
        onAccepted: {
            if (inspector.trashTarget)
                inspector.model.moveToTrash(inspector.trashTarget.id)
            inspector.trashTarget = null
        }
        onRejected: inspector.trashTarget = null
    }
}
