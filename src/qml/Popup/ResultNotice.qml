import QtQuick 2.15
import "../Style"

// The result of a page's request: shown at full opacity, then faded out over 3 s.
Rectangle {
    id: notice

    property bool bSuccess: true
    property alias text: label.text

    function show(qstrText, bOk) {
        label.text = qstrText
        bSuccess = bOk === true
        fade.restart()
    }

    implicitWidth: row.implicitWidth + 32 * Theme.dp
    height: 32 * Theme.dp
    radius: 4 * Theme.dp
    opacity: 0
    visible: opacity > 0
    color: bSuccess ? "#E9FCF7" : "#FFF0F0"
    border.color: bSuccess ? "#B5EDDF" : "#F4BCBC"

    NumberAnimation {
        id: fade
        target: notice
        property: "opacity"
        from: 1
        to: 0
        duration: 3000
    }

    Row {
        id: row
        anchors.centerIn: parent
        spacing: 8 * Theme.dp
        Image {
            anchors.verticalCenter: parent.verticalCenter
            width: 16 * Theme.dp
            height: width
            source: notice.bSuccess ? "qrc:/image/ico_success.png" : "qrc:/image/ico_fail.png"
        }
        Text {
            textFormat: Text.PlainText
            id: label
            objectName: "resultNoticeText"
            anchors.verticalCenter: parent.verticalCenter
            color: notice.bSuccess ? "#07AB84" : "#FC3838"
            font.family: Theme.fontFamily
            font.pixelSize: 13 * Theme.dp
        }
    }
}
