//@sandbox
import QtQuick 2.15
import QtTest 1.15
import Curl.InterfaceRecv 1.0
import Globle.Param 1.0
import Proxy.Param 1.0
import "../../src/qml/Rect"
import "helpers"

// The Favorite List page over the real proxy store: exits of the stand-in's pool reported
// by the engine, starred from the today list.
TestCase {
    id: testCase
    LocationSequences { id: sequences; service: curlRecv; page: page; nOrigin: 3 }
    name: "RectFavoriteList"
    width: 1100
    height: 600
    visible: true
    when: windowShown

    property var sessions: []
    // Off: the page is not told that the favourites changed, so it does not reload.
    property bool bRouteChanges: true

    GlobleParam { id: globleParam }
    // The favourites changed (135): the main screen hands it to the page as 134.
    CurlInterfaceRecv {
        id: curlRecv
        onSignal_SetUiData: if (nType === 135 && testCase.bRouteChanges)
                                page.signal_SetUiData(134, qstrValue, nValue)
    }
    QtObject {
        id: window_main
        property real dp: 1
        function showLogin() {}
    }
    Item {
        id: mainLoader
        anchors.fill: parent
        property int nRectPage: 0
        property var entries: []
        signal signal_SetUiData(int nType, string qstrValue, int nValue)
        function checkEntry(nNumber) { entries.push(nNumber) }
    }
    Timer { id: snCheckTimer }
    QtObject {
        id: popupForwared
        function openAt(nX, nY, bFavorite) {}
    }
    QtObject {
        id: popupPortForwardList
        function windowInit(nValue) {}
    }
    QtObject {
        id: popupBrowser
        function windowInit(nValue) {}
    }
    QtObject {
        id: remarkPopup
        property var received: []
        function signal_SetUiData(nType, qstrValue, nValue) { received.push([nType, qstrValue, nValue]) }
    }

    RectFavoriteList {
        id: page
        anchors.fill: parent
    }

    function initTestCase() {
        sandbox.attach(curlRecv)
        globleParam.nIsLogin = 1
        verify(findChild(page, "emptyNotice3").visible)
        compare(findChild(page, "emptyText").text, "Favouritelist is empty,")

        var request = new XMLHttpRequest()
        request.open("GET", sandbox.apiUrl + "/api/client/user_static")
        request.send()
        tryCompare(request, "readyState", XMLHttpRequest.DONE, 5000)
        var pool = JSON.parse(request.responseText).data.slice(0, 3)
        pool.forEach(function (exit, i) {
            exit.ip_time_type = "1"
            exit.port = String(30000 + i) // the engine names one of our ports
            ProxyManager.parseApiRecv(JSON.stringify({ "code": 1, "data": exit }))
        })
        ProxyManager.beginParseApiTodayListData()
        sessions = ProxyManager.getDataType(2, 0).map(function (row) { return row.qstrSession })
        compare(sessions.length, 3)
        sessions.forEach(function (session) { ProxyManager.setFavoriteByParam(session, 2, true) })
        compare(rowItems().length, 3)
        verify(!findChild(page, "emptyNotice3").visible)
    }

    function rowItems() {
        var view = findChild(page, "proxyListView3")
        view.forceLayout()
        var items = []
        for (var i = 0; i < view.count; ++i)
            items.push(view.itemAtIndex(i))
        return items
    }

    function starOf(item) { return findChild(item, "collectCheck_3_" + item.nRowIndex) }

    function rowOf(session) {
        return rowItems().filter(function (item) { return item.row.qstrSession === session })[0]
    }

    // The star follows its row at once, without a reload of the list.
    function test_starFollowsRow() {
        var session = sessions[1]
        gc()
        var star = starOf(rowOf(session))
        verify(star.checked)
        bRouteChanges = false
        ProxyManager.getFavoirteListByKey(session).bFavorite = false
        verify(!star.checked)
        ProxyManager.setFavoriteByParam(session, 2, true)
        bRouteChanges = true
        verify(star.checked)
        gc()
        verify(starOf(rowOf(session)).checked)
    }

    function test_penOpensRemarkOfItsRow() {
        gc()
        mouseClick(findChild(rowOf(sessions[2]), "remarkPen"))
        compare(remarkPopup.received, [[100, sessions[2], 1]])
    }

    function test_locationSequence_data() { return sequences.sequences }
    function test_locationSequence(data) { sequences.runBar(testCase, data.steps) }
}
