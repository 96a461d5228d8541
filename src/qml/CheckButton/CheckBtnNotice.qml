import QtQuick 2.15
import QtQuick.Controls 2.15
import "../Style"

// A two-line row of the notice list: the title (bold until read) and its date.
Item {
    id: notice

    property alias radioModel: button
    property alias checked: button.checked
    property string radioText1: ""
    property string radioText2: ""
    property bool bRead: false
    property var exclusiveGroup: null

    implicitWidth: 240 * Theme.dp
    implicitHeight: 56 * Theme.dp

    AbstractButton {
        id: button
        anchors.fill: parent
        checkable: true
        hoverEnabled: true
        ButtonGroup.group: notice.exclusiveGroup
        FocusRing { nOutset: -2 }

        background: Rectangle {
            color: button.checked ? "#FFF0EB" : button.hovered ? "#F6F7F8" : "white"
        }

        contentItem: Column {
            leftPadding: 12 * Theme.dp
            topPadding: 8 * Theme.dp
            spacing: 4 * Theme.dp
            Text {
                width: notice.width - 24 * Theme.dp
                elide: Text.ElideRight
                text: notice.radioText1
                color: "#042040"
                font.family: Theme.fontFamily
                font.pixelSize: 13 * Theme.dp
                font.bold: !notice.bRead
            }
            Text {
                text: notice.radioText2
                color: "#8C92AC"
                font.family: Theme.fontFamily
                font.pixelSize: 11 * Theme.dp
            }
        }

        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.NoButton
            cursorShape: Qt.PointingHandCursor
        }
    }
}
