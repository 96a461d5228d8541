import QtQuick 2.15
import QtQuick.Controls 2.15
import "../Style"

// The base of the kit's text areas: a scroll-free text area on a rounded box with a hint.
Item {
    id: area

    property alias editModel: input
    property alias backRect: back
    property string inputDefaultText: ""
    property real nRadius: 4
    property real nLeftPadding: 12

    implicitWidth: 300 * Theme.dp
    implicitHeight: 100 * Theme.dp

    Rectangle {
        id: back
        anchors.fill: parent
        radius: area.nRadius * Theme.dp
        color: input.activeFocus ? "white" : "#FAFBFD"
        border.color: input.activeFocus ? "#FF5C00" : "#EBEDF4"
    }

    TextArea {
        id: input
        anchors.fill: parent
        leftPadding: area.nLeftPadding * Theme.dp
        rightPadding: 8 * Theme.dp
        topPadding: 8 * Theme.dp
        bottomPadding: 8 * Theme.dp
        selectByMouse: true
        color: "#042040"
        font.family: Theme.fontFamily
        font.pixelSize: 14 * Theme.dp
        placeholderText: area.inputDefaultText
        placeholderTextColor: "#B4BCCC"
        background: null
    }
}
