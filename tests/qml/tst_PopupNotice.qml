import QtQuick 2.15
import QtTest 1.15
import QtQuick.Window 2.15
import "../../src/qml/Popup"
import "helpers"

TestCase {
    id: testCase
    name: "PopupNotice"
    width: 800
    height: 560
    visible: true
    when: windowShown

    // Stand-ins named like main.qml's objects, handed in the way main.qml hands them.
    QtObject {
        id: curlRecv
        property var calls: []
        function pushGetMsgList() { calls.push(["list"]) }
        function pushSaveReadMsg(qstrId) { calls.push(["read", qstrId]) }
    }
    QtObject {
        id: globleParam
        property int nUnreadMsgNum: 0
    }

    Component {
        id: popupComponent
        PopupNotice {
            service: curlRecv
            globals: globleParam
        }
    }

    property var popup: null
    FocusProbe { id: focusProbe }

    function init() {
        curlRecv.calls = []
        popup = createTemporaryObject(popupComponent, testCase)
        popup.windowInit(0)
        tryCompare(popup, "opened", true)
    }

    function noticeRow(nRow) {
        var list = findChild(popup.contentItem, "noticeList")
        list.forceLayout()
        return list.itemAtIndex(nRow)
    }

    function test_escapeCloses() {
        keyClick(Qt.Key_Escape)
        tryCompare(popup, "opened", false)
    }

    function test_emptyStateUntilNoticesCome() {
        compare(curlRecv.calls, [["list"]])
        verify(findChild(popup.contentItem, "noticeEmpty").visible)
        popup.signal_SetUiData(153, "[]", 0)
        verify(findChild(popup.contentItem, "noticeEmpty").visible)
        popup.signal_SetUiData(153, '[{"id": 1, "title": "Hello"}]', 0)
        verify(!findChild(popup.contentItem, "noticeEmpty").visible)
        popup.signal_SetUiData(153, "404 page not found", 0)
        compare(popup.noticeModel.count, 1)
        popup.windowQuit(-1)
        tryCompare(popup, "opened", false)
    }

    function test_openingANoticeMarksItRead() {
        popup.signal_SetUiData(153, JSON.stringify([
            {"id": 11, "title": "Maintenance", "info": "Tonight.", "read": 0, "start_time": 1},
            {"id": "r2", "title": "Old", "info": "Seen.", "read": 1, "start_time": 1}]), 0)
        globleParam.nUnreadMsgNum = 1
        curlRecv.calls = []
        // Nothing is chosen for the user: the right pane only hints, and nothing is marked read.
        verify(findChild(popup.contentItem, "noticeHint").visible)
        compare(curlRecv.calls, [])

        mouseClick(noticeRow(0))
        verify(!findChild(popup.contentItem, "noticeHint").visible)
        compare(popup.shownTitle, "Maintenance")
        compare(popup.shownInfo, "Tonight.")
        verify(noticeRow(0).selected && !noticeRow(1).selected)
        verify(!noticeRow(0).unread)
        compare(curlRecv.calls, [["read", "11"]])
        compare(globleParam.nUnreadMsgNum, 0)

        mouseClick(noticeRow(0)) // already read now
        mouseClick(noticeRow(1))
        compare(popup.shownTitle, "Old")
        verify(!noticeRow(0).selected && noticeRow(1).selected)
        compare(curlRecv.calls, [["read", "11"]])

        // The next list brings the service's marks back; the count never goes below 0.
        popup.signal_SetUiData(153, '[{"id": 11, "title": "Maintenance", "read": 0}]', 0)
        compare(popup.shownTitle, "")
        verify(noticeRow(0).unread && !noticeRow(0).selected)
        mouseClick(noticeRow(0))
        compare(curlRecv.calls, [["read", "11"], ["read", "11"]])
        compare(globleParam.nUnreadMsgNum, 0)
    }

    // By the keyboard alone: the list has the focus, which Tab leaves there; Up and Down move
    // its ringed row, Return or Space opens it.
    function test_keyboardOpensNotices() {
        popup.signal_SetUiData(153, JSON.stringify([{"id": 1, "title": "First", "read": 1},
                                                    {"id": 2, "title": "Second", "read": 1}]), 0)
        keyClick(Qt.Key_Tab)
        verify(focusProbe.isIn(Window.activeFocusItem, findChild(popup.contentItem, "noticeList")))
        keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Down)
        verify(focusProbe.ringShown(noticeRow(1)) && !focusProbe.ringShown(noticeRow(0)))
        keyClick(Qt.Key_Return)
        compare(popup.shownTitle, "Second")
        keyClick(Qt.Key_Up)
        keyClick(Qt.Key_Space)
        compare(popup.shownTitle, "First")
    }

    // Title and body are service text: markup in them is shown, never loaded.
    function test_markupInANoticeLoadsNothing() {
        var img = '<img src="http://127.0.0.1:' + connectionCounter.port + '/n.png">'
        popup.signal_SetUiData(153, JSON.stringify([{"id": 5, "title": img, "info": img}]), 0)
        mouseClick(noticeRow(0))
        compare(popup.shownInfo, img)
        wait(500)
        compare(connectionCounter.count(), 0)
    }

    function test_secondsAndMillisecondsShowTheSameTime() {
        popup.signal_SetUiData(153, JSON.stringify([
            {"id": 1, "title": "s", "start_time": 1700000000},
            {"id": 2, "title": "ms", "start_time": 1700000000000}]), 0)
        var expected = Qt.formatDateTime(new Date(1700000000000), "yyyy-MM-dd hh:mm:ss")
        compare(noticeRow(0).timeText, expected)
        compare(noticeRow(1).timeText, expected)
    }
}
