import QtQuick 2.15
import QtQuick.Controls 2.15
import "../Button"
import "../Scrollbar"
import "../Style"

// The extracted proxies, newest first: address, country, state, city and when it was
// extracted. A click selects a row and does nothing else.
Item {
    id: history

    property alias listModel: list.model
    readonly property alias listView: list
    // Parts of the width for the five columns.
    readonly property var columnShares: [0.26, 0.16, 0.16, 0.16, 0.26]
    readonly property var columnHeads: [QT_TR_NOOP("BindIP"), QT_TR_NOOP("Country"),
                                        QT_TR_NOOP("State"), QT_TR_NOOP("City"),
                                        QT_TR_NOOP("BuyTime")]

    function columnWidth(nColumn) { return width * columnShares[nColumn] }

    Rectangle {
        id: head
        width: parent.width
        height: 36 * Theme.dp
        color: "#F7F8FB"
        Row {
            anchors.fill: parent
            Repeater {
                model: history.columnHeads
                ButtonListHead {
                    width: history.columnWidth(index)
                    height: head.height
                    nLeftMargin: 12
                    bAllowSort: false
                    textShow: qsTr(modelData) + Theme.emptyString
                }
            }
        }
    }

    ListView {
        id: list
        objectName: "apiHistoryList"
        anchors.top: head.bottom
        anchors.bottom: parent.bottom
        width: parent.width
        clip: true
        currentIndex: -1
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: LvScrollbarVertical {}

        delegate: Rectangle {
            readonly property var cells: [qstrIp, qjsonLine.country, qjsonLine.state,
                                          qjsonLine.city, qstrBuyTime]

            width: list.width
            height: 32 * Theme.dp
            color: ListView.isCurrentItem ? "#FFEFEB" : rowArea.containsMouse ? "#F7F8FB" : "white"

            Row {
                anchors.fill: parent
                Repeater {
                    model: parent.parent.cells
                    Text {
                        textFormat: Text.PlainText
                        width: history.columnWidth(index)
                        height: parent.height
                        leftPadding: 12 * Theme.dp
                        verticalAlignment: Text.AlignVCenter
                        elide: Text.ElideRight
                        text: modelData !== undefined ? modelData : ""
                        color: "#042040"
                        font.family: Theme.fontFamily
                        font.pixelSize: 12 * Theme.dp
                    }
                }
            }
            Rectangle {
                anchors.bottom: parent.bottom
                width: parent.width
                height: 1
                color: "#EAEFF9"
            }
            MouseArea {
                id: rowArea
                anchors.fill: parent
                hoverEnabled: true
                onClicked: list.currentIndex = index
            }
        }
    }
}
