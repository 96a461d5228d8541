import QtQuick 2.15
import QtTest 1.15
import Proxy.Param 1.0

TestCase {
    name: "ProxyModel"
    when: windowShown
    width: 200
    height: 400

    ListView {
        id: view
        anchors.fill: parent
        model: ProxyManager.getListModel(2)
        delegate: Item {
            width: 200
            height: 20
            property string ip: qstrIp
            property var row: modelData
        }
    }

    function shownIps() {
        view.forceLayout()
        var ips = []
        for (var i = 0; i < view.count; ++i) {
            var item = view.itemAtIndex(i)
            compare(item.row.qstrIp, item.ip)
            ips.push(item.ip)
        }
        return ips.sort()
    }

    function test_followsParseAndClear() {
        ProxyManager.getDataType(2, 0)
        proxyFixture.storeExtractionRecords(["10.0.0.1", "10.0.0.2"])
        ProxyManager.beginParseApiTodayListData()
        gc()
        compare(view.count, 2)
        compare(shownIps(), ["10.0.0.1", "10.0.0.2"])
        gc()
        compare(shownIps(), ["10.0.0.1", "10.0.0.2"])
        ProxyManager.clearDataByType(2)
        gc()
        compare(view.count, 0)
        proxyFixture.storeExtractionRecords(["10.0.0.3"])
        ProxyManager.beginParseApiTodayListData()
        compare(shownIps(), ["10.0.0.3"])
    }
}
