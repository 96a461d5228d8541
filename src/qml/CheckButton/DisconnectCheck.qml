import QtQuick 2.15
import QtQuick.Controls 2.15
import "../Style"

// A device's connect switch: on while its proxy runs. It only shows `checked`; the page
// decides what a click does. Disabled (greyed) while the device is off line.
Item {
    id: toggle

    property bool checked: false

    signal clicked()

    implicitWidth: 36 * Theme.dp
    implicitHeight: 20 * Theme.dp
    KitToolTip {
        visible: area.containsMouse && toggle.enabled
        text: (toggle.checked ? qsTr("Click to disconnect") : qsTr("Click to connect"))
              + Theme.emptyString
    }

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
