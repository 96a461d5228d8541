import QtQuick 2.15

// White text on a filled background that greys out while the button is disabled (Search,
// Refresh, Confirm, Sure).
HoverButton {
    colorBackNor: "#FF5C00"
    colorBackHot: "#E05200"
    colorUnEnable: "#d0d0d0"
    colorTextNor: "white"
    colorTextHot: "white"
    colorTextDisable: "white"
}
