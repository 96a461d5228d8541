import QtQuick 2.15
import "../Style"

// The tick box of a device row and of the device list's header. It only shows `checked`;
// the owner decides what a click changes (the row's tick lives in the row object).
Item {
    id: tick

    property bool checked: false

    signal clicked()

    implicitWidth: 16 * Theme.dp
    implicitHeight: 16 * Theme.dp

    Image {
        anchors.fill: parent
        source: tick.checked ? "qrc:/image/checkbox_checked.png" : "qrc:/image/checkbox_unchecked.png"
        opacity: tick.enabled ? 1 : 0.4
    }

    MouseArea {
        // A little larger than the box, so a near miss still ticks.
        anchors.fill: parent
        anchors.margins: -4 * Theme.dp
        cursorShape: Qt.PointingHandCursor
        onClicked: tick.clicked()
    }
}
