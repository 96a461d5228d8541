import QtQuick 2.15
import "../Style"

// One row of the device line popup's lists: a choice mark, then one cell per column of the
// list's table (Rect/EquipmentLineTable), its text from the table's `cellText`.
// The row with latency 0 stands for "any line" and is chosen while no line is.
Rectangle {
    id: lineRow

    // The row object (modelData) and the table that shows it.
    property var row: null
    property Item table: null
    property color colorText: "#042040"
    // What the row shows after its cells (e.g. a button).
    default property alias tail: tailArea.data

    readonly property bool bRandom: row !== null && row.nPing === 0
    readonly property string currentLineSession: table ? table.currentLineSession : ""
    readonly property bool bChosen: row !== null
                                    && (bRandom ? currentLineSession === "" : currentLineSession === row.qstrSession)

    height: 36 * Theme.dp
    color: bChosen ? "#FFF0EB" : rowArea.containsMouse ? "#F6F7F8" : "white"

    MouseArea {
        id: rowArea
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        // The popup keeps the row's key; none for the "any line" row.
        onClicked: lineRow.table.lineChosen(lineRow.bRandom ? "" : lineRow.row.qstrSession)
    }

    Row {
        anchors.fill: parent

        Item {
            width: 32 * Theme.dp
            height: parent.height
            Image {
                anchors.centerIn: parent
                width: 14 * Theme.dp
                height: width
                source: lineRow.bChosen ? "qrc:/image/RadioBtn_checked.png" : "qrc:/image/RadioBtn_unchecked.png"
            }
        }
        Repeater {
            model: lineRow.table ? lineRow.table.columns : []
            delegate: Text {
                textFormat: Text.PlainText
                width: modelData.width * lineRow.table.nUnit
                height: lineRow.height
                rightPadding: 6 * Theme.dp
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
                text: lineRow.row ? lineRow.table.cellText(lineRow.row, modelData.key) : ""
                color: lineRow.colorText
                font.family: Theme.fontFamily
                font.pixelSize: 13 * Theme.dp
            }
        }
        Item {
            id: tailArea
            width: lineRow.table ? lineRow.table.nTailWidth : 0
            height: parent.height
        }
    }

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: "#F0F2F7"
    }
}
