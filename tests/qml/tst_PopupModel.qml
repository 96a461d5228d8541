//@sandbox
import QtQuick 2.15
import QtTest 1.15
import Curl.InterfaceRecv 1.0
import Globle.Param 1.0
import Proxy.Param 1.0
import QelProxy.Param 1.0
import "../../src/qml/Popup"

// The port-array popup driving a real batch: the static exits come from the stand-in
// service, which also plays the engine's binding API with scripted answers.
TestCase {
    id: testCase
    name: "PopupModel"
    width: 1000
    height: 700
    visible: true
    when: windowShown

    readonly property int nBegin: 42000
    readonly property string label: "42000-42002"

    GlobleParam { id: globleParam }
    property var ui: []
    CurlInterfaceRecv {
        id: curlRecv
        // The main screen hands the batch's messages to the popup.
        onSignal_SetUiData: {
            testCase.ui = testCase.ui.concat([[nType, qstrValue, nValue]])
            if ([127, 128, 129, 130, 131, 132, 133, 160].indexOf(nType) >= 0)
                popup.signal_SetUiData(nType, qstrValue, nValue)
        }
    }

    Item {
        id: mainLoader
        property int nProxyType: 10
        anchors.fill: parent
        PopupModel { id: popup }
    }

    function child(name) { return findChild(popup.contentItem, name) }
    function received(nType) {
        return ui.filter(function (message) { return message[0] === nType })
                 .map(function (message) { return message[2] })
    }
    function scriptBind(body, strMode) {
        verify(sandbox.script(JSON.stringify({ "route": "/api/set_port_session", "mode": strMode || "body",
                                               "body": body, "times": 1 })))
    }

    function initTestCase() {
        sandbox.attach(curlRecv)
        ProxyGoProxy.nApiPort = Number(sandbox.apiUrl.split(":").pop())
        globleParam.nMealStaticType = 6
        globleParam.nMealType = 1
        globleParam.nBeginPort = nBegin
        globleParam.nPortNumber = 3
        ProxyManager.addPortData(nBegin, 3)
        curlRecv.pushGetStaticLineList(0)
        tryVerify(function () { return received(113).indexOf(10) >= 0 }, 10000)
        ProxyManager.beginRarseStaticProxyListData()
        verify(ProxyManager.getDataType(10, 0).length >= 3)
    }

    function init() {
        sandbox.reset()
        mainLoader.nProxyType = 10
        globleParam.nStaticIpNums = 10
        globleParam.nIpNums = 10
        globleParam.bAttachList = false
        ProxyManager.refreshPortList()
        popup.signal_SetUiData(100, label, 1)
        tryCompare(popup, "opened", true)
        ui = []
    }

    function cleanup() { popup.close() }

    function test_escapeCloses() {
        keyClick(Qt.Key_Escape)
        tryCompare(popup, "opened", false)
    }

    function test_confirmPanel() {
        compare([popup.showType, popup.textCurScope, popup.nPortCount], [1, label, 3])
        compare([popup.width, popup.height], [380, 230])
        verify(child("arrayConfirm").btnModel.enabled)
        verify(!child("arrayRangeGone").visible)
    }

    function test_batchCountsEachPort() {
        scriptBind({ "code": 0, "msg": "ok" })
        scriptBind({ "code": 1, "msg": "refused" })
        scriptBind({ "code": 0, "msg": "ok" })
        mouseClick(child("arrayConfirm"))
        compare(popup.showType, 2)
        compare([popup.width, popup.height], [1000 - 9, 700 - 9])
        verify(popup.textCurIp !== "")
        tryCompare(popup, "showType", 3, 10000)
        tryVerify(function () { return popup.sizeSuccess + popup.sizeFailed === 3 }, 10000)
        compare([popup.sizeSuccess, popup.sizeFailed, popup.indexCurItem, popup.proValue], [2, 1, 3, 100])
        compare(child("arrayProcessing").text, "Processing: 3/3")
        compare(received(127), [3])
    }

    // The page's list has no exit: the batch queues none and ends at once, 0 / 0.
    function test_nothingQueuedEndsAtOnce() {
        mainLoader.nProxyType = 1
        ProxyManager.clearDataByType(1)
        mouseClick(child("arrayConfirm"))
        compare(received(127), [0])
        compare([popup.showType, popup.sizeAllotAll, popup.sizeSuccess, popup.sizeFailed, popup.proValue],
                [3, 0, 0, 0, 100])
        verify(!globleParam.bAttachList)
    }

    function test_cancelStopsTheBatch() {
        scriptBind({}, "hang")
        mouseClick(child("arrayConfirm"))
        compare(popup.indexCurItem, 1)
        verify(globleParam.bAttachList)
        mouseClick(child("arrayStop"))
        verify(!globleParam.bAttachList)
        tryCompare(popup, "visible", false)
        sandbox.reset()
        tryVerify(function () { return received(133).length === 1 }, 10000)
        wait(100)
        compare(received(130), [1])
    }

    // After a range change the label is gone: nothing to deduct, nothing can start.
    function test_vanishedLabel() {
        globleParam.nBeginPort = nBegin + 100
        ProxyManager.refreshPortList()
        globleParam.nBeginPort = nBegin
        popup.signal_SetUiData(100, label, 1)
        compare([popup.nPortCount, popup.textCurScope], [0, ""])
        verify(!child("arrayConfirm").btnModel.enabled)
        verify(child("arrayRangeGone").visible)
        mouseClick(child("arrayConfirm"))
        compare(popup.showType, 1)
        compare(received(127), [])
        verify(!globleParam.bAttachList)
    }
}
