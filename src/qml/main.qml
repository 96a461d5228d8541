import QtQuick 2.15
import QtQuick.Window 2.15

Window {
    id: root
    width: 480
    height: 320
    visible: true
    title: Qt.application.name

    Rectangle {
        anchors.fill: parent
        color: "#f4f6fb"

        Column {
            anchors.centerIn: parent
            spacing: 8

            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: "QelProxy"
                font.pixelSize: 32
                font.bold: true
                color: "#1f3a93"
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: "Version " + Qt.application.version
                font.pixelSize: 16
                color: "#555"
            }
        }
    }
}
