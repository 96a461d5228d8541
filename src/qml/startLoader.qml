import QtQuick 2.15

// The start screen shown while the client asks the service for its domain and version.
// Relies on the root window's window_main and curlRecv.
Item {
    id: startLoader

    property int nShowStart: 1

    signal signal_SetUiData(int nType, string qstrValue, int nValue)

    onSignal_SetUiData: {
        console.log("start screen:", nType, qstrValue)
        if (nType === 100)
            visible = false
    }

    Component.onCompleted: {
        window_main.show()
        curlRecv.getDomain()
    }

    Rectangle {
        anchors.fill: parent
        color: "transparent"
        Item {
            anchors.centerIn: parent
            width: 280 * window_main.dp
            height: 170 * window_main.dp
            Image {
                anchors.centerIn: parent
                width: 96 * window_main.dp
                height: width
                asynchronous: true
                fillMode: Image.PreserveAspectFit
                source: "qrc:/image/start_load.png"
                RotationAnimation on rotation {
                    running: startLoader.visible
                    loops: Animation.Infinite
                    from: 0
                    to: 360
                    duration: 1000
                }
            }
        }
    }
}
