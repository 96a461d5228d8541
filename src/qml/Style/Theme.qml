pragma Singleton
import QtQuick 2.15

// What every control of the kit shares with the root window, so a control needs nothing
// from the screen that holds it: the root window binds `dp` to its scale factor and
// announces a change of `emptyString` on every change of language (which makes the
// controls' own texts translate again).
QtObject {
    property real dp: 1
    property string emptyString: ""
    readonly property string fontFamily: "Open Sans"

    readonly property color accent: "#FF5C00"
    readonly property color textDark: "#042040"
    readonly property color textGrey: "#8C92AC"
    readonly property color border: "#EBEDF4"
}
