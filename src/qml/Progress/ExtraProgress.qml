import QtQuick 2.15
import QtQuick.Controls 2.15
import "../Style"

// A progress bar from 0 to 100 (port-array popup).
Item {
    id: progress

    property alias proModel: bar

    implicitWidth: 200 * Theme.dp
    implicitHeight: 4 * Theme.dp

    ProgressBar {
        id: bar
        anchors.fill: parent
        from: 0
        to: 100
        background: Rectangle {
            color: "transparent"
        }
        contentItem: Item {
            Rectangle {
                width: bar.visualPosition * parent.width
                height: parent.height
                radius: height / 2
                color: "#2C68FF"
            }
        }
    }
}
