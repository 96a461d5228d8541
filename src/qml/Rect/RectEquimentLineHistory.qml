import QtQuick 2.15
import Proxy.Param 1.0
import "../Delegate"
import "../Style"
import "../PlanNames.js" as PlanNames

// The lines bound before (list identity 13), filtered by the line popup's place choice. The
// service is asked now and then whether each line still exists; a gone one shows "False".
// `host` is the line popup: its progress, notices, filters and catalogue hand-over.
EquipmentLineTable {
    id: equipmentLineHistory

    property int nOrigin: 13
    property var host: null
    // The account has history rows, whatever the filter shows.
    property bool bHasRows: false
    // Cleared while the list is being fetched, so the view never shows rows about to go.
    property bool bShowRows: false
    property bool bCheckEnabled: true
    property int nCheckMs: 5 * 60 * 1000

    signal signal_SetUiData(int nType, string qstrValue, int nValue)

    // The plan column takes the units its longest name needs in the language shown (a plan
    // name is a caption, read whole), at least 3; the other columns have 19 units.
    readonly property real nPlanUnits: {
        var nNeeded = planMetrics.captionWidth(PlanNames.all().map(function (name) {
            return name + globleParam.emptyString
        }))
        var nSpace = width - 40 * Theme.dp - nTailWidth
        return nSpace > nNeeded ? Math.max(3, nNeeded * 19 / (nSpace - nNeeded)) : 3
    }

    CaptionMetrics {
        id: planMetrics
        font.pixelSize: 13 * Theme.dp
    }

    function cellText(row, key) {
        if (key === "ip")
            return row.qstrIp
        if (key === "plan")
            return (PlanNames.name(row.nIpTimeType) || qsTr("Random")) + globleParam.emptyString
        if (key === "buy")
            return row.qstrBuyTime
        if (key === "online")
            return (row.nOnline === 0 ? qsTr("False") : qsTr("True")) + globleParam.emptyString
        var line = row.qjsonLine
        return line[key] !== undefined ? String(line[key]) : ""
    }

    function showFiltered() {
        bShowRows = true
        ProxyManager.searchDataType(nOrigin, 1)
    }

    // n 0 clear, 1 search, 3 plan change.
    function refreshProxyLineHistory(nValue) {
        if (globleParam.nIsLogin !== 1 || !host.acceptIp())
            return
        host.startProgress()
        if (nValue === 0 || nValue === 3)
            host.resetFilters()
        host.handCodes()
        showFiltered()
        signal_SetUiData(114, nValue === 0 ? "clear" : "search", nOrigin)
    }

    // Asks the service for the history again.
    function pushEquipmentLineHistory(nValue) {
        if (!host.acceptIp())
            return
        host.handCodes()
        curlRecv.pushGetEquipmentListHistory(host.currentMeal, nValue)
    }

    function stopCheck() { snCheckHistory.stop() }

    function noticeRows() {
        host.stopProgress()
        if (listView.count > 0)
            host.notice(qsTr("Successfully") + globleParam.emptyString, true)
    }

    onSignal_SetUiData: {
        switch (nType) {
        case 0:
            if (nValue === nOrigin)
                host.resetFilters()
            break
        case 23:
            bShowRows = false
            break
        case 113:
            if (nValue !== nOrigin)
                break
            bHasRows = ProxyManager.rowCount(nOrigin) > 0
            showFiltered()
            noticeRows()
            snCheckHistory.restart()
            break
        case 114:
            if (nValue === nOrigin)
                noticeRows()
            break
        case 123:
            signal_SetUiData(23, "", 0)
            host.startProgress()
            break
        }
    }

    columns: [
        { key: "ip", title: qsTr("ProxyIP") + Theme.emptyString, width: 3, sort: 0 },
        { key: "plan", title: qsTr("TimeType") + Theme.emptyString, width: nPlanUnits, sort: 0 },
        { key: "country", title: qsTr("Country") + Theme.emptyString, width: 2, sort: 0 },
        { key: "state", title: qsTr("State") + Theme.emptyString, width: 2, sort: 0 },
        { key: "city", title: qsTr("City") + Theme.emptyString, width: 2, sort: 0 },
        { key: "postal", title: qsTr("ZIP") + Theme.emptyString, width: 2, sort: 0 },
        { key: "isp", title: qsTr("ISP") + Theme.emptyString, width: 2, sort: 0 },
        { key: "buy", title: qsTr("Buy Time") + Theme.emptyString, width: 4, sort: 0 },
        { key: "online", title: qsTr("Online") + Theme.emptyString, width: 2, sort: 0 }
    ]
    listModel: bShowRows ? ProxyManager.getListModel(nOrigin) : null
    bShowEmpty: bShowRows
    emptyText: (bHasRows ? qsTr("No proxy were found matching the results.")
                         : qsTr("Proxy history is empty,")) + globleParam.emptyString

    rowDelegate: EquipmentLineHistoryModel {
        width: ListView.view.width
        row: modelData
        table: equipmentLineHistory
    }

    Timer {
        id: snCheckHistory
        interval: equipmentLineHistory.nCheckMs
        repeat: true
        triggeredOnStart: true
        onTriggered: if (equipmentLineHistory.visible && equipmentLineHistory.bCheckEnabled)
                         ProxyManager.checkEquipmentLineHistoryArraySn(0)
    }
}
