import QtQuick 2.15
import "../Style"

// A titled one-line search field: the title stands inside the box before the input.
FieldBox {
    id: search

    property string textTitle: ""
    property string textDefault: ""

    inputDefaultText: textDefault
    nLeftPadding: 12 + (title.visible ? title.implicitWidth / Theme.dp + 8 : 0)

    Text {
        id: title
        visible: text !== ""
        x: 12 * Theme.dp
        anchors.verticalCenter: parent.verticalCenter
        text: search.textTitle
        color: "#8C92AC"
        font.family: Theme.fontFamily
        font.pixelSize: 13 * Theme.dp
    }
}
