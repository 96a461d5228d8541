//@sandbox
import QtQuick 2.15
import QtTest 1.15
import Curl.InterfaceRecv 1.0
import Globle.Param 1.0
import Proxy.Param 1.0
import QelProxy.Param 1.0
import System.Clip 1.0
import "../../src/qml/Window"

// The forward list over the real port pool; ports are bound through the real service
// object, the stand-in service playing the engine's API.
TestCase {
    id: testCase
    name: "PortForwardList"
    width: 1210
    height: 800
    visible: true
    when: windowShown

    readonly property int nBegin: 43000
    property var keys: []

    GlobleParam { id: globleParam }
    CurlInterfaceRecv { id: curlRecv }
    SystemClip { id: clipBoard }
    TextEdit { id: clipProbe; visible: false }

    PortForwardList { id: forwardList }

    function child(name) { return findChild(forwardList.contentItem, name) }
    function port(qstrPort) {
        return ProxyManager.getDataType(4, 0).filter(function (row) { return row.qstrPort === qstrPort })[0]
    }
    function clipboardText() {
        clipProbe.text = ""
        clipProbe.paste()
        return clipProbe.text
    }
    function bind(nIndex) {
        verify(sandbox.script(JSON.stringify({ "route": "/api/set_port_session", "mode": "body",
                                               "body": { "code": 0, "msg": "ok" }, "times": 1 })))
        var qstrPort = String(nBegin + nIndex)
        ProxyManager.bindPortBySession(keys[nIndex], qstrPort, 2)
        tryVerify(function () { return port(qstrPort).bUsed }, 10000)
    }
    function enginePaths() {
        return JSON.parse(sandbox.log()).map(function (entry) { return entry.path })
    }

    function initTestCase() {
        sandbox.attach(curlRecv)
        ProxyGoProxy.nApiPort = Number(sandbox.apiUrl.split(":").pop())
        globleParam.nIpNums = 10
        globleParam.qstrInternalNetIP = "127.0.0.1"
        proxyFixture.storeExtractionRecords(["10.8.0.1", "10.8.0.2"])
        ProxyManager.beginParseApiTodayListData()
        keys = ProxyManager.getDataType(2, 0).map(function (row) { return row.qstrSession })
        compare(keys.length, 2)
    }

    function init() {
        sandbox.reset()
        globleParam.nIsLogin = 1
        ProxyManager.clearDataByType(4)
        ProxyManager.addPortData(nBegin, 3)
    }

    function cleanup() { forwardList.windowQuit(0) }

    function openList() {
        forwardList.signal_SetUiData(1, "", 0)
        tryCompare(forwardList, "opened", true)
        child("forwardPortView").forceLayout()
    }

    function test_escapeCloses() {
        openList()
        keyClick(Qt.Key_Escape)
        tryCompare(forwardList, "opened", false)
    }

    function test_emptyText() {
        ProxyManager.clearDataByType(4)
        openList()
        verify(child("forwardEmpty").visible)
        ProxyManager.addPortData(nBegin, 3)
        forwardList.windowInit(0)
        verify(!child("forwardEmpty").visible)
    }

    function test_freeOne() {
        bind(0)
        openList()
        var free = child("free" + nBegin)
        verify(free.visible)
        verify(!child("free" + (nBegin + 1)).visible)
        mouseClick(free)
        verify(!port(String(nBegin)).bUsed)
        tryCompare(free, "visible", false)
        gc()
        compare(ProxyManager.getDataType(2, 0).filter(function (row) { return row.qstrPort !== "" }).length, 0)
        tryVerify(function () { return enginePaths().indexOf("/api/del_port_session") >= 0 }, 10000)
    }

    function test_freeAll_data() {
        return [{ tag: "signed in", login: 1, used: false }, { tag: "signed out", login: 0, used: true }]
    }
    function test_freeAll(data) {
        bind(0)
        bind(1)
        globleParam.nIsLogin = data.login
        openList()
        mouseClick(child("forwardFreeAll"))
        compare([port(String(nBegin)).bUsed, port(String(nBegin + 1)).bUsed], [data.used, data.used])
        if (!data.used)
            tryVerify(function () { return enginePaths().indexOf("/api/freed_proxy_port") >= 0 }, 10000)
        globleParam.nIsLogin = 1
        mouseClick(child("forwardFreeAll"))
    }

    function test_copy() {
        openList()
        mouseClick(child("copy" + (nBegin + 1)))
        compare(clipboardText(), "127.0.0.1:" + (nBegin + 1))
        mouseClick(child("forwardCopyAll"))
        compare(clipboardText(), ["127.0.0.1:43000", "127.0.0.1:43001", "127.0.0.1:43002", ""].join("\n"))
    }
}
