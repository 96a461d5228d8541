import QtQuick 2.15
import Search.Param 1.0

// A location box of the extraction page; it searches the extraction page's own choices.
ComboLocation {
    storeCode: function (qstrCode, nType, nOrigin) { SearchManager.setApiCurrentCode(qstrCode, nType, nOrigin) }
    search: function (qstrKey, nType, nOrigin) { return SearchManager.getApiDataByKeyAndType(qstrKey, nType, nOrigin) }
}
