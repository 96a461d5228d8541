import QtQuick 2.15

// A plain text button.
HoverButton {
    property string textShow: ""
    property color colorText: "#042040"
    property color colorBtn: "transparent"

    btnText: textShow
    colorTextNor: colorText
    colorTextHot: colorText
    colorBackNor: colorBtn
    colorBackHot: Qt.darker(colorBtn, 1.04)
}
