import QtQuick 2.15

// A link-like button as wide as its text ("buy now", "go to use").
HoverButton {
    property string textValue: ""

    btnText: textValue
    nLeftPadding: 4
    colorBackNor: "transparent"
    colorBackHot: "transparent"
    colorTextNor: "#FF5C00"
    colorTextHot: "#E05200"
    textModel.font.underline: hovered
}
