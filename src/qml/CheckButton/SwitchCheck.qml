import QtQuick 2.15
import "../Style"

// The kit's green on/off switch. It only shows `checked`; its user decides what a click does.
// Tab reaches it and Space clicks it; a click gives it no focus. Disabled, it is greyed.
Item {
    id: toggle

    property bool checked: false
    property alias hovered: area.containsMouse

    signal clicked()

    implicitWidth: 36 * Theme.dp
    implicitHeight: 20 * Theme.dp
    activeFocusOnTab: true

    Keys.onSpacePressed: if (!event.isAutoRepeat) toggle.clicked()

    FocusRing { nRadius: toggle.height / 2 / Theme.dp }

    Rectangle {
        anchors.fill: parent
        radius: height / 2
        color: toggle.checked ? "#01C195" : "#D5D9E4"
        opacity: toggle.enabled ? 1 : 0.45

        Rectangle {
            x: toggle.checked ? parent.width - width - 2 * Theme.dp : 2 * Theme.dp
            anchors.verticalCenter: parent.verticalCenter
            width: parent.height - 4 * Theme.dp
            height: width
            radius: width / 2
            color: "white"
            Behavior on x { NumberAnimation { duration: 120 } }
        }
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: toggle.clicked()
    }
}
