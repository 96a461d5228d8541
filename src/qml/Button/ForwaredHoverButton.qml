import QtQuick 2.15

// A menu row with an arrow; the row menu acts on its hover as well as its click.
HoverButton {
    colorBackNor: "#ffffff"
    colorBackHot: "#FFF0F0"
    colorTextHot: "#FF5C00"
    bAlignLeft: true
    imgAfter: "qrc:/image/dropright.png"
}
