import QtQuick 2.15
import Search.Param 1.0
import "../Style"

// A device state box of the group control page (types 8 and 9): read-only, each entry shown
// by its state; `currentStatus` is the chosen state, -1 for none.
ComboLocation {
    property int currentStatus: -1

    function statusText(nStatus) {
        return [qsTr("Offline"), qsTr("Online"), qsTr("Dropped")][nStatus] + Theme.emptyString
    }

    typeFlag: 8
    textTitle: qsTr("Status") + Theme.emptyString
    bReadOnly: true
    bNotifyPage: false
    bShowChoice: false
    bResetText: false
    rowText: function (entry) { return entry ? statusText(entry.nStatus) : "" }
    storeCode: function (qstrCode, nType, nOrigin) { SearchManager.setDeviceCurrentCode(qstrCode, nType, nOrigin) }
    onEntryChosen: currentStatus = entry.nStatus
    onCleared: currentStatus = -1
}
