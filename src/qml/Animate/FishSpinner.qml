import QtQuick 2.15
import "../Style"

// A busy indicator: circles on a ring (4, or 10 with `useDouble`) that pulse one after
// another. The owner starts `timerModel`; each tick sets the next circle going. Hidden, it
// stops, since a pulse would go on asking for frames; the owner starts it again.
Item {
    id: spinner

    property real radius: 16
    property bool useDouble: false
    property color colorWait: "#FF5C00"
    property alias timerModel: starter
    property int nStarted: 0

    readonly property int nCircles: useDouble ? 10 : 4

    implicitWidth: 2 * radius * Theme.dp
    implicitHeight: implicitWidth

    onVisibleChanged: {
        if (visible)
            return
        starter.stop()
        for (var i = 0; i < circles.count; ++i) {
            circles.itemAt(i).pulse.stop()
            circles.itemAt(i).opacity = 0.2
        }
    }

    Timer {
        id: starter
        interval: 100
        repeat: true
        onRunningChanged: if (running) spinner.nStarted = 0
        onTriggered: {
            if (spinner.nStarted < circles.count)
                circles.itemAt(spinner.nStarted++).pulse.restart()
            else
                stop()
        }
    }

    Repeater {
        id: circles
        model: spinner.nCircles

        Rectangle {
            id: circle
            property alias pulse: pulse
            readonly property real angle: 2 * Math.PI * index / spinner.nCircles

            width: spinner.width / 5
            height: width
            radius: width / 2
            color: spinner.colorWait
            opacity: 0.2
            x: (spinner.width - width) / 2 * (1 + Math.cos(angle))
            y: (spinner.height - height) / 2 * (1 + Math.sin(angle))

            SequentialAnimation {
                id: pulse
                loops: Animation.Infinite
                NumberAnimation { target: circle; property: "opacity"; to: 1; duration: 400 }
                NumberAnimation { target: circle; property: "opacity"; to: 0.2; duration: 400 }
            }
        }
    }
}
