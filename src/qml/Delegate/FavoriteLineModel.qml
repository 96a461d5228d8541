import QtQuick 2.15
import "../Button"
import "../Style"

// A row of the Favorite List page: the held-exit row with the remark and its pen, which
// opens the main screen's remark popup on this favourite.
HeldLineRow {
    id: favoriteLine

    Item {
        width: favoriteLine.listPage.cellWidths[7]
        height: favoriteLine.height

        LineCell {
            lineItem: favoriteLine
            width: parent.width - remarkPen.width
            text: favoriteLine.row.qstrRemark
        }
        ButtonImage {
            id: remarkPen
            objectName: "remarkPen"
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            width: 20 * Theme.dp
            height: width
            imgNor: "qrc:/image/remark_nor.png"
            imgHot: "qrc:/image/remark_hot.png"
            btnModel.onClicked: remarkPopup.signal_SetUiData(100, favoriteLine.row.qstrSession, 1)
        }
    }
}
