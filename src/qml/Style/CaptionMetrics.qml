import QtQuick 2.15
import "."

// Measures captions in the kit's font at the size and weight set here: captionWidth is what
// a column or entry needs to show the longest of its texts whole, with the kit's padding.
FontMetrics {
    readonly property real padding: 16 * Theme.dp

    function captionWidth(texts) {
        return texts.reduce(function (width, text) {
            return Math.max(width, Math.ceil(advanceWidth(text)) + padding)
        }, 0)
    }

    font.family: Theme.fontFamily
}
