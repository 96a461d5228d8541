import QtQuick 2.15

// A card of the plan group; the card of the stored plan starts checked.
RadioMealBase {
    Component.onCompleted: signal_SetUiData(22, "completed", 100)
}
