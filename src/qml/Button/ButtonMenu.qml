import QtQuick 2.15

// An icon-and-text row of the account menu.
HoverButton {
    property string textShow: ""
    property color colorText: "#55687D"
    property color colorBtn: "transparent"
    property url imageSouce: ""

    btnText: textShow
    imgNor: imageSouce
    colorTextNor: colorText
    colorTextHot: "#042040"
    colorBackNor: colorBtn
    colorBackHot: "#F6F7F8"
    bAlignLeft: true
}
