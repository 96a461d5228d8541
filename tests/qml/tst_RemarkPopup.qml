//@sandbox
import QtQuick 2.15
import QtTest 1.15
import Curl.InterfaceRecv 1.0
import Globle.Param 1.0
import Proxy.Param 1.0
import "../../src/qml/Popup"

// The remark popup against the real proxy store: a favourite made from a today row, and a
// device from the stand-in service's device list.
TestCase {
    id: testCase
    name: "RemarkPopup"
    width: 800
    height: 600
    visible: true
    when: windowShown

    property string favoriteKey: ""

    GlobleParam { id: globleParam }
    property var ui: []
    CurlInterfaceRecv {
        id: curlRecv
        onSignal_SetUiData: testCase.ui = testCase.ui.concat([nType])
    }

    RemarkPopup { id: popup }
    TextEdit { id: clipSource; visible: false }

    function field() { return findChild(popup.contentItem, "remarkEdit").editModel }
    function count(nType) { return ui.filter(function (n) { return n === nType }).length }
    function typeText(qstrText) {
        field().selectAll()
        keyClick(Qt.Key_Delete)
        for (var i = 0; i < qstrText.length; ++i)
            keyClick(qstrText[i])
    }
    function favorite() { return ProxyManager.getFavoirteListByKey(favoriteKey) }

    function initTestCase() {
        sandbox.attach(curlRecv)
        proxyFixture.storeExtractionRecords(["10.7.0.1"])
        ProxyManager.beginParseApiTodayListData()
        favoriteKey = ProxyManager.getDataType(2, 0)[0].qstrSession
        ProxyManager.setFavoriteByParam(favoriteKey, 2, true)
        verify(favorite())
        curlRecv.pushGetDeviceList(0)
        tryVerify(function () { return count(173) === 1 }, 10000)
        ProxyManager.beginParseListDataByProxyType(11, 0)
    }

    function init() { ui = [] }
    function cleanup() { popup.close() }

    // Typed and taken with Return: each real change is saved once (137), an empty text
    // clears the remark, the same text again is no change; Escape leaves it.
    function test_favoriteRemark_data() {
        return [
            { tag: "a remark", text: "shop one", remark: "shop one", saved: 1 },
            { tag: "the same again", text: "shop one", remark: "shop one", saved: 0 },
            { tag: "emptied", text: "", remark: "", saved: 1 },
            { tag: "typed, then Escape", text: "not kept", remark: "", saved: 0, key: Qt.Key_Escape }
        ]
    }
    function test_favoriteRemark(data) {
        popup.signal_SetUiData(100, favoriteKey, 1)
        tryCompare(popup, "opened", true)
        compare(field().text, favorite().qstrRemark)
        typeText(data.text)
        keyClick(data.key || Qt.Key_Return)
        tryCompare(popup, "visible", false)
        gc()
        compare(favorite().qstrRemark, data.remark)
        compare(count(137), data.saved)
    }

    // A device remark goes to the service only when it changed; empty is a change.
    function test_deviceRemark_data() {
        return [
            { tag: "unchanged", text: "front desk", sent: 0 },
            { tag: "changed", text: "back office", sent: 1 },
            { tag: "emptied", text: "", sent: 1 }
        ]
    }
    function test_deviceRemark(data) {
        sandbox.reset()
        popup.signal_SetUiData(200, "front desk", 0)
        popup.signal_SetUiData(200, "DEV-A", 1)
        tryCompare(popup, "opened", true)
        compare(field().text, "front desk")
        typeText(data.text)
        mouseClick(findChild(popup.contentItem, "remarkSure"))
        tryCompare(popup, "visible", false)
        compare(count(179), data.sent)
        if (data.sent === 1)
            tryVerify(function () {
                return JSON.parse(sandbox.log()).some(function (entry) {
                    return entry.path === "/api/client/save_device" && entry.form.device_sn === "DEV-A"
                })
            }, 10000)
    }

    // Typing or pasting past 100 characters keeps what fits, in both modes.
    function test_lengthLimit_data() {
        return [{ tag: "favourite", type: 100, key: "" }, { tag: "device", type: 200, key: "DEV-B" }]
    }
    function test_lengthLimit(data) {
        popup.signal_SetUiData(data.type, data.key, data.type === 100 ? 0 : 1)
        tryCompare(popup, "opened", true)
        field().text = "x".repeat(90)
        clipSource.text = "z".repeat(30)
        clipSource.selectAll()
        clipSource.copy()
        field().cursorPosition = 10
        field().paste()
        compare(field().text, "x".repeat(10) + "z".repeat(10) + "x".repeat(80))
        field().cursorPosition = 50
        keyClick("y")
        compare(field().length, 100)
        verify(field().text.indexOf("y") < 0)
    }
}
