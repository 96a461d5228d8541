import QtQuick 2.15
import Search.Param 1.0

// A location box of the static list and program pages.
ComboLocation {
    bFixedRows: true
    storeCode: function (qstrCode, nType, nOrigin) { SearchManager.setCurrentCode(qstrCode, nType, nOrigin) }
    search: function (qstrKey, nType, nOrigin) { return SearchManager.getDataByKeyAndType(qstrKey, nType, nOrigin) }
}
