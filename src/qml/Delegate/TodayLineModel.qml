import QtQuick 2.15

// A row of the Today List page: the held-exit row with the bound port and the buy time.
HeldLineRow {
    id: todayLine

    LineCell { lineItem: todayLine; nColumn: 7; text: todayLine.row.qstrPort }
    LineCell { lineItem: todayLine; nColumn: 8; text: todayLine.row.qstrBuyTime }
}
