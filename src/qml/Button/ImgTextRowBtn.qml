import QtQuick 2.15

// A text followed by a right arrow (device page).
HoverButton {
    colorBackNor: "transparent"
    colorBackHot: "transparent"
    colorTextNor: "#355395"
    colorTextHot: "#355395"
    nLeftPadding: 4
    imgAfter: "qrc:/image/dropright.png"
}
