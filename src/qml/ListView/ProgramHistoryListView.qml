import QtQuick 2.15
import QtQuick.Controls 2.15
import Proxy.Param 1.0
import "../Scrollbar"
import "../Style"

// The exits the automatic program proxy used: the local address, the exit's IP and its
// place, a 32-unit row each. The rows are ProxyManager's program-history model.
ListView {
    id: history

    // Column captions and shares of the width.
    readonly property var columns: [
        { "title": QT_TR_NOOP("LocalIp"), "share": 0.22 },
        { "title": QT_TR_NOOP("BindIP"), "share": 0.22 },
        { "title": QT_TR_NOOP("Country"), "share": 0.18 },
        { "title": QT_TR_NOOP("State"), "share": 0.19 },
        { "title": QT_TR_NOOP("City"), "share": 0.19 }
    ]

    component Cell: Text {
        textFormat: Text.PlainText
        property int nColumn: 0
        width: history.width * history.columns[nColumn].share
        height: parent.height
        leftPadding: 12 * Theme.dp
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        color: Theme.textDark
        font.family: Theme.fontFamily
        font.pixelSize: 13 * Theme.dp
    }

    model: ProxyManager.getListModel(9)
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    headerPositioning: ListView.OverlayHeader
    ScrollBar.vertical: ScrollbarVertical {}

    header: Rectangle {
        z: 2
        width: history.width
        height: 36 * Theme.dp
        color: "#F4F6FB"
        Row {
            anchors.fill: parent
            Repeater {
                model: history.columns
                Cell {
                    nColumn: index
                    text: qsTr(modelData.title) + globleParam.emptyString
                    color: Theme.textGrey
                }
            }
        }
    }

    delegate: Rectangle {
        id: row

        readonly property var line: qjsonLine || ({})

        width: history.width
        height: 32 * Theme.dp
        color: index % 2 ? "#FAFBFD" : "white"
        Row {
            anchors.fill: parent
            Cell { nColumn: 0; text: globleParam.qstrInternalNetIP }
            Cell { nColumn: 1; text: qstrIp }
            Cell { nColumn: 2; text: row.line.country || "" }
            Cell { nColumn: 3; text: row.line.state || "" }
            Cell { nColumn: 4; text: row.line.city || "" }
        }
    }
}
