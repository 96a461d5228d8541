import QtQuick 2.15

// One line under a form for errors and confirmations; it clears itself 2000 ms after
// each message.
Text {
    textFormat: Text.PlainText
    id: messageLine

    property bool positive: false

    function show(qstrText, bPositive) {
        text = qstrText
        positive = bPositive === true
        clearTimer.restart()
    }

    color: positive ? "#12A150" : "#F43D60"
    font.pixelSize: 12
    elide: Text.ElideRight

    Timer {
        id: clearTimer
        interval: 2000
        onTriggered: messageLine.text = ""
    }
}
