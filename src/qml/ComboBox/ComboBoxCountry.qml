import QtQuick 2.15
import Search.Param 1.0
import "../Style"

// A location box of the proxy, today and favourite list pages.
ComboLocation {
    textTitle: qsTr("Country") + Theme.emptyString
    bFixedRows: true
    storeCode: function (qstrCode, nType, nOrigin) { SearchManager.setCurrentCode(qstrCode, nType, nOrigin) }
    search: function (qstrKey, nType, nOrigin) { return SearchManager.getDataByKeyAndType(qstrKey, nType, nOrigin) }
}
