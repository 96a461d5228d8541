//@sandbox
import QtQuick 2.15
import QtTest 1.15
import Curl.InterfaceRecv 1.0
import Globle.Param 1.0
import Proxy.Param 1.0
import "../../src/qml/Rect"
import "helpers"

// The Today List page over the real proxy store, filled with exits of the stand-in's pool
// as the engine reports them; its online check goes to the stand-in.
TestCase {
    id: testCase
    LocationSequences { id: sequences; service: curlRecv; page: page; nOrigin: 2 }
    name: "RectTodayList"
    width: 1100
    height: 600
    visible: true
    when: windowShown

    // Pool exits by the plan they are reported with: two rotating (checked online), one
    // 24-hour and one static (never listed here): US (LAX), FR, BR, US (NYC).
    readonly property var poolIndexes: [0, 3, 2, 1]
    property var exits: []
    property var loginShown: 0

    GlobleParam { id: globleParam }
    CurlInterfaceRecv {
        id: curlRecv
        onSignal_SetUiData: if ([24, 113, 114].indexOf(nType) >= 0) page.signal_SetUiData(nType, qstrValue, nValue)
    }
    QtObject {
        id: window_main
        property real dp: 1
        function showLogin() { testCase.loginShown += 1 }
    }
    // The main screen's share: message 0 starts the check of the page shown.
    Item {
        id: mainLoader
        anchors.fill: parent
        property int nRectPage: 0
        property var entries: []
        signal signal_SetUiData(int nType, string qstrValue, int nValue)
        function checkEntry(nNumber) { entries.push(nNumber) }
        onSignal_SetUiData: {
            if (nType !== 0)
                return
            page.signal_SetUiData(2, "unenable", 0)
            ProxyManager.checkArraySn(nValue)
        }
    }
    Timer { id: snCheckTimer; interval: 300000 }
    QtObject {
        id: popupForwared
        property var opened: []
        function openAt(nX, nY, bFavorite) { opened.push([nX, nY, bFavorite]) }
    }
    QtObject {
        id: popupPortForwardList
        function windowInit(nValue) {}
    }
    QtObject {
        id: popupBrowser
        function windowInit(nValue) {}
    }

    RectTodayList {
        id: page
        anchors.fill: parent
    }

    // The whole pool, as the stand-in lists it for anyone.
    function fetchPool() {
        var request = new XMLHttpRequest()
        request.open("GET", sandbox.apiUrl + "/api/client/user_static")
        request.send()
        tryCompare(request, "readyState", XMLHttpRequest.DONE, 5000)
        return JSON.parse(request.responseText).data
    }

    function report(exit, strPlan) {
        var line = JSON.parse(JSON.stringify(exit))
        line.ip_time_type = strPlan
        line.port = String(30000 + exits.indexOf(exit)) // the engine names one of our ports
        ProxyManager.parseApiRecv(JSON.stringify({ "code": 1, "data": line }))
    }

    function initTestCase() {
        sandbox.attach(curlRecv)
        globleParam.nIsLogin = 1
        emptyNotice()
        var pool = fetchPool()
        exits = poolIndexes.map(function (i) { return pool[i] })
        report(exits[0], "1")
        report(exits[1], "1")
        report(exits[2], "3")
        report(exits[3], "6")
        ProxyManager.beginParseApiTodayListData()
        curlRecv.signal_SetUiData(114, "api refresh", 0)
    }

    function emptyNotice() {
        compare(page.nBtnState, 1)
        verify(findChild(page, "emptyNotice2").visible)
        compare(findChild(page, "emptyText").text, "Todaylist is empty,")
        mouseClick(findChild(page, "goToUse"))
        compare(mainLoader.entries, [1])
    }

    function init() {
        globleParam.nIsLogin = 1
        loginShown = 0
        popupForwared.opened = []
    }

    function rowItems() {
        var view = findChild(page, "proxyListView2")
        view.forceLayout()
        var items = []
        for (var i = 0; i < view.count; ++i)
            items.push(view.itemAtIndex(i))
        return items
    }

    function shownIps() {
        return rowItems().map(function (item) { return item.row.qstrIp }).sort()
    }

    function ipsOf(indexes) {
        return indexes.map(function (i) { return exits[i].ip }).sort()
    }

    // Codes in the boxes' order: country, state, city, ISP, zip.
    function setFilter(codes, strIp) {
        var bar = findChild(page, "filterBar")
        bar.combos.forEach(function (box, i) { box.currentCode = codes[i] })
        bar.ipField.editModel.text = strIp
    }

    // Local filtering: no choice and "random" list every held exit but the static one.
    function test_filter_data() {
        return [
            { tag: "empty", codes: ["", "", "", "", ""], ip: "", shown: [0, 1, 2] },
            { tag: "random", codes: ["random", "random", "random", "random", "random"], ip: "",
              shown: [0, 1, 2] },
            { tag: "country", codes: ["FR", "", "", "", ""], ip: "", shown: [1] },
            { tag: "ip text", codes: ["", "", "", "", ""], ip: exits[2].ip, shown: [2] },
            { tag: "no match", codes: ["", "", "", "", ""], ip: "10.9.9.9", shown: [] }
        ]
    }
    function test_filter(data) {
        setFilter(data.codes, data.ip)
        mouseClick(findChild(page, "searchButton2"))
        gc()
        compare(shownIps(), ipsOf(data.shown))
        compare(globleParam.nTodayDataNumbs, 3)
        compare(findChild(page, "emptyNotice2").visible, data.shown.length === 0)
        compare(findChild(page, "emptyText").text, "No proxy were found matching the results.")
        mouseClick(findChild(page, "clearAllButton2"))
        gc()
        compare(shownIps(), ipsOf([0, 1, 2]))
    }

    // Refresh waits for this page's check: neither another page's 113 nor Search or Clear
    // All enable it. The stand-in reports the first exit gone: it reads "False" in red, the
    // others stay.
    function test_refreshAndOffline() {
        verify(sandbox.script(JSON.stringify({ "route": "/api/sn_is_exist", "mode": "body", "times": 1,
            "body": { "code": 0, "msg": "success",
                      "data": [{ "sn": serialOf(0), "exist": 0 }, { "sn": serialOf(1), "exist": 1 }] } })))
        var refresh = findChild(page, "refreshButton2")
        mouseClick(refresh)
        compare(page.nBtnState, 0)
        verify(!refresh.btnModel.enabled)
        page.signal_SetUiData(113, "stop", 3)
        mouseClick(findChild(page, "searchButton2"))
        mouseClick(findChild(page, "clearAllButton2"))
        compare(page.nBtnState, 0)
        tryCompare(page, "nBtnState", 1, 10000)
        verify(refresh.btnModel.enabled)
        gc()
        rowItems().forEach(function (item) {
            var offline = item.row.qstrIp === exits[0].ip
            var online = findChild(item, "onlineCell")
            compare(online.text, offline ? "False" : "True", item.row.qstrIp)
            compare(online.color, offline ? page.colorTextItemOnline : page.colorTextItemNor)
        })
        var log = JSON.parse(sandbox.log()).filter(function (entry) { return entry.path === "/api/sn_is_exist" })
        compare(log.length, 1)
    }

    // The pool's serials are SN0001... in pool order.
    function serialOf(nExit) { return "SN" + ("000" + (poolIndexes[nExit] + 1)).slice(-4) }

    function test_signedOutButtons() {
        globleParam.nIsLogin = 0
        mouseClick(findChild(page, "refreshButton2"))
        mouseClick(findChild(page, "portForwardListButton2"))
        compare(loginShown, 2)
        compare(page.nBtnState, 1)
    }

    // Any button makes the row current; the right one opens the row menu at the pointer.
    function test_rowMenu() {
        var item = rowItems()[0]
        mouseClick(item, 30, 10, Qt.RightButton)
        compare(page.selectSessionId, item.row.qstrSession)
        var line = item.row.qjsonLine
        compare(page.selectArea, line.country + "-" + line.city + "-" + line.state)
        var point = item.mapToItem(mainLoader, 30, 10)
        compare(popupForwared.opened, [[point.x, point.y, item.row.bFavorite]])
        verify(item.bCurrent)
        mouseClick(rowItems()[1], 30, 10)
        compare(popupForwared.opened.length, 1)
        verify(!item.bCurrent)
    }

    function test_locationSequence_data() { return sequences.sequences }
    function test_locationSequence(data) { sequences.runBar(testCase, data.steps) }
}
