import QtQuick 2.15
import "../Style"

// One example of the extraction page: an optional title with an optional link, what the
// example does, and the address (or explanation) that a click anywhere copies.
Item {
    id: block

    property string textTitle: ""
    property string textTitleSkip: ""
    property string textFirst: ""
    property string textSecond: ""
    property string textThird: ""

    // The text a click puts on the clipboard.
    signal copyClicked(string qstrText)
    signal titleLinkClicked()

    function escaped(qstrText) {
        return qstrText.replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;")
    }

    implicitHeight: column.implicitHeight + 12 * Theme.dp

    Rectangle {
        anchors.fill: parent
        radius: 4 * Theme.dp
        color: copyArea.containsMouse ? "#FFF6F0" : "transparent"
    }

    MouseArea {
        id: copyArea
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: block.copyClicked(block.textSecond + block.textThird)
    }

    Column {
        id: column
        x: 8 * Theme.dp
        y: 6 * Theme.dp
        width: parent.width - 16 * Theme.dp
        spacing: 4 * Theme.dp

        Row {
            visible: block.textTitle !== ""
            width: parent.width
            spacing: 6 * Theme.dp
            Text {
                width: Math.min(implicitWidth, parent.width - titleLink.width - parent.spacing)
                wrapMode: Text.Wrap
                text: block.textTitle
                color: "#042040"
                font.family: Theme.fontFamily
                font.pixelSize: 13 * Theme.dp
                font.bold: true
            }
            Text {
                id: titleLink
                objectName: "titleLink"
                visible: block.textTitleSkip !== ""
                width: visible ? implicitWidth : 0
                text: block.textTitleSkip
                color: "#FF5C00"
                font.family: Theme.fontFamily
                font.pixelSize: 13 * Theme.dp
                font.underline: true
                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: block.titleLinkClicked()
                }
            }
        }
        Text {
            width: parent.width
            wrapMode: Text.Wrap
            text: block.textFirst
            color: "#55687D"
            font.family: Theme.fontFamily
            font.pixelSize: 12 * Theme.dp
        }
        Text {
            width: parent.width
            wrapMode: Text.WrapAnywhere
            text: block.escaped(block.textSecond) + "<font color=\"#FF5C00\">"
                  + block.escaped(block.textThird) + "</font>"
            textFormat: Text.StyledText
            color: "#042040"
            font.family: Theme.fontFamily
            font.pixelSize: 12 * Theme.dp
        }
    }
}
