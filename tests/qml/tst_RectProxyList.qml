import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import Curl.InterfaceRecv 1.0
import Globle.Param 1.0
import Proxy.Param 1.0
import Search.Param 1.0
import "../../src/qml/Rect"
import "helpers"

// The Proxy List page over the real ProxyManager, filled through its cache setter and parse
// entries as the list request's answer would.
TestCase {
    id: testCase
    name: "RectProxyList"
    width: 1000
    height: 600
    visible: true
    when: windowShown

    QtObject {
        id: window_main
        property real dp: 1
        property int nLogins: 0
        function showLogin() { nLogins++ }
        function hideIPPart(ip) { return ip.split(".").slice(0, 2).join(".") + ".***.***" }
        function formatTimeFromTimeStamp(t) { return "at " + t }
    }
    QtObject {
        id: curlRecv
        property var calls: []
        signal signal_SetUiData(int nType, string qstrValue, int nValue)
        function pushGetLineList(n) { calls.push("line " + n) }
        function pushGetStaticLineList(n) { calls.push("static " + n) }
        function checkUserStaticIPExpire(ip) { calls.push("expire " + ip) }
    }
    Item {
        id: mainLoader
        signal signal_SetUiData(int nType, string qstrValue, int nValue)
    }
    QtObject {
        id: popupForwared
        property var opened: []
        function openAt(nX, nY, bFavorite) { opened.push([nX, nY, bFavorite]) }
    }
    QtObject { id: popupPortForwardList; function windowInit(n) {} }
    QtObject { id: popupBrowser; function windowInit(n) {} }
    GlobleParam { id: globleParam }
    MarkupProbe { id: probe }
    CurlInterfaceRecv { id: service }
    FocusProbe { id: focusProbe }
    LocationSequences { id: sequences; service: service; page: page; nOrigin: 1 }

    RectProxyList {
        id: page
        anchors.fill: parent
    }

    readonly property var listView: page.listView

    // Eight exits in an order that is neither sorted nor reversed.
    readonly property var ips: ["10.0.0.5", "10.0.0.2", "10.0.0.8", "10.0.0.1", "10.0.0.7",
                                "10.0.0.3", "10.0.0.6", "10.0.0.4"]

    function lines(list, extra) {
        return JSON.stringify(list.map(function (ip) {
            var n = Number(ip.split(".")[3])
            var line = { ip: ip, country: "US", state: n % 2 ? "NY" : "", city: "", postal: "100" + n,
                         isp: "isp" + n, sn: "sn-" + ip, expire_time: 1700000000 + n }
            for (var key in extra)
                line[key] = extra[key]
            return line
        }))
    }

    // A new list as the answer of the list request brings it.
    function answer(list) {
        proxyFixture.storeLineList(lines(list), 1)
        ProxyManager.beginRarseProxyListData()
        page.signal_SetUiData(113, "", 1)
    }

    function shownIps() {
        listView.forceLayout()
        var shown = []
        for (var i = 0; i < listView.count; ++i)
            shown.push(ProxyManager.getListModel(1).get(i).qstrIp)
        return shown
    }

    function unsortedIps() {
        return ProxyManager.getDataType(1, 0).map(function (row) { return row.qstrIp })
    }

    function head(nAsc) { return findChild(page, "sortHead" + nAsc) }
    function marks() { return [1, 3, 5, 7, 9, 11, 13].map(function (n) { return head(n).nSort }) }

    function rowItem(nIndex) {
        listView.positionViewAtIndex(nIndex, ListView.Contain)
        listView.forceLayout()
        return listView.itemAtIndex(nIndex)
    }

    function init() {
        globleParam.nIsLogin = 1
        globleParam.nMealType = 1
        globleParam.nHeadListState = 1
        waitForRendering(page)
        page.signal_SetUiData(165, "enable", 1)
        answer(ips)
        curlRecv.calls = []
        popupForwared.opened = []
    }

    function test_sortCycle() {
        var sorted = ips.slice().sort()
        var clicks = [[1, sorted], [2, sorted.slice().reverse()], [1, sorted]]
        clicks.forEach(function (click) {
            mouseClick(head(1))
            compare(head(1).nSort, click[0])
            compare(shownIps(), click[1])
        })
        mouseClick(head(5))
        compare(marks(), [0, 0, 1, 0, 0, 0, 0])
        gc()
        compare(shownIps().length, ips.length)
    }

    // 113 for another page keeps this page's marked order, also for rows filed since; this
    // page's own new list (113, 167) is shown unsorted and unmarked.
    function test_headerMarks_data() {
        return [
            { tag: "113 other page", type: 113, value: 10, marked: true },
            { tag: "113 this page", type: 113, value: 1, marked: false },
            { tag: "167 this page", type: 167, value: 1, marked: false }
        ]
    }
    function test_headerMarks(data) {
        mouseClick(head(1))
        mouseClick(head(1))
        var fresh = ["10.0.1.4", "10.0.1.9", "10.0.1.2", "10.0.1.7", "10.0.1.1", "10.0.1.8"]
        proxyFixture.storeLineList(lines(fresh), 1)
        if (data.type === 113)
            ProxyManager.beginRarseProxyListData()
        page.signal_SetUiData(data.type, "", data.value)
        compare(head(1).nSort, data.marked ? 2 : 0)
        var shown = shownIps()
        compare(shown.length, data.type === 167 ? ips.length + fresh.length : fresh.length)
        compare(shown, data.marked ? shown.slice().sort().reverse() : unsortedIps())
    }

    // Messages with the static page's list identity: only 113 reloads this list.
    function test_otherPageMessages_data() {
        return [
            { tag: "113", type: 113, running: true },
            { tag: "158", type: 158, running: false },
            { tag: "167", type: 167, running: true },
            { tag: "168", type: 168, running: true }
        ]
    }
    function test_otherPageMessages(data) {
        data.running ? page.progress.start() : page.progress.stop()
        page.resultNotice.text = ""
        proxyFixture.storeLineList(lines(["10.0.2.1"]), 1)
        page.signal_SetUiData(data.type, "", 10)
        compare(page.progress.running, data.running)
        compare(listView.count, ips.length)
        compare(page.resultNotice.text, "")
        ProxyManager.beginRarseProxyListData()
        page.progress.stop()
    }

    // Every answer and failure of the page's request ends in "enable" (165, 1), which stops
    // the bar; a refusal (40) shows its reason, never "Successfully", and brings back no rows.
    // The empty list then tells the refusal's reason, not that nothing matched, until a list
    // arrives or a request starts; a binding's failure (40 with the list's value, once the
    // request has ended) is told but is no reason of the list.
    function test_requestEnds_data() {
        var refused = [[40, "No balance", 1], [165, "enable", 1]]
        var nothing = "No proxy were found matching the results."
        return [{ tag: "refused", bPage: false, messages: refused, notice: "No balance", rows: 0,
                  empty: "No balance" },
                { tag: "next page refused", bPage: true, messages: refused, notice: "No balance", rows: 8,
                  empty: "" },
                { tag: "nothing stored", bPage: false, messages: [[165, "enable", 1]], notice: "", rows: 0,
                  empty: nothing },
                { tag: "refused, then found nothing", bPage: false, messages: refused.concat([[113, "", 1]]),
                  notice: "No balance", rows: 0, empty: nothing },
                { tag: "refused, then asked again", bPage: false,
                  messages: refused.concat([[165, "disable", 0], [165, "enable", 1]]),
                  notice: "No balance", rows: 0, empty: nothing },
                { tag: "refused with markup", bPage: false,
                  messages: [[40, probe.markup, 1], [165, "enable", 1]], notice: probe.markup, rows: 0,
                  empty: probe.markup },
                { tag: "binding failed", bPage: false,
                  messages: [[165, "enable", 1], [40, "No free local port", 1]],
                  notice: "No free local port", rows: 0, empty: nothing }]
    }
    function test_requestEnds(data) {
        page.resultNotice.text = ""
        data.bPage ? page.addProxyLine(10) : page.refreshProxyLine(2)
        page.signal_SetUiData(165, "disable", 0)
        verify(page.progress.running)
        data.messages.forEach(function (m) { page.signal_SetUiData(m[0], m[1], m[2]) })
        verify(!page.progress.running)
        compare(page.resultNotice.text, data.notice)
        verify(data.notice === "" || !page.resultNotice.bSuccess)
        compare(listView.count, data.rows)
        compare(page.emptyNotice.visible, data.empty !== "")
        if (data.empty !== "") {
            compare(findChild(page, "emptyText").text, data.empty)
            verify(probe.shownAsTyped(findChild(page, "emptyText")))
        }
    }

    // Sorted by IP: row 0 is 10.0.0.1 (state NY), row 1 is 10.0.0.2.
    function test_choosingRows() {
        mouseClick(head(1))
        var zero = rowItem(0)
        zero.row.nPing = 0
        mouseClick(rowItem(1))
        compare([page.selectIp, page.selectArea, page.selectSn], ["10.0.0.2", "US-random-random", "sn-10.0.0.2"])
        mouseClick(rowItem(2))
        compare([page.selectCountry, page.selectState, page.selectArea], ["US", "NY", "US-random-NY"])
        verify(page.selectSessionId !== "")
        mouseClick(zero, 20, 10, Qt.RightButton)
        compare(listView.currentIndex, 0)
        compare([page.selectSessionId, page.selectIp, page.selectCountry, page.selectArea, page.selectSn],
                ["", "", "", "", ""])
        var point = zero.mapToItem(mainLoader, 20, 10)
        compare(popupForwared.opened, [[point.x, point.y, false]])
    }

    // The footer asks for the next page only from the very end of a list longer than the
    // view, and not while a request runs.
    function test_loadMore() {
        var many = []
        for (var i = 1; i <= 40; ++i)
            many.push("10.1.0." + i)
        answer(many.slice(0, 3))
        listView.positionViewAtEnd()
        wait(50)
        answer(many)
        listView.contentY = listView.contentHeight - listView.height - 5
        wait(50)
        page.signal_SetUiData(165, "disable", 0)
        listView.positionViewAtEnd()
        wait(50)
        listView.positionViewAtBeginning()
        page.signal_SetUiData(165, "enable", 1)
        compare(curlRecv.calls, [])
        listView.positionViewAtEnd()
        tryCompare(curlRecv, "calls", ["line 10"])
        verify(page.progress.running)
        verify(listView.footerItem.visible)
    }

    // The footer's spinner and "loading..." show while the next page is fetched, and not
    // once its answer or refusal has come, though the list is still at its end.
    function test_footerWhileFetching_data() {
        return [{ tag: "last page", messages: [[168, "", 1], [165, "enable", 1]] },
                { tag: "refused", messages: [[40, "No balance", 1], [165, "enable", 1]] }]
    }
    function test_footerWhileFetching(data) {
        var many = []
        for (var i = 1; i <= 40; ++i)
            many.push("10.1.0." + i)
        answer(many)
        listView.positionViewAtEnd()
        tryCompare(curlRecv, "calls", ["line 10"])
        page.signal_SetUiData(165, "disable", 0)
        var loading = findChild(listView.footerItem, "loadMoreSpinner").parent
        tryVerify(function () { return loading.visible })
        data.messages.forEach(function (m) { page.signal_SetUiData(m[0], m[1], m[2]) })
        verify(listView.bAtEnd)
        verify(!loading.visible)
    }

    // Tab and Down go round the six filter fields; Shift+Tab goes back from the IP field and
    // leaves the bar before the Country box ("" stands for outside the bar).
    function test_tabOrder_data() {
        return [
            { tag: "forwards", keys: [Qt.Key_Down, Qt.Key_Tab], names: ["countryCombo1", "stateCombo1",
                "cityCombo1", "ispCombo1", "zipCombo1", "ipSearch1", "countryCombo1"] },
            { tag: "backwards", keys: [Qt.Key_Backtab], names: ["ipSearch1", "zipCombo1", "ispCombo1",
                "cityCombo1", "stateCombo1", "countryCombo1", ""] }
        ]
    }
    function test_tabOrder(data) {
        var fields = data.names.map(function (name) {
            var field = name === "" ? page.filterBar : findChild(page, name)
            return field.editTextModel || field.editModel || field
        })
        fields[0].forceActiveFocus()
        for (var i = 1; i < fields.length; ++i) {
            var nKey = data.keys[i % data.keys.length]
            keyClick(nKey, nKey === Qt.Key_Backtab ? Qt.ShiftModifier : Qt.NoModifier)
            var focused = page.Window.activeFocusItem
            verify(data.names[i] === "" ? !focusProbe.isIn(focused, fields[i]) : fields[i].activeFocus,
                   data.names[i] + ": " + focused)
        }
    }

    // In the City box's open list, as a person at the keyboard: Down moves down the rows
    // rather than on to the next field, Return chooses and keeps the focus for the next key,
    // Escape closes.
    function test_cityListByKeys() {
        SearchManager.beginRarseAreaData(true)
        page.signal_SetUiData(110, "", 0)
        var city = findChild(page, "cityCombo1")
        mouseClick(city.editTextModel)
        keyClick("a")
        keyClick("n")
        compare(city.dataModel.length, 2)
        keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Return)
        compare([city.editTextModel.text, city.currentCode], ["San Francisco", "SFO"])
        verify(!city.comboBoxModel.visible)
        verify(city.editTextModel.activeFocus)
        keyClick(Qt.Key_Backspace)
        verify(city.comboBoxModel.visible)
        keyClick(Qt.Key_Escape)
        verify(!city.comboBoxModel.visible)
        page.signal_SetUiData(0, "", 1)
    }

    // A search typed before the catalogue's file was read is answered when it comes.
    function test_lateCatalogue() {
        globleParam.nMealType = 3
        SearchManager.beginRarseAreaData(true)
        page.signal_SetUiData(110, "", 0)
        var city = findChild(page, "cityCombo1")
        mouseClick(city.editTextModel)
        "San".split("").forEach(function (qstrKey) { keyClick(qstrKey) })
        verify(!city.comboBoxModel.visible)
        proxyFixture.storeAreaList(3)
        SearchManager.beginRarseAreaData(true)
        page.signal_SetUiData(110, "init", 0)
        compare(city.dataModel.length, 1)
        compare(city.dataModel[0].qstrName, "San Francisco")
        verify(city.comboBoxModel.visible)
        page.signal_SetUiData(0, "", 1)
    }

    // Under the static plan: the whole IP, the expiry column and "Renew" for the star.
    function test_planColumns_data() {
        return [
            { tag: "rotating plan", plan: 1, head: 3, noHead: 19, ip: "10.0.***.***", bStatic: false },
            { tag: "static plan", plan: 6, head: 19, noHead: 3, ip: "10.0.0.1", bStatic: true }
        ]
    }
    function test_planColumns(data) {
        mouseClick(head(1))
        // Off the heads: the plan change below takes them away, their tip's delay running.
        mouseMove(page, 1, page.height - 1)
        globleParam.nMealType = data.plan
        verify(head(data.head) !== null)
        verify(head(data.noHead) === null)
        var item = rowItem(0)
        compare(findChild(item, "cellip").text, data.ip)
        compare(findChild(item, "renewButton").visible, data.bStatic)
        compare(findChild(item, "collectCheck").visible, !data.bStatic)
        if (!data.bStatic)
            return
        compare(findChild(item, "cellexpire").text, "at 1700000001")
        mouseClick(findChild(item, "renewButton"))
        compare(curlRecv.calls, ["expire 10.0.0.1"])
    }

    // After each choice or clear every box offers what fits the levels above it and holds,
    // shows and hands over nothing else.
    function test_locationSequence_data() { return sequences.sequences }
    function test_locationSequence(data) { sequences.runBar(testCase, data.steps) }

    // The pages share the catalogue's choices: the page shown searches with its own again.
    function test_shownPageSearchesItsOwnChoices() {
        sequences.runBar(testCase, [sequences.sequences[1].steps[0]])
        SearchManager.setCurrentCode("US", 1, 0)
        page.visible = false
        page.visible = true
        var state = findChild(page, "stateCombo1")
        mouseClick(state.editTextModel)
        keyClick("C")
        keyClick("a")
        compare(sequences.names(state.dataModel), [])
        page.signal_SetUiData(0, "", 1)
    }
}
