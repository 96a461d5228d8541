import QtQuick 2.15
import "../Style"

// One row of the notice list: a red dot while unread, the title (lighter once read) and
// the time the notice starts. The keyboard's row is bordered in the accent.
Rectangle {
    id: noticeRow

    property real dp: 1
    property string title: ""
    property string timeText: ""
    property bool unread: false
    property bool selected: false
    property bool highlighted: false

    signal chosen()

    height: 62 * dp
    radius: 6 * dp
    color: selected || rowArea.containsMouse ? "#F6F7F8" : "transparent"
    border.color: highlighted ? Theme.accent : "transparent"

    Rectangle {
        visible: noticeRow.unread
        x: 12 * noticeRow.dp
        anchors.verticalCenter: titleLine.verticalCenter
        width: 8 * noticeRow.dp
        height: width
        radius: width / 2
        color: "#F43D60"
    }

    Text {
        textFormat: Text.PlainText
        id: titleLine
        x: 28 * noticeRow.dp
        y: 12 * noticeRow.dp
        width: parent.width - x - 12 * noticeRow.dp
        text: noticeRow.title
        elide: Text.ElideRight
        color: noticeRow.unread ? "#042040" : "#8C92AC"
        font.pixelSize: 14 * noticeRow.dp
        font.bold: noticeRow.unread
    }

    Text {
        x: titleLine.x
        anchors.top: titleLine.bottom
        anchors.topMargin: 6 * noticeRow.dp
        text: noticeRow.timeText
        color: "#8C92AC"
        font.pixelSize: 12 * noticeRow.dp
    }

    MouseArea {
        id: rowArea
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: noticeRow.chosen()
    }
}
