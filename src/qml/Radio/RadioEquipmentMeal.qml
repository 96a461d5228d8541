import QtQuick 2.15

// A card of the device line popup; 0 in nUiShowRecharge hides refresh and recharge.
RadioMealBase {
    property int nUiShowRecharge: 1
    bShowRecharge: nUiShowRecharge === 1
}
