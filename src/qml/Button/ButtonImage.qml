import QtQuick 2.15
import "../Style"

// An image button that shows `imgHot` while hovered; `imgFlag` is its tool tip.
HoverButton {
    property string imgFlag: ""

    toolTips: imgFlag
    colorBackNor: "transparent"
    colorBackHot: "transparent"
    nIconSize: Math.min(width, height) / Theme.dp
    implicitWidth: 24 * Theme.dp
    implicitHeight: 24 * Theme.dp
}
