//@sandbox
import QtQuick 2.15
import QtTest 1.15
import Curl.InterfaceRecv 1.0
import Data.ListModel 1.0
import Globle.Param 1.0
import Proxy.Param 1.0
import "../../src/qml/Popup"
import "../../src/qml/Window"

// The row menu and its side popups against the real port pool and service object, inside a
// main screen of the window's size.
TestCase {
    id: testCase
    name: "PopupForwared"
    width: 1210
    height: 800
    visible: true
    when: windowShown

    readonly property int nBegin: 41000

    GlobleParam { id: globleParam }
    property var ui: []
    CurlInterfaceRecv {
        id: curlRecv
        onSignal_SetUiData: testCase.ui = testCase.ui.concat([[nType, qstrValue, nValue]])
    }
    BrowserWndModel { id: browserWndModel }
    PopupBrowser { id: popupBrowser; service: curlRecv; globals: globleParam; profiles: browserWndModel }

    component ListPage: QtObject {
        property string selectSessionId: ""
        property var got: []
        function signal_SetUiData(nType, qstrValue, nValue) { got = got.concat([[nType, qstrValue, nValue]]) }
    }
    ListPage { id: rectProxyListID }
    ListPage { id: rectTodayListID }
    ListPage { id: rectFavoriteListID }
    ListPage { id: rectStaticProxyListID }
    ListPage { id: popupCustom }

    Item {
        id: mainLoader
        property int nProxyType: 1
        anchors.fill: parent

        PopupForwared { id: popupForwared }
        PopupBindPort { id: popupBindPortId }
        PopupBindBrowserWnd { id: popupBindBrowserWndId }
    }

    function entry(name) { return findChild(popupForwared.contentItem, name) }
    function portRow(name) {
        findChild(popupBindPortId.contentItem, "bindPortList").forceLayout()
        findChild(popupBindPortId.contentItem, "bindRangeList").forceLayout()
        return findChild(popupBindPortId.contentItem, name)
    }
    // The first move into a popup only places the pointer; the second one hovers.
    function hover(item) {
        mouseMove(item, 2, 2)
        mouseMove(item)
    }
    function uiTypes() { return ui.map(function (message) { return message[0] }) }

    function initTestCase() {
        sandbox.attach(curlRecv)
        globleParam.nBeginPort = nBegin
        globleParam.nPortNumber = 3
        ProxyManager.addPortData(nBegin, 3)
    }

    function init() {
        popupForwared.close()
        mainLoader.nProxyType = 1
        globleParam.bOtherProxy = false
        globleParam.bBrowserBindOpen = false
        globleParam.qstrBrowserWndID = ""
        browserWndModel.clear()
        ;[rectProxyListID, rectTodayListID, rectFavoriteListID, rectStaticProxyListID, popupCustom]
            .forEach(function (page) { page.selectSessionId = "row-key"; page.got = [] })
        ui = []
    }

    function openMenu(nX, nY) {
        popupForwared.openAt(nX, nY, false)
        tryCompare(popupForwared, "opened", true)
    }

    function test_entries_data() {
        return [
            { tag: "proxy list", page: 1, other: false, shown: ["forwaredConnect", "forwaredPort", "forwaredRange", "forwaredFavorite"] },
            { tag: "today", page: 2, other: false, shown: ["forwaredConnect", "forwaredPort", "forwaredFavorite"] },
            { tag: "favourite", page: 3, other: false, shown: ["forwaredConnect", "forwaredPort", "forwaredFavorite"] },
            { tag: "static", page: 10, other: false, shown: ["forwaredConnect", "forwaredPort", "forwaredRange"] },
            { tag: "proxy list, other proxy", page: 1, other: true, shown: ["forwaredPort", "forwaredRange", "forwaredFavorite"] },
            { tag: "today, other proxy", page: 2, other: true, shown: ["forwaredPort", "forwaredFavorite"] }
        ]
    }
    function test_entries(data) {
        mainLoader.nProxyType = data.page
        globleParam.bOtherProxy = data.other
        popupForwared.openAt(100, 100, true)
        var shown = ["forwaredConnect", "forwaredPort", "forwaredRange", "forwaredFavorite"]
            .filter(function (name) { return entry(name).visible })
        compare(shown, data.shown)
        compare(popupForwared.height, 35 * data.shown.length + 20)
        if (entry("forwaredFavorite").visible)
            compare(entry("forwaredFavorite").btnText, "Remove from FavoriteList")
        compare(entry("forwaredRange").btnText, "Forward 41000-41002")
    }

    // Menu at (x, y); then the port list shown: where the menu and the side popups end up.
    function test_placement_data() {
        var nPortHeight = 3 * 25 + 2
        return [
            { tag: "room on the right", x: 300, y: 200, browser: false, menu: [300, 200], port: [525, 210] },
            { tag: "near the right edge", x: 1150, y: 200, browser: false, menu: [970, 200], port: [816, 210] },
            { tag: "side popup would not fit", x: 900, y: 200, browser: false, menu: [900, 200], port: [746, 210] },
            { tag: "near the bottom edge", x: 300, y: 780, browser: false, menu: [300, 620], port: [525, 800 - nPortHeight - 20] },
            { tag: "browser binding, right", x: 300, y: 200, browser: true, menu: [300, 200], port: [505, 210], wnd: [659, 210] },
            { tag: "browser binding, too wide", x: 700, y: 200, browser: true, menu: [700, 200], port: [546, 210], wnd: [321, 210] }
        ]
    }
    function test_placement(data) {
        globleParam.bBrowserBindOpen = data.browser
        browserWndModel.setJsonText('[{"id": "w1", "seq": 1, "name": "Shop"}]')
        openMenu(data.x, data.y)
        mouseClick(entry("forwaredPort"))
        tryCompare(popupBindPortId, "opened", true)
        compare([popupForwared.x, popupForwared.y], data.menu)
        compare([popupBindPortId.x, popupBindPortId.y], data.port)
        compare(popupBindPortId.height, 3 * 25 + 2)
        if (!data.wnd)
            return
        hover(portRow("bindPort41000"))
        tryCompare(popupBindBrowserWndId, "opened", true)
        compare([popupBindBrowserWndId.x, popupBindBrowserWndId.y], data.wnd)
    }

    function test_portClickBinds() {
        openMenu(300, 200)
        mouseClick(entry("forwaredPort"))
        tryCompare(popupBindPortId, "opened", true)
        var row = portRow("bindPort41001")
        compare(row.btnText, "41001 (Free)")
        mouseClick(row)
        compare(ui[0], [158, "", 1])
        compare(rectTodayListID.got, [[114, "", 0]])
        tryCompare(popupForwared, "visible", false)
        tryCompare(popupBindPortId, "visible", false)
    }

    function test_rangeClickStartsBatch() {
        mainLoader.nProxyType = 10
        openMenu(300, 200)
        mouseClick(entry("forwaredRange"))
        tryCompare(popupBindPortId, "opened", true)
        compare(popupBindPortId.y, 245)
        mouseClick(portRow("bindRange41000-41002"))
        compare(popupCustom.got, [[100, "41000-41002", 1]])
        tryCompare(popupForwared, "visible", false)
        compare(uiTypes(), [])
    }

    function test_browserWindow_data() {
        return [
            { tag: "binding on", open: true, shown: true },
            { tag: "binding off", open: false, shown: false }
        ]
    }
    function test_browserWindow(data) {
        globleParam.bBrowserBindOpen = data.open
        browserWndModel.setJsonText('[{"id": "w7", "seq": 3, "name": ""}]')
        openMenu(300, 200)
        mouseClick(entry("forwaredPort"))
        tryCompare(popupBindPortId, "opened", true)
        hover(portRow("bindPort41002"))
        compare(popupBindBrowserWndId.visible, data.shown)
        if (!data.shown)
            return
        compare(findChild(popupBindBrowserWndId.contentItem, "browserWndTitle").text, "BitBrowser-41002")
        var wnd = findChild(popupBindBrowserWndId.contentItem, "browserWndw7")
        compare(wnd.btnText, "3-Unnamed")
        mouseClick(wnd)
        compare(globleParam.qstrBrowserWndID, "w7")
        compare(uiTypes()[0], 158)
        tryCompare(popupBindBrowserWndId, "visible", false)
    }

    // A ping-0 row leaves no selection: every entry only closes the menu.
    function test_emptySelectionCallsNothing_data() {
        return [
            { tag: "connect", entry: "forwaredConnect" },
            { tag: "port", entry: "forwaredPort" },
            { tag: "range", entry: "forwaredRange" },
            { tag: "favourite", entry: "forwaredFavorite" }
        ]
    }
    function test_emptySelectionCallsNothing(data) {
        rectProxyListID.selectSessionId = ""
        openMenu(300, 200)
        hover(entry(data.entry))
        mouseClick(entry(data.entry))
        verify(!popupBindPortId.visible)
        tryCompare(popupForwared, "visible", false)
        compare(uiTypes(), [])
        compare(popupCustom.got, [])
    }
}
