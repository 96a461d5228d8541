import QtQuick 2.15
import QtQuick.Controls 2.15
import "../Style"

// A refresh icon that spins clockwise while its owner waits: a click starts it,
// `btnRomationControl(0)` stops it, any other value starts it; hiding it stops it.
Item {
    id: rotor

    property alias btnModel: button
    property real rotateBegin: 180
    property real rotateEnd: 360
    property url iconNor: "qrc:/image/refresh_nor.png"
    property url iconHot: "qrc:/image/refresh_hot.png"
    property string btnText: ""
    property string tipShow: ""
    property bool bSpinning: false
    readonly property bool running: spin.running

    signal btnRomationControl(int nStart)

    onBtnRomationControl: bSpinning = nStart !== 0
    onVisibleChanged: if (!visible) bSpinning = false

    implicitWidth: row.implicitWidth
    implicitHeight: 20 * Theme.dp

    Button {
        id: button
        anchors.fill: parent
        hoverEnabled: true
        padding: 0
        background: null
        KitToolTip {
            visible: button.hovered && rotor.tipShow !== ""
            text: rotor.tipShow
            delay: 0
        }
        onClicked: rotor.bSpinning = true
        FocusRing {}

        contentItem: Row {
            id: row
            spacing: 4 * Theme.dp

            Image {
                id: icon
                anchors.verticalCenter: parent.verticalCenter
                width: 16 * Theme.dp
                height: width
                source: button.hovered ? rotor.iconHot : rotor.iconNor

                RotationAnimation on rotation {
                    id: spin
                    running: rotor.bSpinning && rotor.visible
                    from: rotor.rotateBegin
                    to: rotor.rotateEnd
                    duration: 1000
                    loops: Animation.Infinite
                    direction: RotationAnimation.Clockwise
                }
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                visible: text !== ""
                text: rotor.btnText
                color: button.hovered ? "#FF5C00" : "#55687D"
                font.family: Theme.fontFamily
                font.pixelSize: 12 * Theme.dp
            }
        }

        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.NoButton
            cursorShape: Qt.PointingHandCursor
        }
    }
}
