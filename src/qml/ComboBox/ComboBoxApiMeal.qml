import QtQuick 2.15
import "../Style"
import "../PlanNames.js" as PlanNames

// The plan box of the extraction page: read-only, shows the plan of
// `globals.nApiMealType`; a clear goes back to plan 1.
ComboBase {
    id: meal

    property var globals: null

    signal signal_ClickSel()

    // The traffic plan (11) is none of this box's: like an unknown plan it reads Random.
    function mealName(nMealData) {
        return (nMealData !== 11 && PlanNames.name(nMealData) || qsTr("Random")) + Theme.emptyString
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
