import QtQuick 2.15
import QtQuick.Controls 2.15
import Proxy.Param 1.0
import "../Button"
import "../Style"

// Confirms connecting or disconnecting the proxy of one device (the group control page's
// currentDeviceSession) or, when that is empty, of the ticked devices. UI message 100
// opens it: 1 disconnect, 2 connect. Relies on rectEquipmentId and globleParam.
ModalPopup {
    id: confirmPopup

    // 1 disconnect, 2 connect.
    property int nMode: 1
    readonly property bool bBatch: rectEquipmentId.currentDeviceSession === ""

    signal signal_SetUiData(int nType, string qstrValue, int nValue)

    function confirm() {
        close()
        var bConnect = nMode === 2
        // One device is switched off with 3; the ticked ones with 5 (off) or 8 (on).
        var nCode = bConnect ? 8 : bBatch ? 5 : 3
        ProxyManager.setEquipmentInterfaceBySession(rectEquipmentId.currentDeviceSession,
                                                    "proxy_status", bConnect ? "1" : "0", nCode)
    }

    onSignal_SetUiData: {
        if (nType === 100 && (nValue === 1 || nValue === 2)) {
            nMode = nValue
            open()
        }
    }

    anchors.centerIn: parent
    width: 380 * Theme.dp
    height: 230 * Theme.dp
    closePolicy: Popup.CloseOnEscape
    padding: 0

    background: PopupPanel {
        dp: Theme.dp
    }

    contentItem: Item {
        PopupTitle {
            id: title
            width: parent.width
            dp: Theme.dp
            caption: (confirmPopup.nMode === 2 ? qsTr("Connect") : qsTr("Disconnect")) + globleParam.emptyString
            onCloseClicked: confirmPopup.close()
        }

        Column {
            anchors.top: title.bottom
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.margins: 20 * Theme.dp
            anchors.topMargin: 8 * Theme.dp
            spacing: 10 * Theme.dp

            Text {
                objectName: "confirmText"
                width: parent.width
                wrapMode: Text.WordWrap
                text: (confirmPopup.nMode === 2
                       ? qsTr("After connection, the mobile device immediately start the proxy")
                       : qsTr("After disconnection, the mobile device immediately stops the proxy"))
                      + globleParam.emptyString
                color: "#042040"
                font.family: Theme.fontFamily
                font.pixelSize: 14 * Theme.dp
            }
            Text {
                objectName: "confirmSelected"
                visible: confirmPopup.bBatch
                text: qsTr("Device selected:") + " " + rectEquipmentId.nTickedShown + globleParam.emptyString
                color: "#8C92AC"
                font.family: Theme.fontFamily
                font.pixelSize: 13 * Theme.dp
            }
        }

        Row {
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.margins: 20 * Theme.dp
            spacing: 12 * Theme.dp

            TextAndBackButton {
                objectName: "confirmCancel"
                nMinWidth: 96
                height: 34 * Theme.dp
                btnText: qsTr("Cancel") + globleParam.emptyString
                btnModel.onClicked: confirmPopup.close()
            }
            RefreshButton {
                objectName: "confirmOk"
                nMinWidth: 96
                height: 34 * Theme.dp
                btnText: qsTr("Confirm") + globleParam.emptyString
                btnModel.onClicked: confirmPopup.confirm()
            }
        }
    }
}
