import QtQuick 2.15
import QtQuick.Window 2.15
import Curl.InterfaceRecv 1.0
import "../../../src/qml/Rect"

// The Proxy List and Today pages where the main window shows them, over the real
// ProxyManager and SearchManager (globleParam comes from the benchmark). The root's and the
// main screen's other objects the pages reach are stood in for: nothing here sends a request.
Window {
    id: window_main

    property real dp: 1

    function showLogin() {}
    function hideIPPart(ip) { return curlRecv.hideIPPart(ip) }
    function formatTimeFromTimeStamp(t) { return curlRecv.formatTimeFromTimeStamp(t) }

    width: 1210
    height: 800
    visible: true

    CurlInterfaceRecv { id: curlRecv }
    Item {
        id: mainLoader
        property int nRectPage: 1
        property int nProxyType: 1
        signal signal_SetUiData(int nType, string qstrValue, int nValue)
        function checkEntry(nNumber) {}
    }
    Timer { id: snCheckTimer }
    QtObject { id: popupForwared; function openAt(nX, nY, bFavorite) {} }
    QtObject { id: popupPortForwardList; function windowInit(nValue) {} }
    QtObject { id: popupBrowser; function windowInit(nValue) {} }
    QtObject { id: windowLoginID; function show() {} }
    QtObject {
        id: remarkPopup
        signal signal_SetUiData(int nType, string qstrValue, int nValue)
    }

    // The main frame's page area: right of the side bar, below the title bar.
    Item {
        anchors.fill: parent
        anchors.leftMargin: 200
        anchors.topMargin: 60
        anchors.rightMargin: 16
        anchors.bottomMargin: 16

        RectProxyList {
            id: rectProxyListID
            objectName: "rectProxyListID"
            anchors.fill: parent
        }
        RectTodayList {
            id: rectTodayListID
            objectName: "rectTodayListID"
            anchors.fill: parent
            visible: false
        }
    }
}
