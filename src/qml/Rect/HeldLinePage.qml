import QtQuick 2.15
import QtQuick.Controls 2.15
import Proxy.Param 1.0
import "../Button"
import "../ListView"
import "../Popup"
import "../Progress"
import "../Scrollbar"
import "../Style"
import "../PlanNames.js" as PlanNames

// What the Today List and Favorite List pages share. They list the exits ProxyManager
// already holds and filter them locally; only Refresh asks the service, whether the exits
// are still online. The list's model is ProxyManager's own model of list type nOrigin.
// Relies on the root window's globleParam, snCheckTimer, popupPortForwardList and
// window_main, and on the main screen's mainLoader (which also routes message 0, the online
// check).
Item {
    id: page

    property int nOrigin: 0
    // 0 while the online check runs (Refresh disabled).
    property int nBtnState: 1
    // Header texts, one per column, and the columns' relative widths.
    property var headTexts: []
    property var columnWeights: []
    property Component rowDelegate: null
    // The message that reloads the list unfiltered after a native change (besides 24).
    property int nReloadType: 0
    // The rows held before any filter, and the empty-list notice shown when there are none.
    property int nHeldRows: 0
    property url imgEmptyHeld: ""
    property string textEmptyHeld: ""

    readonly property bool bVisableEmpty: proxyListID.count === 0
    readonly property color colorTextItemNor: "#22264B"
    readonly property color colorTextItemOnline: "#E53838"
    // Every column is at least as wide as its caption, and the plan column (1) as the
    // language's longest plan name: captions are read whole. The columns share the rest by
    // their weights, the wider ones giving up what the narrow ones need.
    readonly property var cellWidths: {
        var total = columnWeights.reduce(function (sum, weight) { return sum + weight }, 0)
        var shares = columnWeights.map(function (weight) { return proxyListID.width * weight / total })
        var least = shares.map(function (share, n) {
            var texts = (headTexts[n] ? [qsTr(headTexts[n])] : []).concat(n === 1 ? PlanNames.all() : [])
            return cellMetrics.captionWidth(texts.map(function (text) { return text + globleParam.emptyString }))
        })
        var needed = 0
        var spare = 0
        shares.forEach(function (share, n) {
            needed += Math.max(0, least[n] - share)
            spare += Math.max(0, share - least[n])
        })
        var giving = spare > 0 ? Math.min(1, needed / spare) : 0
        return shares.map(function (share, n) {
            return share < least[n] ? least[n] : share - (share - least[n]) * giving
        })
    }

    // The chosen row and what the row menu acts on.
    property var currentRow: null
    property string selectSessionId: ""
    property string selectIp: ""
    property string selectServer: ""
    property string selectCountry: ""
    property string selectState: ""
    property string selectCity: ""
    property string selectArea: ""
    property string selectSn: ""

    signal signal_SetUiData(int nType, string qstrValue, int nValue)

    // A row's plan; "Unknown" is translated in the rows' context.
    function planName(nIpTimeType) {
        return PlanNames.name(nIpTimeType) || qsTranslate("HeldLineRow", "Unknown")
    }

    // A row with no latency cannot be used: it becomes the current row with an empty
    // selection.
    function chooseRow(row) {
        currentRow = row
        fillSelection(row.nPing !== 0 ? row : null)
    }

    function fillSelection(row) {
        var line = row ? row.qjsonLine : {}
        selectSessionId = row ? row.qstrSession : ""
        selectIp = row ? row.qstrIp : ""
        selectServer = selectIp
        selectCountry = line.country || ""
        selectState = line.state || ""
        selectCity = line.city || ""
        selectArea = row ? selectCountry + "-" + (selectCity || "random") + "-"
                           + (selectState || "random") : ""
        selectSn = line.sn || ""
    }

    function signedIn() {
        if (globleParam.nIsLogin === 1)
            return true
        window_main.showLogin()
        return false
    }

    // 0 clears the filters, 1 applies them, 2 also starts the online check; the list then
    // shows the held rows the filters pass.
    function refreshLine(nValue) {
        if (!signedIn())
            return
        progressBar.start()
        if (nValue === 0) {
            signal_SetUiData(0, "clear", nOrigin)
        } else if (nValue === 2) {
            // Refresh restarts the period of the automatic check.
            snCheckTimer.stop()
            mainLoader.signal_SetUiData(0, "refresh", nOrigin)
            snCheckTimer.start()
        }
        filterBar.handOver()
        ProxyManager.showView(nOrigin, 1)
        // Clear and Search end at once; they leave Refresh to the running check, so that a
        // second check never starts while the first one's answer is still to come.
        if (nValue !== 2)
            showResult()
    }

    function showResult() {
        progressBar.stop()
        if (proxyListID.count > 0)
            resultNotice.show(qsTr("Successfully") + globleParam.emptyString, true)
    }

    function reload() { ProxyManager.showView(nOrigin, 0) }

    onVisibleChanged: {
        if (visible)
            mainLoader.nRectPage = nOrigin
        else
            progressBar.stop()
    }

    onSignal_SetUiData: {
        switch (nType) {
        case 2:
            nBtnState = nValue
            break
        case 23:
            currentRow = null
            fillSelection(null)
            ProxyManager.clearDataByType(nOrigin)
            break
        case 24:
        case nReloadType:
            reload()
            break
        case 40:
            if (visible) {
                resultNotice.show(qstrValue, false)
                progressBar.stop()
            }
            break
        case 41:
            if (visible)
                progressBar.stop()
            break
        case 113:
            if (nValue === nOrigin) {
                nBtnState = 1
                showResult()
            }
            break
        case 158:
            if (nValue === nOrigin)
                progressBar.start()
            break
        default:
            filterBar.handleLocationMessage(nType, qstrValue, nValue)
        }
    }

    CaptionMetrics {
        id: cellMetrics
        font.pixelSize: 12 * Theme.dp
    }

    Column {
        anchors.fill: parent
        spacing: 10 * Theme.dp

        LocationFilterBar {
            id: filterBar
            objectName: "filterBar"
            width: parent.width
            nOrigin: page.nOrigin
            bAnyCatalogue: true
            onSearchClicked: page.refreshLine(1)
            onClearClicked: page.refreshLine(0)
        }

        Rectangle {
            id: listFrame
            width: parent.width
            height: parent.height - filterBar.height - bottomBar.height - 2 * parent.spacing
            radius: 6 * Theme.dp
            color: "white"
            border.color: Theme.border
            clip: true

            Row {
                id: listHead
                x: proxyListID.x
                width: proxyListID.width
                Repeater {
                    model: page.headTexts
                    ButtonListHead {
                        width: page.cellWidths[index] || 0
                        height: 36 * Theme.dp
                        nLeftMargin: 8
                        bAllowSort: false
                        textShow: modelData === "" ? "" : qsTr(modelData) + globleParam.emptyString
                    }
                }
            }
            Rectangle {
                anchors.top: listHead.bottom
                width: parent.width
                height: 1
                color: "#ECEEF4"
            }
            ListProgress {
                id: progressBar
                objectName: "progressBar"
                anchors.top: listHead.bottom
                width: parent.width
            }

            ListView {
                id: proxyListID
                objectName: "proxyListView" + page.nOrigin
                anchors.fill: parent
                anchors.topMargin: listHead.height + 1
                anchors.leftMargin: 4 * Theme.dp
                anchors.rightMargin: 4 * Theme.dp
                clip: true
                boundsBehavior: Flickable.StopAtBounds
                model: ProxyManager.getListModel(page.nOrigin)
                ScrollBar.vertical: LvScrollbarVertical {}
                delegate: page.rowDelegate
            }
            RowFocus { view: proxyListID }

            Column {
                objectName: "emptyNotice" + page.nOrigin
                anchors.centerIn: proxyListID
                visible: page.bVisableEmpty
                spacing: 8 * Theme.dp

                Image {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: 64 * Theme.dp
                    height: width
                    source: !page.bVisableEmpty ? ""
                          : page.nHeldRows === 0 ? page.imgEmptyHeld : "qrc:/image/search_empty_logo.png"
                }
                Row {
                    anchors.horizontalCenter: parent.horizontalCenter
                    Text {
                        objectName: "emptyText"
                        anchors.verticalCenter: parent.verticalCenter
                        text: page.nHeldRows === 0 ? page.textEmptyHeld
                            : qsTr("No proxy were found matching the results.") + globleParam.emptyString
                        color: Theme.textGrey
                        font.family: Theme.fontFamily
                        font.pixelSize: 13 * Theme.dp
                    }
                    AutoTextButton {
                        objectName: "goToUse"
                        anchors.verticalCenter: parent.verticalCenter
                        visible: page.nHeldRows === 0
                        height: 24 * Theme.dp
                        nPixelSize: 13
                        textValue: qsTr("go to use") + globleParam.emptyString
                        btnModel.onClicked: mainLoader.checkEntry(1)
                    }
                }
            }

            ResultNotice {
                id: resultNotice
                objectName: "resultNotice"
                anchors.horizontalCenter: parent.horizontalCenter
                anchors.top: listHead.bottom
                anchors.topMargin: 12 * Theme.dp
            }
        }

        Row {
            id: bottomBar
            anchors.right: parent.right
            height: 32 * Theme.dp
            spacing: 10 * Theme.dp

            TextAndBackButton {
                objectName: "portForwardListButton" + page.nOrigin
                height: parent.height
                colorBackNor: "white"
                colorBorder: Theme.border
                btnText: qsTr("PortForwardList") + globleParam.emptyString
                btnModel.onClicked: if (page.signedIn()) popupPortForwardList.windowInit(0)
            }
            RefreshButton {
                objectName: "refreshButton" + page.nOrigin
                height: parent.height
                btnText: qsTr("Refresh") + globleParam.emptyString
                btnModel.enabled: page.nBtnState !== 0
                btnModel.onClicked: page.refreshLine(2)
            }
        }
    }
}
