import QtQuick 2.15
import "../Style"

// The thin bar that runs across a page while its request is out: 0 to full width in
// 5 s, again and again. Starting and stopping both begin again from 0.
Item {
    id: progress

    readonly property bool running: sweep.running

    function start() {
        bar.width = 0
        sweep.restart()
    }
    function stop() {
        sweep.stop()
        bar.width = 0
    }

    implicitHeight: 2 * Theme.dp

    Rectangle {
        id: bar
        height: parent.height
        width: 0
        color: "#FF5C00"
    }
    NumberAnimation {
        id: sweep
        target: bar
        property: "width"
        from: 0
        to: progress.width
        duration: 5000
        loops: Animation.Infinite
    }
    onVisibleChanged: if (!visible) stop()
}
