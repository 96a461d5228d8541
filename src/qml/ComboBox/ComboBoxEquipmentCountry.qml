import QtQuick 2.15
import Search.Param 1.0
import "../Style"

// A location box of the device line popup; the popup sets the shown text.
ComboLocation {
    textTitle: qsTr("Country") + Theme.emptyString
    bFixedRows: true
    bNotifyPage: false
    bShowChoice: false
    storeCode: function (qstrCode, nType, nOrigin) { SearchManager.setEquipmentCurrentCode(qstrCode, nType, nOrigin) }
    search: function (qstrKey, nType, nOrigin) { return SearchManager.getEquipmentDataByKeyAndType(qstrKey, nType, nOrigin) }
}
