import QtQuick 2.15
import QtQuick.Controls 2.15
import "../Style"

// The base of the kit's one-line fields: a text input on a rounded box whose hint shows
// while the field is empty and unfocused; white while focused, its text greyed while disabled.
Item {
    id: field

    property alias editModel: input
    property alias backRect: back
    property string inputDefaultText: ""
    property real nRadius: 4
    property real nLeftPadding: 12
    property real nPixelSize: 14
    property color colorBackNor: "#FAFBFD"
    property color colorBackFocus: "white"
    // Where Tab / Down and Backtab / Up move the focus.
    property Item nextField: null
    property Item prevField: null

    implicitWidth: 200 * Theme.dp
    implicitHeight: 36 * Theme.dp

    Rectangle {
        id: back
        anchors.fill: parent
        radius: field.nRadius * Theme.dp
        color: input.activeFocus ? field.colorBackFocus : field.colorBackNor
        border.color: input.activeFocus ? "#FF5C00" : "#EBEDF4"
    }

    TextField {
        id: input
        anchors.fill: parent
        leftPadding: field.nLeftPadding * Theme.dp
        rightPadding: 8 * Theme.dp
        verticalAlignment: TextInput.AlignVCenter
        selectByMouse: true
        color: enabled ? "#042040" : "#B4BCCC"
        font.family: Theme.fontFamily
        font.pixelSize: field.nPixelSize * Theme.dp
        placeholderText: activeFocus ? "" : field.inputDefaultText
        placeholderTextColor: "#B4BCCC"
        background: null
        KeyNavigation.tab: field.nextField
        KeyNavigation.down: field.nextField
        KeyNavigation.backtab: field.prevField
        KeyNavigation.up: field.prevField
    }
}
