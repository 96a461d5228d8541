import QtQuick 2.15
import QtQuick.Controls 2.15
import Proxy.Param 1.0
import "../Button"
import "../Progress"
import "../Style"

// Binding the exits of the page shown to a range of local ports, one port after the other:
// confirm, progress, completed. Native code reports each step (127-133, 160) through the
// main screen; the popup asks it for the next one.
// Relies on the main screen's ids: mainLoader, globleParam.
ModalPopup {
    id: popupCustom

    // 1 confirm, 2 progress, 3 completed.
    property int showType: 1
    property string textCurScope: ""
    property int nPortCount: 0
    property int sizeAllotAll: 0
    property int indexCurItem: 0
    property int proValue: 0
    property int sizeSuccess: 0
    property int sizeFailed: 0
    property string textCurIp: ""
    property string textCurPort: ""
    readonly property int nPlan: mainLoader.nProxyType === 10 ? globleParam.nMealStaticType
                                                              : globleParam.nMealType

    signal signal_SetUiData(int nType, string qstrValue, int nValue)

    function showConfirm(qstrScope) {
        sizeSuccess = 0
        sizeFailed = 0
        sizeAllotAll = 0
        indexCurItem = 0
        proValue = 0
        textCurIp = ""
        textCurPort = ""
        nPortCount = ProxyManager.getIpCountByKey(qstrScope)
        textCurScope = ProxyManager.getCurScopeByKey(qstrScope)
        showType = 1
        open()
    }

    // The batch answers 127 at once, so the panel changes first.
    function start(qstrScope) {
        showType = 2
        ProxyManager.setPortArrayAllocByKey(qstrScope, nPlan, mainLoader.nProxyType)
    }

    function begin(nAll) {
        sizeAllotAll = nAll
        if (nAll > 0)
            ProxyManager.allotPortArray(nAll, 0, mainLoader.nProxyType)
        else
            setIndex(0)
    }

    // The last step's index ends the batch; a batch of none ends at once.
    function setIndex(nIndex) {
        indexCurItem = nIndex
        proValue = sizeAllotAll > 0 ? Math.floor(Math.min(Math.max(nIndex, 0), sizeAllotAll)
                                                 * 100 / sizeAllotAll) : 100
        if (nIndex >= sizeAllotAll)
            signal_SetUiData(100, "third", 3)
    }

    function cancel() {
        globleParam.bAttachList = false
        close()
    }

    readonly property var handlers: ({
        100: function (s, n) {
            if (n === 1)
                showConfirm(s)
            else if (n === 2)
                start(s)
            else if (n === 3)
                showType = 3
        },
        127: function (s, n) { begin(n) },
        128: function (s, n) { textCurIp = ProxyManager.getCurIpByKey(s) },
        129: function (s, n) { textCurPort = s },
        130: function (s, n) { setIndex(n) },
        131: function (s, n) { sizeSuccess += 1 },
        132: function (s, n) { sizeFailed += 1 },
        133: function (s, n) { ProxyManager.allotPortArray(sizeAllotAll, n, mainLoader.nProxyType) },
        160: function (s, n) { close() }
    })

    onSignal_SetUiData: {
        var handler = handlers[nType]
        if (handler)
            handler(qstrValue, nValue)
    }

    anchors.centerIn: parent
    width: (showType === 1 ? 380 * Theme.dp : parent.width - 9 * Theme.dp)
    height: (showType === 1 ? 230 * Theme.dp : parent.height - 9 * Theme.dp)
    padding: 0
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnReleaseOutsideParent

    background: PopupPanel {
        dp: Theme.dp
    }

    component PanelText: Text {
        textFormat: Text.PlainText
        color: "#55687D"
        font.family: Theme.fontFamily
        font.pixelSize: 14 * Theme.dp
    }
    component PanelValue: Text {
        textFormat: Text.PlainText
        color: Theme.textDark
        font.family: Theme.fontFamily
        font.pixelSize: 14 * Theme.dp
        font.bold: true
    }

    contentItem: Item {
        // Confirm.
        Item {
            anchors.fill: parent
            visible: popupCustom.showType === 1

            PopupTitle {
                width: parent.width
                dp: Theme.dp
                showLogo: true
                caption: qsTr("Tips") + globleParam.emptyString
                onCloseClicked: popupCustom.close()
            }
            Column {
                x: 30 * Theme.dp
                y: 60 * Theme.dp
                width: parent.width - 2 * x
                spacing: 10 * Theme.dp

                PanelText {
                    text: qsTr("Confirm this operation?") + globleParam.emptyString
                    color: Theme.textDark
                    font.pixelSize: 15 * Theme.dp
                }
                Row {
                    spacing: 6 * Theme.dp
                    visible: popupCustom.nPlan !== 11 && popupCustom.nPortCount > 0
                    PanelText { text: qsTr("Port:") + globleParam.emptyString }
                    PanelValue { objectName: "arrayScope"; text: popupCustom.textCurScope }
                }
                Row {
                    spacing: 6 * Theme.dp
                    visible: popupCustom.nPlan !== 11 && popupCustom.nPortCount > 0
                    PanelText { text: qsTr("Deduct IP:") + globleParam.emptyString }
                    PanelValue { objectName: "arrayDeduct"; text: popupCustom.nPortCount; color: Theme.accent }
                }
                PanelText {
                    objectName: "arrayRangeGone"
                    visible: popupCustom.nPortCount <= 0
                    width: parent.width
                    wrapMode: Text.Wrap
                    text: qsTr("This port range no longer exists; please choose one again.")
                          + globleParam.emptyString
                    color: "#FC3838"
                }
            }
            Row {
                anchors.right: parent.right
                anchors.bottom: parent.bottom
                anchors.margins: 20 * Theme.dp
                spacing: 12 * Theme.dp
                TextAndBackButton {
                    objectName: "arrayCancel"
                    nMinWidth: 96
                    height: 36 * Theme.dp
                    btnText: qsTr("Cancel") + globleParam.emptyString
                    btnModel.onClicked: popupCustom.close()
                }
                RefreshButton {
                    objectName: "arrayConfirm"
                    nMinWidth: 96
                    height: 36 * Theme.dp
                    btnText: qsTr("Confirm") + globleParam.emptyString
                    btnModel.enabled: popupCustom.nPortCount > 0
                    btnModel.onClicked: popupCustom.signal_SetUiData(100, popupCustom.textCurScope, 2)
                }
            }
        }

        // Progress.
        Column {
            anchors.centerIn: parent
            width: Math.min(parent.width - 60 * Theme.dp, 420 * Theme.dp)
            spacing: 14 * Theme.dp
            visible: popupCustom.showType === 2

            Row {
                spacing: 6 * Theme.dp
                PanelText { text: qsTr("Now IP:") + globleParam.emptyString }
                PanelValue { objectName: "arrayCurIp"; text: popupCustom.textCurIp }
            }
            Row {
                spacing: 6 * Theme.dp
                PanelText { text: qsTr("Port:") + globleParam.emptyString }
                PanelValue { objectName: "arrayCurPort"; text: popupCustom.textCurPort }
            }
            Item {
                width: parent.width
                height: extracting.height
                PanelText {
                    id: extracting
                    text: qsTr("Extracting") + globleParam.emptyString
                }
                PanelText {
                    objectName: "arrayProcessing"
                    anchors.right: parent.right
                    text: qsTr("Processing:") + globleParam.emptyString + " " + popupCustom.indexCurItem
                          + "/" + popupCustom.sizeAllotAll
                }
            }
            Rectangle {
                width: parent.width
                height: 8 * Theme.dp
                radius: height / 2
                color: "#EBEDF4"
                ExtraProgress {
                    anchors.fill: parent
                    proModel.value: popupCustom.proValue
                }
            }
            TextAndBackButton {
                objectName: "arrayStop"
                anchors.horizontalCenter: parent.horizontalCenter
                nMinWidth: 96
                height: 36 * Theme.dp
                btnText: qsTr("Cancel") + globleParam.emptyString
                btnModel.onClicked: popupCustom.cancel()
            }
        }

        // Completed.
        Column {
            anchors.centerIn: parent
            spacing: 14 * Theme.dp
            visible: popupCustom.showType === 3

            Image {
                anchors.horizontalCenter: parent.horizontalCenter
                width: 64 * Theme.dp
                height: width
                source: "qrc:/image/success_attach.png"
            }
            PanelValue {
                anchors.horizontalCenter: parent.horizontalCenter
                text: qsTr("Extract IP Is Completed") + globleParam.emptyString
                font.pixelSize: 16 * Theme.dp
            }
            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 6 * Theme.dp
                PanelText { text: qsTr("Success:") + globleParam.emptyString }
                PanelValue { objectName: "arraySuccess"; text: popupCustom.sizeSuccess; color: "#07AB84" }
                Item { width: 24 * Theme.dp; height: 1 }
                PanelText { text: qsTr("Failed:") + globleParam.emptyString }
                PanelValue { objectName: "arrayFailed"; text: popupCustom.sizeFailed; color: "#FC3838" }
            }
            RefreshButton {
                objectName: "arrayDone"
                anchors.horizontalCenter: parent.horizontalCenter
                nMinWidth: 96
                height: 36 * Theme.dp
                btnText: qsTr("Confirm") + globleParam.emptyString
                btnModel.onClicked: popupCustom.close()
            }
        }
    }
}
