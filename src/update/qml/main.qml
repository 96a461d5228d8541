import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Window 2.15
import Curl.InterfaceRecv 1.0

// A window only so the program has an event loop to run the check in; closing it ends the
// program, which then hands the reply to the client.
Window {
    id: root
    width: 1
    height: 1
    visible: true
    title: qsTr("Hello World")
    flags: Qt.Window

    CurlInterfaceRecv {
        id: curlRecv
        Component.onCompleted: curlRecv.getDomain()
        onSignal_SetUiData: {
            console.log(nType, qstrValue, nValue)
            if (nType === 100)
                root.close()
        }
    }

    Rectangle {
        anchors.fill: parent
        color: "#ff8974"

        Button {
            anchors.centerIn: parent
            width: 100
            height: 40
            text: qsTr("发送消息")
        }
    }
}
