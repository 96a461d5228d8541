import QtQuick 2.15

// A card of the static plan group (the static list page).
RadioMealBase {
    strPlanKey: "nMealStaticType"
    bGrowWhenChecked: false
    bAlwaysDecimals: true
    textUnit: "GB"
    colorBalanceIdle: "#15357A"
    nMargin: 2
    Component.onCompleted: signal_SetUiData(22, "completed", 100)
}
