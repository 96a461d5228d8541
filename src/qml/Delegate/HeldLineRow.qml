import QtQuick 2.15
import "../CheckButton"
import "../Style"

// One exit the user holds, as the today and favourite lists show it: address, plan and
// place, the cells the list adds (this item's children), the online state and the star.
// An offline exit is drawn in red. Any mouse button makes it the page's current row; the
// right one also opens the row menu at the pointer. Relies on the main screen's mainLoader
// and popupForwared.
Item {
    id: line

    // The row object (C++-owned) and the page that lists it.
    property var row: null
    property var listPage: null
    property int nRowIndex: 0
    default property alias listCells: listCells.data

    readonly property bool bCurrent: listPage.currentRow === row
    readonly property color textColor: row.nOnline === 0 ? listPage.colorTextItemOnline
                                                         : listPage.colorTextItemNor

    width: ListView.view ? ListView.view.width : 0
    height: 40 * Theme.dp

    Rectangle {
        anchors.fill: parent
        color: line.bCurrent || rowArea.containsMouse ? "#F6F7F8" : "transparent"
    }
    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: "#ECEEF4"
    }

    // Under the cells, so that the star and the cells' own buttons take their clicks.
    MouseArea {
        id: rowArea
        anchors.fill: parent
        hoverEnabled: true
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        onPressed: {
            line.listPage.chooseRow(line.row)
            if (mouse.button !== Qt.RightButton)
                return
            var point = mapToItem(mainLoader, mouse.x, mouse.y)
            popupForwared.openAt(point.x, point.y, line.row.bFavorite)
        }
    }

    Row {
        LineCell { lineItem: line; nColumn: 0; text: line.row.qstrIp }
        LineCell { lineItem: line; nColumn: 1; text: line.listPage.planName(line.row.nIpTimeType) + globleParam.emptyString }
        Repeater {
            model: ["country", "state", "city", "postal", "isp"]
            LineCell {
                lineItem: line
                nColumn: 2 + index
                text: line.row.qjsonLine[modelData] || ""
            }
        }
        Row { id: listCells }
        LineCell {
            objectName: "onlineCell"
            lineItem: line
            nColumn: line.listPage.cellWidths.length - 2
            text: (line.row.nOnline === 0 ? qsTr("False") : qsTr("True")) + globleParam.emptyString
        }
        Item {
            width: line.listPage.cellWidths[line.listPage.cellWidths.length - 1]
            height: line.height
            CollectCheck {
                objectName: "collectCheck_" + line.listPage.nOrigin + "_" + line.nRowIndex
                anchors.centerIn: parent
                row: line.row
                nListType: line.listPage.nOrigin
                strSession: line.row.qstrSession
            }
        }
    }
}
