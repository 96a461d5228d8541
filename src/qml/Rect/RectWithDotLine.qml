import QtQuick 2.15
import "../Style"

// A dotted horizontal separator.
Item {
    id: line

    property real dotwidth: 2
    property real dotspace: 2
    property color dotcolor: "#ECEEF5"

    implicitHeight: 1 * Theme.dp
    clip: true

    Row {
        spacing: line.dotspace * Theme.dp
        Repeater {
            model: Math.ceil(line.width / ((line.dotwidth + line.dotspace) * Theme.dp))
            Rectangle {
                width: line.dotwidth * Theme.dp
                height: line.height
                color: line.dotcolor
            }
        }
    }
}
