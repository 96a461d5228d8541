import QtQuick 2.15
import QtQuick.Controls 2.15
import Proxy.Param 1.0
import Search.Param 1.0
import "../Animate"
import "../Button"
import "../ListView"
import "../Delegate"
import "../Popup"
import "../Progress"
import "../Style"

// What the proxy list and static list pages share: the location filter, the sortable
// header, the exit rows, the load-more footer, the notices and the bottom bar. The two pages
// set the differences (list, plan, request, look).
// Relies on the root's and main screen's ids: window_main, globleParam, curlRecv, mainLoader,
// popupForwared, popupPortForwardList, popupBrowser.
Item {
    id: page

    property int nOrigin: 1
    // The plan whose columns the rows show; 6 is the static plan.
    property int nPlan: globleParam.nMealType
    // The list request of the page: function (nValue).
    property var requestList: function (nValue) {}
    // What refreshComboCountry and a plan change hand to the catalogue.
    property int nComboCountry: 1
    // The footer asks for further pages of the list.
    property bool bPaging: true
    // Static list: no ping test on a choice, the row menu 5 units off the pointer.
    property bool bStaticPage: false
    property bool bOuterLabels: false
    // Told when this page's request answered (with whether the list is empty) and when the
    // list was cleared: function (bEmpty), function ().
    property var listAnswered: function (bEmpty) {}
    property var listCleared: function () {}

    property string selectSessionId: ""
    property string selectIp: ""
    property string selectServer: ""
    property string selectCountry: ""
    property string selectState: ""
    property string selectCity: ""
    property string selectArea: ""
    property string selectSn: ""

    // Search and Refresh are off while a list request runs.
    property bool bRequestEnabled: true
    // Why this page's last list request failed: a 40 with the page's identity while that
    // request runs (a binding's failure carries the same identity but comes at other times).
    // An empty list tells it instead of "nothing matched". Forgotten when a request starts,
    // a list arrives or the list is cleared.
    property string strRefusal: ""
    property alias filterBar: filterBar
    property alias listView: listView
    property alias emptyNotice: emptyNotice
    property alias resultNotice: resultNotice
    property alias progress: progress
    // The notice shown over an empty list; the pages give its content.
    default property alias emptyContent: emptyNotice.data
    property bool bVisableEmpty: listView.count === 0

    readonly property real dp: window_main.dp
    readonly property bool bStaticPlan: nPlan === 6
    readonly property string strNothingFound: qsTr("No proxy were found matching the results.")
                                              + globleParam.emptyString
    // Cells: key, title, share of twenty, sort types ascending / descending (0: no sort).
    readonly property var columns: [
        { key: "ip", title: QT_TR_NOOP("ProxyIP"), share: 3, asc: 1, desc: 2 }
    ].concat(bStaticPlan ? [{ key: "expire", title: QT_TR_NOOP("Expiration time"), share: 3, asc: 19, desc: 20 }]
                         : [{ key: "ping", title: QT_TR_NOOP("Ping"), share: 2, asc: 3, desc: 4 }]
    ).concat([
        { key: "country", title: QT_TR_NOOP("Country"), share: 2, asc: 5, desc: 6 },
        { key: "state", title: QT_TR_NOOP("State"), share: 2, asc: 7, desc: 8 },
        { key: "city", title: QT_TR_NOOP("City"), share: 2, asc: 9, desc: 10 },
        { key: "postal", title: QT_TR_NOOP("ZIP"), share: 2, asc: 11, desc: 12 },
        { key: "isp", title: QT_TR_NOOP("ISP"), share: bStaticPlan ? 5 : 6, asc: 13, desc: 14 },
        { key: "last", title: "", share: 1, asc: 0, desc: 0 }
    ])

    signal signal_SetUiData(int nType, string qstrValue, int nValue)

    function signedIn() {
        if (globleParam.nIsLogin === 1)
            return true
        window_main.showLogin()
        return false
    }

    // ---- Requests ----
    function refreshProxyLine(nValue) {
        if (!signedIn())
            return
        if (nValue !== 100)
            signal_SetUiData(123, "restart", 1)
        if (nValue === 3 || nValue === 100) {
            mainLoader.signal_SetUiData(1, "clear", 0)
            SearchManager.refershComboCountry(nComboCountry)
        }
        filterBar.handOver()
        if (nValue !== 100)
            requestList(nValue)
    }

    function addProxyLine(nValue) {
        if (!signedIn())
            return
        signal_SetUiData(158, "restart", nOrigin)
        filterBar.handOver()
        requestList(nValue)
    }

    function refreshComboCountry(nValue) {
        mainLoader.signal_SetUiData(1, "clear", 0)
        SearchManager.refershComboCountry(nValue)
    }

    // ---- Sorting ----
    function sortType() {
        for (var i = 0; i < heads.count; ++i) {
            var head = heads.itemAt(i)
            if (head.nSort !== 0)
                return head.nSort === 1 ? head.nAsc : head.nDesc
        }
        return 0
    }

    function sortBy(clicked) {
        for (var i = 0; i < heads.count; ++i) {
            var head = heads.itemAt(i)
            if (head !== clicked)
                head.nSort = 0
        }
        clicked.nSort = clicked.nSort === 1 ? 2 : 1
        ProxyManager.showView(nOrigin, sortType())
        listView.positionViewAtBeginning()
    }

    // A new list of this page is shown in the service's order and no header is marked; a
    // reload for another page keeps this page's order.
    function reloadList(bNewList) {
        if (bNewList)
            for (var i = 0; i < heads.count; ++i)
                heads.itemAt(i).nSort = 0
        ProxyManager.showView(nOrigin, sortType())
    }

    // ---- Rows ----
    function fillSelection(row) {
        var record = row ? row.qjsonLine : {}
        selectSessionId = row ? row.qstrSession : ""
        selectIp = row ? row.qstrIp : ""
        selectServer = selectIp
        selectCountry = record.country || ""
        selectState = record.state || ""
        selectCity = record.city || ""
        selectArea = row ? selectCountry + "-" + (selectCity || "random") + "-" + (selectState || "random") : ""
        selectSn = record.sn || ""
    }

    // A proxy list exit without a ping answer cannot be used: it leaves nothing chosen.
    function chooseRow(nIndex, row) {
        listView.currentIndex = nIndex
        fillSelection(!bStaticPage && row && row.nPing === 0 ? null : row)
    }

    function openRowMenu(item, nX, nY, row) {
        var nOffset = bStaticPage ? 5 * dp : 0
        var point = item.mapToItem(mainLoader, nX + nOffset, nY + nOffset)
        popupForwared.openAt(point.x, point.y, row ? row.bFavorite : false)
    }

    // ---- Messages ----
    function stopWithNotice(qstrText, bSuccess) {
        progress.stop()
        if (qstrText !== "")
            resultNotice.show(qstrText, bSuccess)
    }

    function takeNextPage() {
        var nOldCount = listView.count
        ProxyManager.appendRarseProxyListData()
        reloadList(true)
        stopWithNotice(listView.count > 0 ? qsTr("Successfully") + globleParam.emptyString : "", true)
        listView.positionViewAtIndex(listView.count > nOldCount ? nOldCount : Math.floor(nOldCount / 2),
                                     ListView.Center)
    }

    function answered(bEmpty) {
        strRefusal = ""
        listAnswered(bEmpty)
    }

    readonly property var pageActions: ({
        23: function (s, n) {
            ProxyManager.clearDataByType(nOrigin)
            listView.currentIndex = -1
            fillSelection(null)
            strRefusal = ""
            listCleared()
        },
        40: function (s, n) {
            if (n === nOrigin && !bRequestEnabled)
                strRefusal = s
            if (visible)
                stopWithNotice(s, false)
        },
        41: function (s, n) { if (visible) progress.stop() },
        113: function (s, n) {
            reloadList(n === nOrigin)
            if (n !== nOrigin)
                return
            stopWithNotice(listView.count > 0 ? qsTr("Successfully") + globleParam.emptyString : "", true)
            answered(listView.count === 0)
        },
        123: function (s, n) {
            signal_SetUiData(23, "clear", 1)
            progress.start()
        },
        158: function (s, n) { if (n === nOrigin) progress.start() },
        // Every answer and every failure of this page's request ends in "enable".
        165: function (s, n) {
            bRequestEnabled = n === 1
            if (bRequestEnabled)
                progress.stop()
            else
                strRefusal = ""
        },
        167: function (s, n) { if (n === nOrigin && bPaging) takeNextPage() },
        168: function (s, n) {
            if (n !== nOrigin)
                return
            stopWithNotice(strNothingFound, false)
            answered(true)
        }
    })

    onSignal_SetUiData: {
        if (filterBar.handleLocationMessage(nType, qstrValue, nValue))
            return
        var action = pageActions[nType]
        if (action)
            action(qstrValue, nValue)
    }

    LocationFilterBar {
        id: filterBar
        width: parent.width
        nOrigin: page.nOrigin
        bOuterLabels: page.bOuterLabels
        bSearchEnabled: page.bRequestEnabled
        onClearClicked: {
            if (!page.signedIn())
                return
            page.signal_SetUiData(0, "clear", page.nOrigin)
            page.refreshProxyLine(0)
        }
        onSearchClicked: page.refreshProxyLine(1)
    }

    Rectangle {
        id: listArea
        anchors.top: filterBar.bottom
        anchors.topMargin: 10 * dp
        anchors.bottom: bottomBar.top
        anchors.bottomMargin: 8 * dp
        width: parent.width
        radius: 4 * dp
        color: "white"
        clip: true

        Row {
            id: header
            width: parent.width
            height: 36 * dp
            Repeater {
                id: heads
                model: page.columns
                delegate: ListHeadSortBtn {
                    id: head
                    objectName: "sortHead" + modelData.asc
                    readonly property int nAsc: modelData.asc
                    readonly property int nDesc: modelData.desc
                    width: listArea.width * modelData.share / 20
                    height: header.height
                    nLeftMargin: 12
                    bAllowSort: modelData.asc !== 0
                    textShow: modelData.title !== "" ? qsTr(modelData.title) + globleParam.emptyString : ""
                    btnModel.onClicked: page.sortBy(head)
                }
            }
        }
        Rectangle {
            anchors.top: header.bottom
            width: parent.width
            height: 1
            color: "#ECEEF4"
        }

        ListProgress {
            id: progress
            objectName: "listProgress"
            anchors.top: header.bottom
            width: parent.width
        }

        ListView {
            id: listView
            objectName: "proxyListView" + page.nOrigin
            anchors.top: header.bottom
            anchors.topMargin: 2 * dp
            anchors.bottom: parent.bottom
            width: parent.width
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            model: ProxyManager.getListModel(page.nOrigin)
            currentIndex: -1
            ScrollBar.vertical: ScrollBar { id: listBar; objectName: "listScrollBar" }

            // The footer shows, and asks for the next page, when the list is longer than the
            // view and is scrolled to its very end.
            readonly property bool bAtEnd: page.bPaging && count > 0 && contentHeight > height && atYEnd
            onBAtEndChanged: {
                if (bAtEnd && page.bRequestEnabled && globleParam.nHeadListState === 1)
                    page.addProxyLine(10)
            }

            delegate: ProxyLineModel {
                id: line
                width: listView.width
                row: model.modelData
                nIndex: index
                columns: page.columns
                bChosen: ListView.isCurrentItem
                bStaticPlan: page.bStaticPlan
                bStaticLook: page.bStaticPage
                nListType: page.nOrigin
                onChosen: page.chooseRow(nIndex, row)
                onMenuAsked: page.openRowMenu(line, nX, nY, row)
            }

            footer: Item {
                width: listView.width
                height: page.bPaging ? 64 * page.dp : 0
                visible: page.bPaging
                Column {
                    anchors.centerIn: parent
                    // At the end the only request is the next page's: every other one empties
                    // the list first.
                    visible: listView.bAtEnd && !page.bRequestEnabled
                    spacing: 4 * page.dp
                    FishSpinner {
                        objectName: "loadMoreSpinner"
                        anchors.horizontalCenter: parent.horizontalCenter
                        radius: 10
                        timerModel.running: visible
                    }
                    Text {
                        text: qsTr("loading...") + globleParam.emptyString
                        color: "#8C92AC"
                        font.family: Theme.fontFamily
                        font.pixelSize: 12 * page.dp
                    }
                }
            }
        }
        RowFocus { view: listView }

        Column {
            id: emptyNotice
            objectName: "emptyNotice" + page.nOrigin
            anchors.centerIn: listView
            spacing: 12 * dp
            visible: page.bVisableEmpty
        }
    }

    ResultNotice {
        id: resultNotice
        objectName: "resultNotice"
        // Beside the bottom bar, where it covers no row.
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.verticalCenter: bottomBar.verticalCenter
    }

    Row {
        id: bottomBar
        anchors.bottom: parent.bottom
        anchors.right: parent.right
        height: 36 * dp
        spacing: 10 * dp
        TextAndBackButton {
            objectName: "portForwardListButton" + page.nOrigin
            height: parent.height
            colorBackNor: "white"
            colorBorder: "#EBEDF4"
            btnText: qsTr("PortForwardList") + globleParam.emptyString
            btnModel.onClicked: if (page.signedIn()) popupPortForwardList.windowInit(0)
        }
        TextAndBackButton {
            objectName: "refreshButton" + page.nOrigin
            height: parent.height
            btnModel.enabled: page.bRequestEnabled
            colorBackNor: "#FF5C00"
            colorBackHot: "#FF7A2E"
            colorUnEnable: "#FFC3A1"
            colorTextNor: "white"
            colorTextHot: "white"
            colorTextDisable: "white"
            btnText: qsTr("Refresh") + globleParam.emptyString
            btnModel.onClicked: page.refreshProxyLine(2)
        }
    }
}
