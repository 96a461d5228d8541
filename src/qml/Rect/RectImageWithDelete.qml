import QtQuick 2.15
import QtQuick.Controls 2.15
import "../Style"

// A chosen picture with a delete button in its corner (feedback pictures); `imgCode` is the
// picture's address on the service.
Item {
    id: picture

    property alias btnModel: deleteButton
    property alias imgModel: image
    property url imgBack: ""
    property string imgCode: ""

    implicitWidth: 64 * Theme.dp
    implicitHeight: 64 * Theme.dp

    Image {
        id: image
        anchors.fill: parent
        fillMode: Image.PreserveAspectCrop
        source: picture.imgBack
    }

    Button {
        id: deleteButton
        anchors.top: parent.top
        anchors.right: parent.right
        width: 16 * Theme.dp
        height: width
        padding: 0
        background: Image {
            source: "qrc:/Popup/delete_picture.png"
        }
        FocusRing {}
        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.NoButton
            cursorShape: Qt.PointingHandCursor
        }
    }
}
