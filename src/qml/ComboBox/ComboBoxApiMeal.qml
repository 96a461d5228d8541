import QtQuick 2.15
import "../Style"

// The plan box of the extraction page: read-only, shows the plan of
// `globals.nApiMealType`; a clear goes back to plan 1.
ComboBase {
    id: meal

    property var globals: null

    signal signal_ClickSel()

    function mealName(nMealData) {
        switch (nMealData) {
        case 1: return qsTr("Popular Plan") + Theme.emptyString
        case 3: return qsTr("Long Acting ISP Plan") + Theme.emptyString
        case 6: return qsTr("Static ISP Proxy") + Theme.emptyString
        default: return qsTr("Random") + Theme.emptyString
        }
    }

    bReadOnly: true
    bClearable: true
    rowText: function (entry) { return entry ? mealName(entry.nMealData) : "" }
    editTextModel.text: globals ? mealName(globals.nApiMealType) : ""
    onEntryChosen: {
        currentName = mealName(entry.nMealData)
        globals.nApiMealType = entry.nMealData
        signal_ClickSel()
    }
    onCleared: {
        globals.nApiMealType = 1
        signal_ClickSel()
    }
    onSignal_SetUiData: if (nType === 0) clear()
}
