import QtQuick 2.15

// A popup's title bar: optional logo, caption and the close button.
Item {
    id: popupTitle

    property real dp: 1
    property string caption: ""
    property bool showLogo: false

    signal closeClicked()

    height: 48 * dp

    Row {
        anchors.left: parent.left
        anchors.leftMargin: 20 * popupTitle.dp
        anchors.verticalCenter: parent.verticalCenter
        spacing: 8 * popupTitle.dp

        Image {
            visible: popupTitle.showLogo
            anchors.verticalCenter: parent.verticalCenter
            width: 20 * popupTitle.dp
            height: 20 * popupTitle.dp
            source: "qrc:/Icon/logo.png"
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: popupTitle.caption
            color: "#042040"
            font.pixelSize: 16 * popupTitle.dp
            font.bold: true
        }
    }

    CloseButton {
        dp: popupTitle.dp
        anchors.right: parent.right
        anchors.rightMargin: 12 * popupTitle.dp
        anchors.verticalCenter: parent.verticalCenter
        onClicked: popupTitle.closeClicked()
    }
}
