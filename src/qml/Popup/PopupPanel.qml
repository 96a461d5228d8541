import QtQuick 2.15
import QtQuick.Window 2.15

// The white panel behind a popup. Dragging it where no control takes the drag moves the
// main window.
Rectangle {
    id: popupPanel

    property real dp: 1

    color: "white"
    radius: 8 * dp
    border.width: 1
    border.color: "#EBEDF4"

    DragHandler {
        target: null
        onActiveChanged: if (active && popupPanel.Window.window)
                             popupPanel.Window.window.startSystemMove()
    }
}
