import QtQuick 2.15
import QtQuick.Controls 2.15
import "../Button"
import "../Scrollbar"
import "../Style"

// The table of the device line popup's lists: sort heads over the rows of a C++ model.
// A head with a sort pair cycles off, ascending (its odd type), descending (the even one).
Rectangle {
    id: table

    // Each column: { key, title (translated), width (units), sort (odd type, 0 none) }.
    property var columns: []
    property alias listModel: view.model
    property alias rowDelegate: view.delegate
    property alias listView: view
    // The user scrolled to the end (a model reset that leaves the view there does not count).
    readonly property bool bAtEnd: scrollbar.bScrollbarEnd && (view.moving || scrollbar.pressed)
    property real nTailWidth: 0
    property string emptyText: ""
    property bool bShowEmpty: false
    property int nSortColumn: -1
    property int nSortState: 0
    // The key of the chosen row; empty for the "any line" row.
    property string currentLineSession: ""

    readonly property real nUnit: {
        var units = 0
        columns.forEach(function (column) { units += column.width })
        return units > 0 ? (width - 32 * Theme.dp - nTailWidth - 8 * Theme.dp) / units : 0
    }
    readonly property int nSortType: nSortColumn < 0 || nSortState === 0 ? 0
                                     : columns[nSortColumn].sort + nSortState - 1

    signal sortChosen(int nSortType)
    signal lineChosen(string qstrSession)

    // A cell's text; the lists give their own.
    function cellText(row, key) { return "" }

    function resetSort() {
        nSortColumn = -1
        nSortState = 0
    }

    function headClicked(nIndex) {
        nSortState = nIndex === nSortColumn ? (nSortState + 1) % 3 : 1
        nSortColumn = nIndex
        sortChosen(nSortType)
    }

    onColumnsChanged: resetSort()

    radius: 4 * Theme.dp
    border.color: "#EBEDF4"
    clip: true

    Rectangle {
        id: head
        x: 1
        y: 1
        width: parent.width - 2
        height: 36 * Theme.dp
        color: "#F6F7FB"

        Row {
            x: 32 * Theme.dp
            height: parent.height
            Repeater {
                model: table.columns
                delegate: ButtonListHead {
                    objectName: "head_" + modelData.key
                    width: modelData.width * table.nUnit
                    height: head.height
                    textShow: modelData.title
                    bAllowSort: modelData.sort > 0
                    nSort: index === table.nSortColumn ? table.nSortState : 0
                    listView: view
                    btnModel.onClicked: table.headClicked(index)
                }
            }
        }
    }

    ListView {
        id: view
        objectName: "lineView"
        anchors.top: head.bottom
        anchors.bottom: parent.bottom
        x: 1
        width: parent.width - 2
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: LvScrollbarVertical { id: scrollbar }
    }

    Text {
        objectName: "emptyText"
        anchors.centerIn: view
        visible: table.bShowEmpty && view.count === 0
        text: table.emptyText
        color: "#8C92AC"
        font.family: Theme.fontFamily
        font.pixelSize: 14 * Theme.dp
    }
}
