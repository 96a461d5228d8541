import QtQuick 2.15
import "../Style"

// A text cell of a held-exit row, as wide as the page's header cell nColumn and drawn in
// the row's colour.
Text {
    textFormat: Text.PlainText
    property Item lineItem: null
    property int nColumn: 0

    width: lineItem.listPage.cellWidths[nColumn]
    height: lineItem.height
    leftPadding: 8 * Theme.dp
    rightPadding: 4 * Theme.dp
    verticalAlignment: Text.AlignVCenter
    elide: Text.ElideRight
    color: lineItem.textColor
    font.family: Theme.fontFamily
    font.pixelSize: 12 * Theme.dp
}
