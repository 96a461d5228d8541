import QtQuick 2.15
import Search.Param 1.0
import "../Style"

// The country box of the group control page: typing only opens the list; the page sets
// the shown text.
ComboLocation {
    textTitle: qsTr("Country") + Theme.emptyString
    bNotifyPage: false
    bShowChoice: false
    storeCode: function (qstrCode, nType, nOrigin) { SearchManager.setDeviceCurrentCode(qstrCode, nType, nOrigin) }
    afterClear: function () {
        if (typeFlag === 1)
            dataModel = SearchManager.getDeviceDataByKeyAndType("", 1, nOrigin)
    }
}
