import QtQuick 2.15
import QtQuick.Controls 2.15
import "../Style"

// A thin draggable vertical scroll bar for a list or grid (set as its
// `ScrollBar.vertical`); hidden until used unless `bScrollbarDefault`, and never shown
// while everything fits.
ScrollBar {
    id: bar

    property bool bScrollbarDefault: false
    property real nScrolWidth: 4
    property color colorTrack: "transparent"
    property color colorHandle: "#C5CBD7"

    orientation: Qt.Vertical
    policy: size >= 1.0 ? ScrollBar.AlwaysOff
          : bScrollbarDefault ? ScrollBar.AlwaysOn : ScrollBar.AsNeeded
    padding: 0
    width: nScrolWidth * Theme.dp

    background: Rectangle {
        radius: width / 2
        color: bar.colorTrack
    }
    contentItem: Rectangle {
        implicitWidth: bar.nScrolWidth * Theme.dp
        radius: width / 2
        color: bar.pressed ? Qt.darker(bar.colorHandle, 1.2) : bar.colorHandle
        opacity: bar.policy === ScrollBar.AlwaysOn || bar.active ? 1 : 0
        Behavior on opacity { NumberAnimation { duration: 200 } }
    }
}
