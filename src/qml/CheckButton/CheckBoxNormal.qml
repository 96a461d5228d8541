import QtQuick 2.15
import QtQuick.Controls 2.15
import "../Style"

// A check box of the kit: the pictures "qrc:/image/checkbox_checked.png" /
// "qrc:/image/checkbox_unchecked.png" and a text; the owner handles `onToggled`.
CheckBox {
    id: box

    property color textColor: "#55687D"

    padding: 0
    spacing: 6 * Theme.dp
    font.family: Theme.fontFamily
    font.pixelSize: 13 * Theme.dp

    // The pictures are drawn larger than shown: the box is as tall as the size shown, not
    // theirs, so it lines up with the text beside it.
    indicator: Item {
        x: box.leftPadding
        anchors.verticalCenter: parent.verticalCenter
        implicitWidth: 16 * Theme.dp
        implicitHeight: implicitWidth
        Image {
            anchors.fill: parent
            source: box.checked ? "qrc:/image/checkbox_checked.png"
                                : "qrc:/image/checkbox_unchecked.png"
        }
    }
    contentItem: Text {
        leftPadding: box.indicator.width + box.spacing
        verticalAlignment: Text.AlignVCenter
        text: box.text
        color: box.textColor
        font: box.font
    }

    FocusRing {}

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.NoButton
        cursorShape: Qt.PointingHandCursor
    }
}
