//@sandbox
import QtQuick 2.15
import QtTest 1.15
import Curl.InterfaceRecv 1.0
import Globle.Param 1.0
import Proxy.Param 1.0
import Search.Param 1.0
import "../../src/qml/Rect"
import "../../src/qml/Popup"

// The group control page against the stand-in service, through the real service object and
// proxy store; the line and remark popups are recording stand-ins.
TestCase {
    id: testCase
    name: "RectEquipment"
    width: 1000
    height: 640
    visible: true
    when: windowShown

    readonly property var allDevices: ["DEV-D", "DEV-B", "DEV-E", "DEV-A", "DEV-C"]
    readonly property string saveRoute: "/api/client/save_device"
    readonly property string listRoute: "/api/client/get_device_list"
    // What the root window and the main screen hand this page.
    readonly property var pageTypes: [0, 23, 40, 41, 110, 113, 123, 158, 165, 174, 175, 176, 177,
                                      178, 179, 188]
    property bool bListEmptied: false
    // Every UI message the service object sent: [type, text, value].
    property var uiLog: []

    QtObject { id: mainLoader; property int nRectPage: 0 }
    QtObject {
        id: window_main
        property int nLogins: 0
        function showLogin() { ++nLogins }
    }
    QtObject {
        id: popupTips
        property var tips: []
        function signal_SetUiData(nType, qstrValue, nValue) { tips.push(qstrValue) }
    }
    QtObject {
        id: remarkPopup
        property var calls: []
        function signal_SetUiData(nType, qstrValue, nValue) { calls.push([nType, qstrValue, nValue]) }
    }
    QtObject {
        id: popupEquipmentLine
        property var calls: []
        function windowInit(nMeal) { calls.push(nMeal) }
    }
    GlobleParam { id: globleParam }
    CurlInterfaceRecv {
        id: curlRecv
        onSignal_SetUiData: testCase.route(nType, qstrValue, nValue)
    }
    RectEquipment {
        id: rectEquipmentId
        anchors.fill: parent
        nRefreshMs: 60000
    }
    BatchDisconnectPopup { id: popupBatchDisconnect }
    Connections {
        target: rectEquipmentId.listModel
        function onCountChanged() { if (rectEquipmentId.listModel.count === 0) testCase.bListEmptied = true }
    }

    function route(nType, qstrValue, nValue) {
        uiLog.push([nType, qstrValue, nValue])
        if (nType === 173) {
            ProxyManager.beginParseListDataByProxyType(nValue, 0)
            nType = 113
        } else if (nType === 175) {
            ProxyManager.modifyParseListDataByProxyType(nValue, 0)
        } else if (nType === 172) {
            nType = 165
        } else if (nType === 180) {
            nType = 113
        }
        if (pageTypes.indexOf(nType) >= 0)
            rectEquipmentId.signal_SetUiData(nType, qstrValue, nValue)
    }

    function child(name) { return findChild(rectEquipmentId, name) }
    function click(name) { mouseClick(child(name)) }

    function shownKeys() {
        var model = rectEquipmentId.listModel
        var keys = []
        for (var i = 0; i < model.count; ++i)
            keys.push(model.get(i).qstrSession)
        return keys
    }

    function requests(route) {
        return JSON.parse(sandbox.log()).filter(function (entry) { return entry.path === route })
    }

    function codesOf(nType) {
        return uiLog.filter(function (message) { return message[0] === nType })
                    .map(function (message) { return message[2] })
    }

    function texts(item) {
        var found = item.text !== undefined && item.visible && typeof item.text === "string" ? [item.text] : []
        for (var i = 0; i < item.children.length; ++i)
            found = found.concat(texts(item.children[i]))
        return found
    }

    function unlocked() {
        return rectEquipmentId.bRefreshReady && child("deviceRefreshButton").btnModel.enabled
    }

    function search(qstrText) {
        child("deviceSearchField").editModel.text = qstrText
        click("deviceSearchButton")
    }

    function tick(keys) {
        keys.forEach(function (key) { click("rowTick_" + key) })
    }

    function initTestCase() {
        sandbox.attach(curlRecv)
        globleParam.nIsLogin = 1
        rectEquipmentId.signal_SetUiData(110, "", 0)
    }

    // Every case starts from the stand-in's own devices, nothing filtered or ticked.
    function init() {
        tryVerify(unlocked, 10000)
        globleParam.nIsLogin = 1
        popupBatchDisconnect.close()
        sandbox.reset()
        click("deviceRefreshButton")
        tryCompare(rectEquipmentId.listModel, "count", 5, 10000)
        tryVerify(unlocked, 10000)
        tryVerify(function () { return !child("deviceBusyLayer").visible }, 10000)
        sandbox.reset()
        uiLog = []
        popupTips.tips = []
        remarkPopup.calls = []
        popupEquipmentLine.calls = []
        window_main.nLogins = 0
        bListEmptied = false
    }

    function test_listFromStandIn_data() {
        return [
            { tag: "on line, proxy on", key: "DEV-A", cells: ["Pixel Office", "Online", "203.0.113.10", "US", "Online"], live: true },
            { tag: "off line, dropped", key: "DEV-B", cells: ["Galaxy Lab", "Offline", "198.51.100.7", "BR", "Dropped"], live: false }
        ]
    }
    function test_listFromStandIn(data) {
        compare(shownKeys(), allDevices)
        compare(texts(child("device_" + data.key)).slice(0, 5), data.cells)
        compare(child("connectSwitch_" + data.key).enabled, data.live)
        compare(child("emptyState").visible, false)
    }

    function test_searchAndFilters_data() {
        return [
            { tag: "name", text: "PIXEL", shown: ["DEV-A", "DEV-C"] },
            { tag: "country", combo: "deviceCountryCombo", code: "FR", level: 1, shown: ["DEV-D"], boxText: "FR" },
            { tag: "device status", combo: "deviceStatusCombo", code: "0", level: 8, status: 0,
              shown: ["DEV-B"], boxText: "Offline" },
            { tag: "connection status", combo: "lineStatusCombo", code: "0", level: 9, status: 2,
              shown: ["DEV-B", "DEV-E", "DEV-C"], boxText: "Dropped" },
            { tag: "nothing matches", text: "no such device", shown: [],
              empty: "No device matching search criteria found." }
        ]
    }
    function test_searchAndFilters(data) {
        if (data.combo) {
            var combo = child(data.combo)
            var entry = data.level === 1
                    ? combo.dataModel.filter(function (e) { return e.qstrCode === data.code })[0]
                    : { qstrCode: data.code, qstrName: "", enumDataType: data.level, nStatus: data.status }
            combo.choose(entry)
            compare(combo.editTextModel.text, data.boxText)
        } else {
            search(data.text)
        }
        compare(shownKeys(), data.shown)
        compare(child("emptyState").visible, data.shown.length === 0)
        if (data.empty)
            compare(child("emptyStateText").text, data.empty)
        rectEquipmentId.signal_SetUiData(23, "", 0)
        compare(child("deviceSearchField").editModel.text, "")
        compare(SearchManager.qstrDeviceCurrentCountryCode + SearchManager.qstrDeviceCurrentStatusCode
                + SearchManager.qstrDeviceCurrentLineStatusCode, "")
    }

    // The header box is ticked only while the list has rows and all of them are ticked.
    function test_headerBox() {
        var head = child("headTick")
        search("pixel")
        click("headTick")
        verify(head.checked)
        compare(child("selectedCount").text, "Selected: 2")
        click("rowTick_DEV-C")
        verify(!head.checked)
        click("rowTick_DEV-C")
        verify(head.checked)
        // A new filter starts with nothing ticked among the rows it had shown.
        search("galaxy")
        compare(shownKeys(), ["DEV-B"])
        verify(!head.checked)
        search("no such device")
        verify(!head.checked)
        click("headTick")
        verify(!head.checked)
        rectEquipmentId.signal_SetUiData(23, "", 0)
        compare(rectEquipmentId.listModel.count, 0)
        verify(!head.checked)
    }

    function test_batchWithNothingTickedSendsNothing_data() {
        return [
            { tag: "settings", button: "batchSettingsButton", tip: "Please select the device that needs to be sited" },
            { tag: "connection", button: "batchConnectButton", tip: "Please select the device that needs to be connected" },
            { tag: "disconnection", button: "batchDisconnectButton", tip: "Please select the device that needs to be disconnected" },
            { tag: "notes", button: "batchNotesButton", tip: "Please select the device that needs to be noted" }
        ]
    }
    function test_batchWithNothingTickedSendsNothing(data) {
        click(data.button)
        compare(popupTips.tips, [data.tip])
        compare([popupBatchDisconnect.opened, remarkPopup.calls.length, popupEquipmentLine.calls.length],
                [false, 0, 0])
        wait(300)
        compare(JSON.parse(sandbox.log()), [])
        compare(codesOf(179), [])
    }

    function test_connectSwitch_data() {
        return [
            { tag: "off, line bound: connects", key: "DEV-E", sent: ["1"], code: [7], line: [], confirm: false },
            { tag: "off, no line: bind and connect", key: "DEV-C", sent: [], code: [], line: [0], confirm: false },
            { tag: "on: asks first", key: "DEV-A", sent: [], code: [], line: [], confirm: true }
        ]
    }
    function test_connectSwitch(data) {
        click("connectSwitch_" + data.key)
        compare(rectEquipmentId.currentDeviceSession, data.key)
        compare(popupEquipmentLine.calls, data.line)
        if (data.line.length > 0)
            compare(rectEquipmentId.currentBindType, 1)
        compare(popupBatchDisconnect.opened, data.confirm)
        if (data.sent.length > 0)
            tryVerify(function () { return requests(saveRoute).length === 1 }, 10000)
        else
            wait(300)
        compare(requests(saveRoute).map(function (entry) { return entry.form.proxy_status }), data.sent)
        compare(codesOf(179), data.code)
    }

    function test_confirmationCodes_data() {
        return [
            { tag: "row switch off", ticks: [], press: "connectSwitch_DEV-A", serials: "DEV-A", status: "0",
              code: 3, busy: "Device is disconnecting...", after: { "DEV-A": false, "DEV-D": true } },
            { tag: "batch disconnection", ticks: ["DEV-A", "DEV-D"], press: "batchDisconnectButton",
              serials: "DEV-A,DEV-D", status: "0", code: 5, busy: "Device is disconnecting...",
              after: { "DEV-A": false, "DEV-D": false } },
            { tag: "batch connection", ticks: ["DEV-C", "DEV-E"], press: "batchConnectButton",
              serials: "DEV-C,DEV-E", status: "1", code: 8, busy: "Device is connecting...",
              after: { "DEV-C": true, "DEV-E": true } }
        ]
    }
    function test_confirmationCodes(data) {
        tick(data.ticks)
        click(data.press)
        verify(popupBatchDisconnect.opened)
        compare(findChild(popupBatchDisconnect.contentItem, "confirmSelected").visible, data.ticks.length > 0)
        mouseClick(findChild(popupBatchDisconnect.contentItem, "confirmOk"))
        tryVerify(function () { return !popupBatchDisconnect.visible })
        tryVerify(function () { return requests(saveRoute).length === 1 }, 10000)
        var form = requests(saveRoute)[0].form
        compare([form.device_sn, form.proxy_status], [data.serials, data.status])
        compare(codesOf(179), [data.code])
        compare(rectEquipmentId.busyText, data.busy)
        // Success refreshes the list in place.
        tryVerify(function () { return requests(listRoute).length === 1 && unlocked() }, 10000)
        tryVerify(function () { return !child("deviceBusyLayer").visible })
        for (var key in data.after)
            tryCompare(rectEquipmentId.listModel.get(shownKeys().indexOf(key)), "bIsProxy", data.after[key])
        compare(shownKeys(), allDevices)
    }

    function test_periodicRefreshKeepsTheList() {
        rectEquipmentId.nRefreshMs = 100
        rectEquipmentId.visible = false
        rectEquipmentId.visible = true
        tryVerify(function () { return requests(listRoute).length >= 3 }, 10000)
        rectEquipmentId.nRefreshMs = 60000
        rectEquipmentId.visible = false
        rectEquipmentId.visible = true
        tryVerify(unlocked, 10000)
        verify(!bListEmptied)
        compare(shownKeys(), allDevices)
        compare(codesOf(172).filter(function (n) { return n !== 1 }), [])
    }

    // A connection the stand-in closes: each lock the request set comes off again.
    function test_closedConnectionUnlocks_data() {
        return [
            { tag: "device list", route: "/api/client/get_device_list", press: "deviceRefreshButton" },
            { tag: "save", route: "/api/client/save_device", press: "connectSwitch_DEV-E",
              failure: "The service could not be reached. Please try again." }
        ]
    }
    function test_closedConnectionUnlocks(data) {
        verify(sandbox.script(JSON.stringify({ "route": data.route, "mode": "close", "times": -1 })))
        click(data.press)
        tryVerify(function () { return requests(data.route).length > 0 }, 10000)
        tryVerify(function () {
            return unlocked() && !child("deviceBusyLayer").visible && !child("deviceProgress").running
        }, 20000)
        verify(child("deviceSearchButton").btnModel.enabled)
        if (data.failure) {
            compare([child("deviceNotice").text, child("deviceNotice").bSuccess], [data.failure, false])
            verify(coversNoFilter(child("deviceNotice")))
        }
        sandbox.reset()
    }

    function coversNoFilter(notice) {
        var a = notice.mapToItem(rectEquipmentId, 0, 0, notice.width, notice.height)
        return ["deviceCountryCombo", "deviceStatusCombo", "lineStatusCombo", "deviceSearchField",
                "deviceSearchButton", "tutorialLink"].every(function (name) {
            var b = child(name).mapToItem(rectEquipmentId, 0, 0, child(name).width, child(name).height)
            return a.x + a.width <= b.x || b.x + b.width <= a.x || a.y + a.height <= b.y
                   || b.y + b.height <= a.y
        })
    }

    function test_signedOutOpensSignIn_data() {
        return [
            { tag: "refresh", press: "deviceRefreshButton" },
            { tag: "batch settings", press: "batchSettingsButton" },
            { tag: "batch connection", press: "batchConnectButton" },
            { tag: "batch disconnection", press: "batchDisconnectButton" },
            { tag: "batch notes", press: "batchNotesButton" },
            { tag: "site", press: "siteButton_DEV-A" },
            { tag: "switch", press: "connectSwitch_DEV-E" },
            { tag: "remark", press: "remarkButton_DEV-A" }
        ]
    }
    function test_signedOutOpensSignIn(data) {
        tick(["DEV-A"])
        globleParam.nIsLogin = 0
        click(data.press)
        compare(window_main.nLogins, 1)
        compare([popupTips.tips.length, remarkPopup.calls.length, popupEquipmentLine.calls.length,
                 popupBatchDisconnect.opened], [0, 0, 0, false])
        wait(300)
        compare(JSON.parse(sandbox.log()), [])
        compare(shownKeys(), allDevices)
    }
}
