import QtQuick 2.15

// The API page's scroll bar for its ScrollView.
ScrollbarVertical {
    bScrollbarDefault: true
    nScrolWidth: 3
    colorTrack: "#DBE2EB"
    colorHandle: "#94A3B8"
}
