import QtQuick 2.15
import "../Style"

// The web sign-in button: the logo and a text; while `imgLoadModel` is shown it turns once a
// second.
HoverButton {
    id: google

    property alias imgLoadModel: loading

    nRadius: 2
    colorBackNor: "#FFFFFF"
    colorBackHot: "#F6F7F8"
    colorBorder: "#DADCE0"
    imgNor: "qrc:/image/google_logo.png"

    Image {
        id: loading
        visible: false
        anchors.right: parent.right
        anchors.rightMargin: 12 * Theme.dp
        anchors.verticalCenter: parent.verticalCenter
        width: 16 * Theme.dp
        height: width
        source: "qrc:/image/login_loading.png"

        RotationAnimator on rotation {
            running: loading.visible
            from: 0
            to: 360
            duration: 1000
            loops: Animation.Infinite
        }
    }
}
