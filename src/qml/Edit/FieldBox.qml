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

    // Unlike KeyNavigation, a move here makes no way back from `target`: the last of a ring
    // of fields (the location filter's IP field) would send Shift+Tab round the ring for ever.
    function moveFocus(target, nReason, event) {
        if (target)
            target.forceActiveFocus(nReason)
        event.accepted = !!target
    }

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
        Keys.onTabPressed: field.moveFocus(field.nextField, Qt.TabFocusReason, event)
        Keys.onDownPressed: field.moveFocus(field.nextField, Qt.TabFocusReason, event)
        Keys.onBacktabPressed: field.moveFocus(field.prevField, Qt.BacktabFocusReason, event)
        Keys.onUpPressed: field.moveFocus(field.prevField, Qt.BacktabFocusReason, event)
    }
}
