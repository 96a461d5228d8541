import QtQuick 2.15

// Text with markup and a local picture, as a hostile service or a user could send it, and
// whether a text item shows its text as typed: laid out as rich text, the markup would be a
// bold "x" and a picture, far narrower than its typed characters.
TextMetrics {
    readonly property string markup: '<b>x</b><img src="file:///tmp/qel-markup-probe.png">'

    function shownAsTyped(item) {
        font = item.font
        text = item.text
        return Math.abs(item.implicitWidth - advanceWidth) < 2
    }
}
