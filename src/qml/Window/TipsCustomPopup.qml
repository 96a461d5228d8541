import QtQuick 2.15
import QtQuick.Controls 2.15
import "../Style"
import "../Button"
import "../Popup"

// The root window's message popup: 1 a plain message, 29 a message about a plan whose
// button jumps to that plan's recharge (UI 161), 30 a message whose button opens the
// Program page (UI 162). The root window hands in curlRecv as `service`.
ModalPopup {
    id: tips

    property var service: null
    // 0 plain, 1 recharge, 2 program.
    property int nUiType: 0
    property int nIpTimeType: 0
    readonly property alias messageText: message.text
    readonly property alias buttonText: actionButton.btnText

    signal windowInit(int nValue)
    signal windowQuit(int nValue)
    signal signal_SetUiData(int nType, string qstrValue, int nValue)

    function show(nType, qstrText) {
        nUiType = nType
        message.text = qstrText
        open()
    }

    function act() {
        close()
        if (nUiType === 1)
            service.signal_SetUiData(161, "jump recharge", nIpTimeType)
        else if (nUiType === 2)
            service.signal_SetUiData(162, "jump program", 0)
    }

    onSignal_SetUiData: {
        if (nType === 1) {
            show(0, qstrValue)
        } else if (nType === 29) {
            nIpTimeType = nValue
            show(1, qstrValue)
        } else if (nType === 30) {
            show(2, qstrValue)
        }
    }
    onWindowInit: open()
    onWindowQuit: close()

    anchors.centerIn: parent
    width: 400 * Theme.dp
    height: Math.max(200 * Theme.dp, column.implicitHeight + 40 * Theme.dp)
    closePolicy: Popup.CloseOnEscape
    padding: 0

    background: PopupPanel {
        dp: Theme.dp
    }

    contentItem: Item {
        Row {
            x: 20 * Theme.dp
            height: 48 * Theme.dp
            spacing: 8 * Theme.dp
            Image {
                anchors.verticalCenter: parent.verticalCenter
                width: 20 * Theme.dp
                height: width
                source: "qrc:/image/main_logo.png"
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Tips") + Theme.emptyString
                color: "#042040"
                font.family: Theme.fontFamily
                font.pixelSize: 16 * Theme.dp
                font.bold: true
            }
        }

        ButtonImage {
            objectName: "tipsClose"
            anchors.right: parent.right
            anchors.rightMargin: 12 * Theme.dp
            y: 12 * Theme.dp
            imgNor: "qrc:/image/ico_closeblack_nor.png"
            imgHot: "qrc:/image/ico_closeblack_press.png"
            btnModel.onClicked: tips.close()
        }

        Column {
            id: column
            x: 20 * Theme.dp
            y: 56 * Theme.dp
            width: parent.width - 2 * x
            spacing: 20 * Theme.dp

            Text {
                textFormat: Text.PlainText
                id: message
                width: parent.width
                wrapMode: Text.Wrap
                color: "#55687D"
                font.family: Theme.fontFamily
                font.pixelSize: 14 * Theme.dp
            }
            RefreshButton {
                id: actionButton
                objectName: "tipsAction"
                anchors.right: parent.right
                nMinWidth: 96
                height: 36 * Theme.dp
                btnText: (tips.nUiType === 1 ? qsTr("Recharge Now") : qsTr("Sure")) + Theme.emptyString
                btnModel.onClicked: tips.act()
            }
        }
    }
}
