import QtQuick 2.15
import QtQuick.Controls 2.15
import "../Style"

// A radio button with a text.
Item {
    id: radio

    property alias radioModel: button
    property alias checked: button.checked
    property string radioText: ""
    property var exclusiveGroup: null
    property color textColor: "#355395"
    property real fontSize: 14
    property url pathLogo: ""

    implicitWidth: row.implicitWidth
    implicitHeight: 24 * Theme.dp

    AbstractButton {
        id: button
        anchors.fill: parent
        checkable: true
        hoverEnabled: true
        ButtonGroup.group: radio.exclusiveGroup
        FocusRing {}

        contentItem: Row {
            id: row
            spacing: 6 * Theme.dp
            Image {
                anchors.verticalCenter: parent.verticalCenter
                width: 16 * Theme.dp
                height: width
                source: button.checked ? "qrc:/image/RadioBtn_checked.png"
                                       : "qrc:/image/RadioBtn_unchecked.png"
            }
            Image {
                anchors.verticalCenter: parent.verticalCenter
                visible: radio.pathLogo.toString() !== ""
                width: 16 * Theme.dp
                height: width
                source: radio.pathLogo
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: radio.radioText
                color: radio.textColor
                font.family: Theme.fontFamily
                font.pixelSize: radio.fontSize * Theme.dp
            }
        }

        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.NoButton
            cursorShape: Qt.PointingHandCursor
        }
    }
}
