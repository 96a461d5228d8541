import QtQuick 2.15

// The cross in a popup's corner.
Rectangle {
    id: closeButton

    property real dp: 1

    signal clicked()

    width: 28 * dp
    height: 28 * dp
    radius: 4 * dp
    color: closeArea.containsMouse ? "#F6F7F8" : "transparent"

    Image {
        anchors.centerIn: parent
        width: 16 * closeButton.dp
        height: 16 * closeButton.dp
        source: "qrc:/Popup/close.png"
    }

    MouseArea {
        id: closeArea
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: closeButton.clicked()
    }
}
