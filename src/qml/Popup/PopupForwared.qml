import QtQuick 2.15
import QtQuick.Controls 2.15
import Proxy.Param 1.0
import "../Button"
import "../Style"

// The row menu of the proxy list pages. A page opens it with openAt() at the pointer, in the
// main screen's coordinates; it acts on the row chosen on the page shown
// (mainLoader.nProxyType). Its side popups popupBindPortId and popupBindBrowserWndId open
// beside it, and place() keeps all three inside the window.
// Relies on the main screen's ids: mainLoader, globleParam, popupBindPortId,
// popupBindBrowserWndId, popupCustom, the four list pages.
Popup {
    id: menu

    property bool bFavorite: false
    readonly property real nMargin: 20 * Theme.dp
    readonly property real nGap: 5 * Theme.dp
    readonly property int nEntries: (connectEntry.visible ? 1 : 0) + 1 + (rangeEntry.visible ? 1 : 0)
                                    + (favoriteEntry.visible ? 1 : 0)

    function openAt(nX, nY, bRowFavorite) {
        bFavorite = bRowFavorite
        popupBindPortId.setBindInfo(mainLoader.nProxyType, 3)
        x = nX
        y = nY
        place()
        open()
    }

    // The session of the row chosen on the page shown; "" when none is.
    function chosenSession() {
        var page = ({ 1: rectProxyListID, 2: rectTodayListID, 3: rectFavoriteListID,
                      10: rectStaticProxyListID })[mainLoader.nProxyType]
        return page && page.selectSessionId ? String(page.selectSessionId) : ""
    }

    // Runs an action on the chosen row and closes everything; without a row it only closes.
    function act(fnAction) {
        var qstrSession = chosenSession()
        close()
        if (qstrSession !== "")
            fnAction(qstrSession)
    }

    // Shows a side list for the chosen row; a click without a row only closes the menu.
    function showSide(nType, bClick) {
        if (chosenSession() !== "")
            popupBindPortId.setBindInfo(mainLoader.nProxyType, nType)
        else if (bClick)
            close()
    }

    function bindPort(qstrPort) {
        act(function (qstrSession) {
            ProxyManager.bindPortBySession(qstrSession, qstrPort, mainLoader.nProxyType)
            rectTodayListID.signal_SetUiData(114, "", 0)
        })
    }

    function bindBrowserWnd(qstrWndId, qstrPort) {
        act(function (qstrSession) {
            globleParam.qstrBrowserWndID = qstrWndId
            ProxyManager.bindPortBySession(qstrSession, qstrPort, mainLoader.nProxyType)
            rectTodayListID.signal_SetUiData(114, "", 0)
        })
    }

    function forwardRange(qstrScope) {
        act(function () { popupCustom.signal_SetUiData(100, qstrScope, 1) })
    }

    // Keeps the menu inside the window and puts the side popups beside it: to its right when
    // they fit there, else to its left.
    function place() {
        var port = popupBindPortId
        var browser = popupBindBrowserWndId
        var bBrowser = globleParam.bBrowserBindOpen
        var nRight = mainLoader.width - width - nMargin
        var bLeft = x > nRight
        if (bLeft)
            x = nRight
        else
            bLeft = x + width + port.width + (bBrowser ? browser.width : 0) + nGap > mainLoader.width
        if (bLeft) {
            port.x = x - port.width - nGap
            browser.x = port.x - browser.width - nGap
        } else {
            port.x = x + width + (bBrowser ? -15 * Theme.dp : nGap)
            browser.x = port.x + port.width + nGap
        }
        var nPortBottom = mainLoader.height - port.height - nMargin
        var nBottom = mainLoader.height - height - nMargin
        if (y > nBottom) {
            y = nBottom
            port.y = nPortBottom
        } else {
            port.y = Math.min(y + 10 * Theme.dp + port.nOffsetY, nPortBottom)
        }
        browser.y = port.y
    }

    // As wide as its longest entry in the language shown, so no entry runs under a side list.
    // Measured from the texts: the entries lay themselves out only while the menu is shown.
    // An entry's sides (12 each) stand in for the kit's padding, and its arrow (16) follows a
    // gap (6).
    readonly property real nEntryWidth: entryMetrics.captionWidth([connectEntry, portEntry, rangeEntry, favoriteEntry]
        .map(function (entry) { return entry.btnText })) - entryMetrics.padding + (2 * 12 + 6 + 16) * Theme.dp

    CaptionMetrics {
        id: entryMetrics
        font.pixelSize: 14 * Theme.dp
    }

    width: Math.max(200 * Theme.dp, nEntryWidth) + 2 * padding
    height: 35 * Theme.dp * nEntries + 20 * Theme.dp
    margins: 0
    padding: 10 * Theme.dp
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside
    onClosed: popupBindPortId.setBindInfo(mainLoader.nProxyType, 3)

    background: Rectangle {
        radius: 4 * Theme.dp
        color: "white"
        border.color: Theme.border
    }

    component Entry: ForwaredHoverButton {
        width: parent.width
        height: 35 * Theme.dp
        nRadius: 0
    }

    contentItem: Column {
        Entry {
            id: connectEntry
            objectName: "forwaredConnect"
            visible: !globleParam.bOtherProxy
            imgAfter: ""
            btnText: (globleParam.bSocks5Globle ? qsTr("Globle connect") : qsTr("Program connect"))
                     + globleParam.emptyString
            onHoveredChanged: if (hovered) popupBindPortId.setBindInfo(mainLoader.nProxyType, 3)
            btnModel.onClicked: menu.act(function (qstrSession) {
                ProxyManager.programConnect(qstrSession, mainLoader.nProxyType, 100)
            })
        }
        Entry {
            id: portEntry
            objectName: "forwaredPort"
            btnText: qsTr("Forward Port To Proxy") + globleParam.emptyString
            onHoveredChanged: if (hovered) menu.showSide(1)
            btnModel.onClicked: menu.showSide(1, true)
        }
        Entry {
            id: rangeEntry
            objectName: "forwaredRange"
            visible: mainLoader.nProxyType === 1 || mainLoader.nProxyType === 10
            btnText: qsTr("Forward ") + globleParam.nBeginPort + "-"
                     + (globleParam.nBeginPort + globleParam.nPortNumber - 1) + globleParam.emptyString
            onHoveredChanged: if (hovered) menu.showSide(2)
            btnModel.onClicked: menu.showSide(2, true)
        }
        Entry {
            id: favoriteEntry
            objectName: "forwaredFavorite"
            visible: mainLoader.nProxyType >= 1 && mainLoader.nProxyType <= 3
            imgAfter: ""
            btnText: (menu.bFavorite ? qsTr("Remove from FavoriteList") : qsTr("Add to FavoriteList"))
                     + globleParam.emptyString
            onHoveredChanged: if (hovered) popupBindPortId.setBindInfo(mainLoader.nProxyType, 3)
            btnModel.onClicked: menu.act(function (qstrSession) {
                ProxyManager.favoriteOpreate(qstrSession, mainLoader.nProxyType)
            })
        }
    }
}
