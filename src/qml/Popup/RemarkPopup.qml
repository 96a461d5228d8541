import QtQuick 2.15
import QtQuick.Controls 2.15
import Proxy.Param 1.0
import "../Button"
import "../Edit"
import "../Style"

// Editing the remark of a favourite (100) or of a device (200). "Sure" saves the text as
// typed; an empty text clears the remark; a device remark left as it was is not sent.
// Relies on the id globleParam.
ModalPopup {
    id: remarkPopup

    // 100 a favourite's remark, 200 a device's.
    property int nSignalType: 100
    property string strKey: ""
    property string strEditInfo: ""
    property var objSelFavorite: null
    readonly property bool bDevice: nSignalType === 200

    signal signal_SetUiData(int nType, string qstrValue, int nValue)

    function showFavorite(qstrSession, bLoad) {
        nSignalType = 100
        if (bLoad) {
            objSelFavorite = ProxyManager.getFavoirteListByKey(qstrSession)
            remarkEdit.editModel.text = objSelFavorite ? objSelFavorite.qstrRemark : ""
        }
        open()
    }

    function showDevice(qstrKey) {
        nSignalType = 200
        strKey = qstrKey
        open()
    }

    function sure() {
        var qstrText = remarkEdit.editModel.text
        if (!bDevice && objSelFavorite)
            ProxyManager.setFavoriteRemark(objSelFavorite.qstrSession, qstrText, 0)
        else if (bDevice && qstrText !== strEditInfo)
            ProxyManager.setEquipmentInterfaceBySession(strKey, "remark", qstrText, 1)
        close()
    }

    onSignal_SetUiData: {
        if (nType === 100) {
            showFavorite(qstrValue, nValue === 1)
        } else if (nType === 200 && nValue === 0) {
            remarkEdit.editModel.text = qstrValue
            strEditInfo = qstrValue
        } else if (nType === 200 && nValue === 1) {
            showDevice(qstrValue)
        }
    }
    onOpened: remarkEdit.editModel.forceActiveFocus()

    anchors.centerIn: parent
    width: 450 * Theme.dp
    height: 216 * Theme.dp
    padding: 0
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnReleaseOutsideParent

    background: PopupPanel {
        dp: Theme.dp
    }

    contentItem: Item {
        PopupTitle {
            id: title
            width: parent.width
            dp: Theme.dp
            caption: qsTr("Remark") + globleParam.emptyString
            onCloseClicked: remarkPopup.close()
        }
        RemarkEdit {
            id: remarkEdit
            objectName: "remarkEdit"
            anchors.horizontalCenter: parent.horizontalCenter
            y: title.height + (remarkPopup.bDevice ? 4 : 28) * Theme.dp
            width: parent.width * (remarkPopup.bDevice ? 3 / 4 : 2 / 3)
            height: (remarkPopup.bDevice ? 80 : 30) * Theme.dp
            nLeftPadding: 8
            editModel.wrapMode: remarkPopup.bDevice ? TextEdit.Wrap : TextEdit.NoWrap
            editModel.topPadding: remarkPopup.bDevice ? 8 * Theme.dp : 5 * Theme.dp
            editModel.bottomPadding: remarkPopup.bDevice ? 8 * Theme.dp : 5 * Theme.dp
            editModel.objectName: "remarkField"
            inputDefaultText: qsTr("Please enter a remark") + globleParam.emptyString
            onAccepted: remarkPopup.sure()
        }
        RefreshButton {
            objectName: "remarkSure"
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 20 * Theme.dp
            nMinWidth: 110
            height: 36 * Theme.dp
            btnText: qsTr("Sure") + globleParam.emptyString
            btnModel.onClicked: remarkPopup.sure()
        }
    }
}
