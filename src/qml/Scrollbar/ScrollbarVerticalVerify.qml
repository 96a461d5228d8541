import QtQuick 2.15

// A history list's scroll bar: shown whenever the list is longer than its view.
ScrollbarVertical {
    bScrollbarDefault: true
}
