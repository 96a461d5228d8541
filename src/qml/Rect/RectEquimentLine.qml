import QtQuick 2.15
import Proxy.Param 1.0
import "../Animate"
import "../Delegate"
import "../Style"

// The device line list of the line popup (list identity 12): the service's lines for the
// chosen plan and place, sorted by the heads. Static lines (plan 6) show their whole address
// and expiry instead of a latency.
EquipmentLineTable {
    id: equipmentLineList

    property int nOrigin: 12
    property int nMeal: 1
    property bool bLoadingMore: false

    signal renew(string qstrIp)

    readonly property bool bStatic: nMeal === 6

    function cellText(row, key) {
        var line = row.qjsonLine
        if (key === "ip")
            return bStatic ? row.qstrIp : curlRecv.hideIPPart(row.qstrIp)
        if (key === "ping")
            return row.nPing === 0 ? qsTr("Random") + globleParam.emptyString : row.nPing + "ms"
        if (key === "expire")
            return line.expire_time ? curlRecv.formatTimeFromTimeStamp(Number(line.expire_time))
                                    : qsTr("Random") + globleParam.emptyString
        return line[key] !== undefined ? String(line[key]) : ""
    }

    // Shows the lines in the heads' order.
    function load() { ProxyManager.showView(nOrigin, nSortType) }

    columns: [
        { key: "ip", title: qsTr("ProxyIP") + Theme.emptyString, width: 3, sort: 1 },
        bStatic ? { key: "expire", title: qsTr("Expiration time") + Theme.emptyString, width: 3, sort: 19 }
                : { key: "ping", title: qsTr("Ping") + Theme.emptyString, width: 2, sort: 3 },
        { key: "country", title: qsTr("Country") + Theme.emptyString, width: 2, sort: 5 },
        { key: "state", title: qsTr("State") + Theme.emptyString, width: 2, sort: 7 },
        { key: "city", title: qsTr("City") + Theme.emptyString, width: 2, sort: 9 },
        { key: "postal", title: qsTr("ZIP") + Theme.emptyString, width: 2, sort: 11 },
        { key: "isp", title: qsTr("ISP") + Theme.emptyString, width: 2, sort: 13 }
    ]
    nTailWidth: bStatic ? 80 * Theme.dp : 0
    listModel: ProxyManager.getListModel(nOrigin)
    emptyText: qsTr("No proxy were found matching the results.") + globleParam.emptyString
    onSortChosen: load()

    rowDelegate: EquipmentLineModel {
        width: ListView.view.width
        row: modelData
        table: equipmentLineList
    }

    FishSpinner {
        objectName: "moreSpinner"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 8 * Theme.dp
        visible: equipmentLineList.bLoadingMore
        radius: 10
        timerModel.running: visible
    }
}
