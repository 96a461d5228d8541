import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Window 2.15
import Curl.InterfaceRecv 1.0
import Data.ListModel 1.0
import Globle.Param 1.0
import Language.Param 1.0
import Proxy.Param 1.0
import QelProxy.Param 1.0
import Search.Param 1.0
import System.Clip 1.0
import System.Line 1.0
import System.Tray 1.0
import "Popup"
import "Style"
import "Window"

// The client's one top-level window: the shared native objects, the popups above every
// page, the start screen, the application timers, the tray, and the first level of the UI
// message router.
ApplicationWindow {
    id: window_main
    objectName: "window_main"

    property real dp: 1
    property int nWidthDefault: 1210 * dp
    property int nHeightDefault: 800 * dp
    property int nWidthCurrent: width
    property int nHeightCurrent: height
    property string strTitle: "QelProxy"

    // Timer intervals in milliseconds; tests shorten them.
    property int nDebounceMs: 3000
    property int nStatusPollMs: 2000
    property int nSnCheckMs: 5 * 60 * 1000
    property int nPollingMsgMs: 30 * 60 * 1000
    property int nRecvCheckMs: 500
    property int nSecondMs: 1000
    // Start-up waits this long at most for the first frame (a window started minimised, or
    // a compositor holding frames, may show none).
    property int nFirstFrameBoundMs: 500

    // Messages forwarded to the main screen as they came.
    readonly property var forwardedUnchanged: [3, 24, 25, 26, 40, 41, 102, 116, 117, 118, 119,
        120, 121, 122, 123, 124, 126, 127, 128, 129, 130, 131, 132, 133, 135, 139, 148, 149,
        150, 151, 152, 154, 155, 156, 157, 158, 160, 161, 162, 165, 167, 168, 169, 171, 172,
        174, 176, 177, 178, 179, 180, 186, 187, 188, 189]

    signal windowQuit(int nValue)

    width: nWidthDefault
    height: nHeightDefault
    x: (Screen.desktopAvailableWidth - width) / 2
    y: (Screen.desktopAvailableHeight - height) / 2
    visible: true
    color: "transparent"
    flags: Qt.Dialog | Qt.FramelessWindowHint
    title: strTitle
    font.family: openSans.name

    QtObject {
        id: openSans
        readonly property string name: "Open Sans"
    }

    GlobleParam {
        id: globleParam
        objectName: "globleParam"
    }
    CurlInterfaceRecv {
        id: curlRecv
        objectName: "curlRecv"
        Component.onCompleted: timer_check_recv.start()
        onSignal_SetUiData: window_main.route(nType, qstrValue, nValue)
    }
    SystemClip {
        id: clipBoard
    }
    SystemLine {
        id: lineDraw
    }
    // The outside browser's profiles, shown by its settings popup and by port binding.
    BrowserWndModel {
        id: browserWndModel
    }

    SystemTrayIcon {
        id: systemTray
        visible: true
        icon: "qrc:/Icon/small.ico"
        toolTip: window_main.strTitle
        onTrigger: window_main.windowQuit(3)
        menu: MyMenu {
            MyAction {
                text: qsTr("Show") + globleParam.emptyString
                icon: "qrc:/Icon/tray_main_logo.png"
                onTriggered: window_main.windowQuit(3)
            }
            // Named so that a driven run can fire it; a menu takes only entries named
            // "MyAction" by itself, so this one is added once the menu is complete.
            MyAction {
                id: trayExit
                objectName: "trayExit"
                text: qsTr("Exit") + globleParam.emptyString
                icon: "qrc:/Icon/tray_escape_logo.png"
                onTriggered: window_main.windowQuit(-1)
            }
            Component.onCompleted: addAction(trayExit)
        }
    }

    Connections {
        target: ProxyGoProxy
        function onNApiPortChanged() { globleParam.nApiPort = ProxyGoProxy.nApiPort }
    }

    // Dragging by any empty spot moves the frameless window.
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.LeftButton
        property point pressPoint
        onPressed: pressPoint = Qt.point(mouse.x, mouse.y)
        onPositionChanged: {
            window_main.x += mouse.x - pressPoint.x
            window_main.y += mouse.y - pressPoint.y
        }
    }

    Loader {
        id: loaderStart
        objectName: "loaderStart"
        anchors.fill: parent
        active: false
        // Small enough to make at once: made asynchronously it waited for the incubator's slices.
        source: "./startLoader.qml"
        function emitItem(nType, qstrValue, nValue) {
            if (item)
                item.signal_SetUiData(nType, qstrValue, nValue)
        }
        function loadSourceByPath(strPath) { source = strPath }
        onStatusChanged: emitItem(status, ["loader null", "loader complete", "loader loading",
                                           "loader error"][status], 0)
    }

    Loader {
        id: loaderMain
        objectName: "loaderMain"
        anchors.fill: parent
        function emitItem(nType, qstrValue, nValue) {
            if (item)
                item.signal_SetUiData(nType, qstrValue, nValue)
        }
        function loadSourceByPath(strPath) { source = strPath }
        onStatusChanged: if (status === Loader.Ready) curlRecv.mainLoadReady()
    }

    // The kit's controls take the scale and the language from here.
    Binding { target: Theme; property: "dp"; value: window_main.dp }
    // globleParam.emptyString stays "", so a Binding would never notify: the kit's texts
    // are told of each new language here instead.
    Connections {
        target: globleParam
        function onLanguageChanged() { Theme.emptyStringChanged() }
    }

    // Start-up goes in two steps, each on the next frame or nFirstFrameBoundMs after the step
    // before, whichever comes first: the start screen, and once it is shown the sign-in
    // window and the popups, so the user sees it while they are made. Its first request
    // leads to every later message; those that come before the popups exist are held. Other
    // files reach the popups by these names.
    property bool bPopupsMade: false
    readonly property alias windowLoginID: loaderLogin.item
    readonly property alias popupUpdate: loaderUpdate.item
    readonly property alias popupTips: loaderTips.item
    readonly property alias popupPortForwardList: loaderPortForwardList.item
    readonly property alias popupFeedback: loaderFeedback.item
    readonly property alias popupNotice: loaderNotice.item
    readonly property alias popupBrowser: loaderBrowser.item
    // Messages that came before the popups existed, handed over once they do.
    property var heldMessages: []

    Connections {
        target: window_main
        enabled: !window_main.bPopupsMade
        function onFrameSwapped() { window_main.startUpStep() }
    }
    Timer {
        id: startUpBound
        interval: window_main.nFirstFrameBoundMs
        running: !window_main.bPopupsMade
        onTriggered: window_main.startUpStep()
    }

    // Each popup is one line here; the language walk counts the loaders under popupLoaders.
    component PopupLoader: Loader {
        anchors.fill: parent
        active: window_main.bPopupsMade
    }
    Item {
        id: popupLoaders
        objectName: "popupLoaders"
        anchors.fill: parent
        PopupLoader { id: loaderLogin; sourceComponent: Login { objectName: "windowLoginID"; service: curlRecv; globals: globleParam } }
        PopupLoader { id: loaderUpdate; sourceComponent: UpdatePopup { objectName: "popupUpdate"; service: curlRecv; globals: globleParam; onRequestWindowState: window_main.windowQuit(nValue) } }
        PopupLoader { id: loaderTips; sourceComponent: TipsCustomPopup { objectName: "popupTips"; service: curlRecv } }
        PopupLoader { id: loaderPortForwardList; sourceComponent: PortForwardList { objectName: "popupPortForwardList" } }
        PopupLoader { id: loaderFeedback; sourceComponent: PopupFeedback { objectName: "popupFeedback"; service: curlRecv; globals: globleParam; dp: window_main.dp } }
        PopupLoader { id: loaderNotice; sourceComponent: PopupNotice { objectName: "popupNotice"; service: curlRecv; globals: globleParam } }
        PopupLoader { id: loaderBrowser; sourceComponent: PopupBrowser { objectName: "popupBrowser"; service: curlRecv; globals: globleParam; profiles: browserWndModel } }
    }

    Timer {
        id: checkProxyStatusTimer
        interval: window_main.nStatusPollMs
        onTriggered: if (globleParam.nIsLogin === 1) curlRecv.pushGetServerStatus()
    }
    Timer {
        id: snCheckTimer
        objectName: "snCheckTimer"
        interval: window_main.nSnCheckMs
        repeat: true
        onTriggered: loaderMain.emitItem(2, "check", 0)
    }
    Timer {
        id: timerGetIpNum
        objectName: "timerGetIpNum"
        interval: globleParam.nRefreshTime * window_main.nSecondMs
        repeat: true
        onTriggered: if (globleParam.nIsLogin === 1) curlRecv.pushGetIpNum()
    }
    Timer {
        id: timer_PollingMsg
        objectName: "timer_PollingMsg"
        interval: window_main.nPollingMsgMs
        repeat: true
        onTriggered: curlRecv.pushGetMsgUnreadNum()
    }
    Timer {
        id: timerFavoriteCache
        interval: window_main.nDebounceMs
        onTriggered: ProxyManager.runFavoriteCache()
    }
    Timer {
        id: timerApiCache
        interval: window_main.nDebounceMs
        onTriggered: {
            ProxyManager.beginParseApiTodayListData()
            loaderMain.emitItem(114, "api refresh", 0)
        }
    }
    Timer {
        id: timerFreeCache
        interval: window_main.nDebounceMs
        onTriggered: {
            ProxyManager.beginParseFreePortData()
            loaderMain.emitItem(114, "api refresh", 0)
        }
    }
    AutoProgramTimer {
        id: timerAutoProgram
        nMinuteMs: 60 * window_main.nSecondMs
    }
    Timer {
        id: timer_check_recv
        interval: window_main.nRecvCheckMs
        repeat: true
        onTriggered: {
            if (curlRecv.getRecvBack() !== 1)
                return
            stop()
            if (curlRecv.getStartTimes() > 5)
                window_main.windowQuit(-1)
        }
    }

    function showLogin() { windowLoginID.signal_SetUiData(1, "show", 1) }
    function hideIPPart(ip) { return curlRecv.hideIPPart(ip) }
    function formatTimeFromTimeStamp(t) { return curlRecv.formatTimeFromTimeStamp(t) }
    function openPage(strUrl) { curlRecv.openUrlExternally(strUrl, 0) }

    // A server-driven side-bar entry was clicked.
    function onColumnBtnClick(nType, strUrl) {
        switch (nType) {
        case 1: loaderMain.emitItem(151, "", 1); break
        case 2: globleParam.nIsLogin === 1 ? popupNotice.windowInit(0) : showLogin(); break
        case 3: globleParam.nIsLogin === 1 ? popupFeedback.windowInit(0) : showLogin(); break
        case 4: loaderMain.emitItem(156, "", 4); break
        case 6: openPage(strUrl + curlRecv.additionalUrl()); break
        case 7:
            openPage(globleParam.qstrForgetPassUrl + curlRecv.additionalUrl()
                     + (globleParam.nIsLogin === 1 ? "&s=" + globleParam.qstrToken : ""))
            break
        }
    }

    function bringToFront() {
        show()
        if (globleParam.nWindowsState !== 0)
            return
        raise()
        requestActivate()
        flags = Qt.WindowStaysOnTopHint
        flags = Qt.Dialog | Qt.FramelessWindowHint | Qt.WindowSystemMenuHint
                | Qt.WindowMinimizeButtonHint | Qt.WindowMaximizeButtonHint
    }

    onWindowQuit: {
        switch (nValue) {
        case -1: show(); close(); break
        case 1: showMinimized(); break
        case 2: hide(); break
        case 3: bringToFront(); break
        case 7: if (loaderMain.status !== Loader.Ready) windowQuit(-1); break
        }
    }
    onClosing: globleParam.clearConfig()
    onActiveChanged: if (active) systemTray.icon = "qrc:/Icon/small.ico"
    onWidthChanged: loaderMain.emitItem(229, "width change", width)

    // What the first level does itself, by message type; the main screen's share is named
    // in each row. Types in forwardedUnchanged go on as they came; any other is dropped.
    readonly property var routes: ({
        1: function (s, n) { windowQuit(3) },
        2: function (s, n) { SearchManager.initSearch(); curlRecv.openCheckLocalIp() },
        4: function (s, n) { ProxyManager.parseApiRecv(s, n) },
        5: function (s, n) { timerApiCache.restart() },
        6: function (s, n) { timerFreeCache.restart() },
        7: function (s, n) { windowLoginID.signal_SetUiData(7, s, n) },
        8: function (s, n) { windowLoginID.signal_SetUiData(8, s, n) },
        9: function (s, n) { windowLoginID.signal_SetUiData(9, s, n) },
        10: function (s, n) {
            if (n === 0)
                popupUpdate.signal_SetUiData(10, s, 0)
            else
                popupUpdate.windowInit(4)
            loaderStart.emitItem(100, s, n)
            windowLoginID.signal_SetUiData(10, s, n)
        },
        11: function (s, n) { popupUpdate.windowInit(2) },
        12: function (s, n) { popupUpdate.windowInit(3) },
        13: function (s, n) { ProxyGoProxy.startProxy(n) },
        16: function (s, n) { windowQuit(-1) },
        17: function (s, n) { popupUpdate.signal_SetUiData(17, s, n) },
        18: function (s, n) { popupUpdate.signal_SetUiData(18, s, n) },
        20: function (s, n) { popupUpdate.signal_SetUiData(20, s, n) },
        21: function (s, n) { showLogin() },
        22: function (s, n) {
            if (n !== 1) {
                windowLoginID.signal_SetUiData(22, s, n)
                return
            }
            windowLoginID.close()
            curlRecv.signal_SetUiData(13, "start proxy", 1)
            snCheckTimer.start()
            timerGetIpNum.start()
            timer_PollingMsg.start()
            loaderMain.emitItem(114, s, n)
            loaderMain.emitItem(22, s, n)
        },
        23: function (s, n) {
            windowLoginID.signal_SetUiData(23, s, n)
            showLogin()
            ProxyGoProxy.stopProxy()
            snCheckTimer.stop()
            timerGetIpNum.stop()
            timer_PollingMsg.stop()
            loaderMain.emitItem(23, s, n)
            loaderMain.emitItem(147, s, n)
        },
        27: function (s, n) { checkProxyStatusTimer.start(); ProxyGoProxy.startMonitorProxyProcess() },
        28: function (s, n) {
            timerAutoProgram.stop()
            popupTips.signal_SetUiData(1, s, 0)
            loaderMain.emitItem(41, s, n)
        },
        29: function (s, n) { popupTips.signal_SetUiData(29, s, n); loaderMain.emitItem(41, s, n) },
        30: function (s, n) { popupTips.signal_SetUiData(30, s, n); loaderMain.emitItem(41, s, n) },
        50: function (s, n) { loaderMain.emitItem(50, s, n) },
        51: function (s, n) { checkProxyStatusTimer.restart() },
        100: function (s, n) {
            loaderStart.emitItem(100, s, n)
            loaderMain.loadSourceByPath("./mainLoader.qml")
            windowQuit(3)
            if (n === 1 || n === 2)
                windowLoginID.signal_SetUiData(10, s, n)
            LanguageManager.changeLanguage(globleParam.qstrLangCode)
            ProxyManager.addPortData(globleParam.nBeginPort, globleParam.nPortNumber)
            ProxyManager.initProgram()
            ProxyGoProxy.nApiPort = globleParam.nApiPort
            curlRecv.signal_SetUiData(124, "set local ip", 0)
        },
        101: function (s, n) { ProxyManager.refreshPortByUser() },
        110: function (s, n) { parseCatalogue(n, "Area"); loaderMain.emitItem(110, s, n) },
        111: function (s, n) { parseCatalogue(n, "Isp"); loaderMain.emitItem(111, s, n) },
        112: function (s, n) { parseCatalogue(n, "Zip"); loaderMain.emitItem(112, s, n) },
        113: function (s, n) {
            if (n === 1)
                ProxyManager.beginRarseProxyListData()
            else if (n === 10)
                ProxyManager.beginRarseStaticProxyListData()
            loaderMain.emitItem(113, s, n)
        },
        114: function (s, n) { ProxyManager.beginRarseLocalTodayListData(); loaderMain.emitItem(114, s, n) },
        115: function (s, n) { ProxyManager.beginRarseRemoteTodayListData(); loaderMain.emitItem(114, s, n) },
        125: function (s, n) { SearchManager.beginRarseCarouselData(); loaderMain.emitItem(125, s, n) },
        134: function (s, n) { ProxyManager.beginRarseLocalFavouriteListData(); loaderMain.emitItem(134, s, n) },
        136: function (s, n) { ProxyManager.beginRarseRemoteFavoriteListData(); loaderMain.emitItem(135, s, n) },
        137: function (s, n) { timerFavoriteCache.restart() },
        138: function (s, n) { loaderMain.emitItem(113, s, n) },
        140: function (s, n) { popupFeedback.signal_SetUiData(140, s, n) },
        141: function (s, n) { popupFeedback.signal_SetUiData(141, s, n) },
        142: function (s, n) { popupFeedback.signal_SetUiData(142, s, n) },
        143: function (s, n) { browserWndModel.setJsonText(s); popupBrowser.signal_SetUiData(143, s, n) },
        144: function (s, n) { popupTips.signal_SetUiData(1, s, 0) },
        145: function (s, n) { timerAutoProgram.restart() },
        146: function (s, n) { timerAutoProgram.stop(); loaderMain.emitItem(146, s, n) },
        153: function (s, n) { popupNotice.signal_SetUiData(153, s, n) },
        159: function (s, n) { renewStatic(s, n) },
        163: function (s, n) { ProxyManager.beginRarseLocalApiHistoryData(); loaderMain.emitItem(163, s, n) },
        164: function (s, n) { ProxyManager.beginRarseLocalProgramHistoryData(); loaderMain.emitItem(164, s, n) },
        166: function (s, n) {
            loaderMain.emitItem(166, s, n)
            if (n !== 0 || globleParam.nIsLogin !== 1)
                return
            timerGetIpNum.stop()
            curlRecv.pushGetIpNum()
            timerGetIpNum.start()
        },
        170: function (s, n) {
            if (n === 12)
                ProxyManager.beginRarseEquipmentLineListData()
            loaderMain.emitItem(170, s, n)
        },
        173: function (s, n) { ProxyManager.beginParseListDataByProxyType(n, 0); loaderMain.emitItem(173, s, n) },
        175: function (s, n) { ProxyManager.modifyParseListDataByProxyType(n, 0); loaderMain.emitItem(175, s, n) },
        181: function (s, n) { SearchManager.beginParseLoginImgData(); windowLoginID.signal_SetUiData(181, s, n) },
        182: function (s, n) { windowLoginID.signal_SetUiData(182, s, n) },
        183: function (s, n) { windowLoginID.signal_SetUiData(183, s, n) },
        184: function (s, n) { windowLoginID.signal_SetUiData(184, s, n) },
        185: function (s, n) { ProxyManager.beginParseListDataByProxyType(n, 0); loaderMain.emitItem(185, s, n) }
    })

    // The loaders make the start screen and the popups synchronously, so they exist once
    // their step has run.
    function startUpStep() {
        if (!loaderStart.active) {
            loaderStart.active = true
            startUpBound.restart()
            return
        }
        bPopupsMade = true
        heldMessages.splice(0).forEach(function (m) { route(m[0], m[1], m[2]) })
    }

    function route(nType, qstrValue, nValue) {
        if (!bPopupsMade) {
            heldMessages.push([nType, qstrValue, nValue])
            return
        }
        var action = routes[nType]
        if (action)
            action(qstrValue, nValue)
        else if (forwardedUnchanged.indexOf(nType) >= 0)
            loaderMain.emitItem(nType, qstrValue, nValue)
    }

    // Catalogue data is ready (110 areas, 111 operators, 112 postal codes): 0 reads it, 1
    // reads it anew, 2 reads it anew for the second (static) catalogue.
    function parseCatalogue(nValue, strKind) {
        if (nValue === 0)
            SearchManager["beginRarse" + strKind + "Data"]()
        else if (nValue === 1)
            SearchManager["beginRarse" + strKind + "Data"](true)
        else if (nValue === 2)
            SearchManager["beginRarse" + strKind + "DataSecond"](true)
    }

    function renewStatic(qstrUrl, nValue) {
        if (nValue === 0) {
            popupTips.signal_SetUiData(1, qsTr("The proxy has expired and cannot be renewed"), 0)
            return
        }
        if (globleParam.nIsLogin !== 1)
            return
        openPage(curlRecv.checkOpenUrl(qstrUrl !== "" ? qstrUrl : globleParam.qstrUserStaticRenewUrl)
                 + "&s=" + globleParam.qstrToken + "&la=" + globleParam.qstrLangCode)
    }
}
