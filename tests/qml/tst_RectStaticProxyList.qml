import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import Curl.InterfaceRecv 1.0
import Globle.Param 1.0
import Proxy.Param 1.0
import "../../src/qml/Rect"
import "helpers"

// The Static ISP page over the real ProxyManager: the static answer is the whole list.
TestCase {
    id: testCase
    name: "RectStaticProxyList"
    width: 1000
    height: 600
    visible: true
    when: windowShown

    QtObject {
        id: window_main
        property real dp: 1
        function showLogin() {}
        function hideIPPart(ip) { return ip }
        function formatTimeFromTimeStamp(t) { return String(t) }
    }
    QtObject {
        id: curlRecv
        property var calls: []
        signal signal_SetUiData(int nType, string qstrValue, int nValue)
        function pushGetLineList(n) { calls.push("line " + n) }
        function pushGetStaticLineList(n) { calls.push("static " + n) }
    }
    Item {
        id: mainLoader
        signal signal_SetUiData(int nType, string qstrValue, int nValue)
    }
    QtObject { id: popupForwared; function openAt(nX, nY, bFavorite) {} }
    QtObject { id: popupPortForwardList; function windowInit(n) {} }
    QtObject { id: popupBrowser; function windowInit(n) {} }
    GlobleParam { id: globleParam }
    MarkupProbe { id: probe }
    CurlInterfaceRecv { id: service }
    LocationSequences { id: sequences; service: service; page: page; nOrigin: 10 }
    FocusProbe { id: focusProbe }

    RectStaticProxyList {
        id: page
        anchors.fill: parent
    }

    function answer(nCount) {
        var list = []
        for (var i = 1; i <= nCount; ++i)
            list.push({ ip: "10.6.0." + i, country: "US", expire_time: 1700000000 })
        proxyFixture.storeLineList(JSON.stringify(list), 10)
        ProxyManager.beginRarseStaticProxyListData()
        page.signal_SetUiData(113, "", 10)
    }

    function init() {
        globleParam.nIsLogin = 1
        globleParam.nHeadListState = 1
        curlRecv.calls = []
    }

    // A list longer than the view, scrolled to its end, asks for nothing more.
    function test_noFooter() {
        answer(40)
        compare(page.listView.count, 40)
        page.listView.positionViewAtEnd()
        wait(50)
        verify(page.listView.atYEnd)
        compare(page.listView.footerItem.height, 0)
        compare(curlRecv.calls, [])
    }

    function test_emptyNotice() {
        var text = findChild(page, "emptyText")
        answer(0)
        verify(page.bVisableEmpty)
        compare(text.text, "No proxy were found matching the results.")
        page.signal_SetUiData(23, "clear", 1)
        compare(text.text, "")
        page.signal_SetUiData(168, "", 10)
        compare(text.text, "No proxy were found matching the results.")
        answer(2)
        verify(!findChild(page, "emptyNotice10").visible)
    }

    // A refused or failed static list leaves the empty notice with the reason until a list
    // arrives; a binding's failure (40 with the list's value, outside the request) leaves it
    // empty.
    function test_refusedNotice_data() {
        var refused = [[165, "disable", 0], [40, "No balance", 10], [165, "enable", 1]]
        return [{ tag: "refused", messages: refused, text: "No balance" },
                { tag: "refused, then found nothing", messages: refused.concat([[168, "", 10]]),
                  text: "No proxy were found matching the results." },
                { tag: "refused with markup",
                  messages: [[165, "disable", 0], [40, probe.markup, 10], [165, "enable", 1]],
                  text: probe.markup },
                { tag: "binding failed", messages: [[40, "No free local port", 10]], text: "" }]
    }
    function test_refusedNotice(data) {
        page.refreshProxyLine(2)
        data.messages.forEach(function (m) { page.signal_SetUiData(m[0], m[1], m[2]) })
        compare(page.listView.count, 0)
        compare(findChild(page, "emptyText").text, data.text)
        verify(probe.shownAsTyped(findChild(page, "emptyText")))
    }

    // Shift+Tab and Tab walk the rows' Renew buttons in the list's order, each scrolled into
    // view and ringed as it takes the focus: they come in at the last or the first row shown
    // and leave the list past its ends.
    function test_rowsByKeyboard() {
        answer(40)
        var list = page.listView
        list.positionViewAtIndex(20, ListView.Beginning)
        var nLastShown = list.indexAt(1, list.contentY + list.height - 1)
        var faults = []
        var expect = function (nRow) {
            wait(0)
            var focused = Window.activeFocusItem
            var row = list.itemAtIndex(nRow)
            if (nRow < 0 || nRow >= list.count) {
                if (focusProbe.isIn(focused, list))
                    faults.push("past the list: " + focusProbe.names(focused))
            } else if (!row || !focusProbe.isIn(focused, row)) {
                faults.push(nRow + ": the focus is in " + focusProbe.names(focused))
            } else if (row.y < list.contentY || row.y + row.height > list.contentY + list.height) {
                faults.push(nRow + ": out of view")
            } else if (!focusProbe.ringShown(focused)) {
                faults.push(nRow + ": no ring")
            }
        }
        verify(focusProbe.reach(testCase, Window.window, Qt.Key_Backtab, list, 100))
        expect(nLastShown)
        for (var i = nLastShown - 1; i >= -1; --i) {
            keyClick(Qt.Key_Backtab, Qt.ShiftModifier)
            expect(i)
        }
        for (i = 0; i <= 40; ++i) {
            keyClick(Qt.Key_Tab)
            expect(i)
        }
        compare(faults, [])
    }

    // The static list offers no operator once a country is chosen, so its sequence leaves
    // the operator out; the levels above still hold only what fits.
    function test_locationSequence() {
        var steps = sequences.sequences[0].steps
        var withoutIsp = [steps[0], steps[1], steps[3]].map(function (step) {
            var copy = Object.assign({}, step)
            copy.offers = Object.assign({}, step.offers)
            delete copy.offers[4]
            return copy
        })
        sequences.runBar(testCase, withoutIsp)
    }
}
