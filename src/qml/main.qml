import QtQuick 2.15
import QtQuick.Window 2.15
import Curl.InterfaceRecv 1.0
import Globle.Param 1.0

// The root window until the real screens exist: it creates the service object and the
// global parameters, asks for the service domain and shows the program's name, version
// and the last message the native side sent.
Window {
    id: root
    width: 480
    height: 320
    visible: true
    title: Qt.application.name

    property string lastMessage: ""

    GlobleParam {
        id: globleParam
    }

    CurlInterfaceRecv {
        id: curlRecv
        onSignal_SetUiData: {
            root.lastMessage = nType + (qstrValue.length ? ": " + qstrValue : "")
            if (nType === 1) {
                root.show()
                root.raise()
                root.requestActivate()
            }
        }
    }

    Component.onCompleted: curlRecv.getDomain()
    onClosing: globleParam.clearConfig()

    Rectangle {
        anchors.fill: parent
        color: "#f4f6fb"

        Column {
            anchors.centerIn: parent
            spacing: 8

            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: "QelProxy"
                font.pixelSize: 32
                font.bold: true
                color: "#1f3a93"
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: qsTr("Version") + " " + Qt.application.version + globleParam.emptyString
                font.pixelSize: 16
                color: "#555"
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: globleParam.qstrLangCode
                font.pixelSize: 12
                color: "#888"
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                visible: root.lastMessage.length > 0
                text: root.lastMessage
                font.pixelSize: 12
                color: "#888"
            }
        }
    }
}
