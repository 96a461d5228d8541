import QtQuick 2.15

// A list page's scroll bar (its ListView's `ScrollBar.vertical`): shown only while the list
// is longer than its view; `bScrollbarEnd` tells the page that the view reached the list's
// end, where it loads more rows.
ScrollbarVertical {

    // The list it scrolls; the list it is attached to unless set.
    property Flickable listView: parent
    readonly property bool bScrollbarEnd: bScrollbarDefault && listView !== null && listView.atYEnd

    bScrollbarDefault: size < 1.0
}
