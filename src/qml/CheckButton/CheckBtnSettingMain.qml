import QtQuick 2.15
import QtQuick.Controls 2.15
import "../Style"

// A tab of the settings page, underlined while checked.
Item {
    id: tab

    property alias radioModel: button
    property alias checked: button.checked
    property string radioText: ""
    property var exclusiveGroup: null

    implicitWidth: label.implicitWidth + 24 * Theme.dp
    implicitHeight: 36 * Theme.dp

    AbstractButton {
        id: button
        anchors.fill: parent
        checkable: true
        hoverEnabled: true
        ButtonGroup.group: tab.exclusiveGroup
        FocusRing {}

        contentItem: Item {
            Text {
                id: label
                anchors.centerIn: parent
                text: tab.radioText
                color: button.checked || button.hovered ? "#FF5C00" : "#55687D"
                font.family: Theme.fontFamily
                font.pixelSize: 14 * Theme.dp
                font.bold: button.checked
            }
            Rectangle {
                visible: button.checked
                anchors.bottom: parent.bottom
                anchors.horizontalCenter: parent.horizontalCenter
                width: label.width
                height: 2 * Theme.dp
                color: "#FF5C00"
            }
        }

        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.NoButton
            cursorShape: Qt.PointingHandCursor
        }
    }
}
