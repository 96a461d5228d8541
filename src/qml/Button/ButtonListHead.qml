import QtQuick 2.15
import QtQuick.Controls 2.15
import "../Style"

// A list header cell: clicking it changes the page's sort; its text is also its tool tip.
// Without sorting it is disabled and shows no icon. A click scrolls `listView` (when set) to
// its first row.
Item {
    id: head

    property alias btnModel: button
    property string textShow: ""
    property bool bAllowSort: true
    // 0 unsorted, 1 ascending, 2 descending.
    property int nSort: 0
    property real nFontSize: 12
    property color textColor: "#22264B"
    property url imgNor: "qrc:/image/sort_nor.png"
    property url imgUp: "qrc:/image/sort_up.png"
    property url imgDown: "qrc:/image/sort_down.png"
    property real nLeftMargin: 0
    property bool bElide: true
    property var listView: null

    readonly property url sortIcon: !bAllowSort ? "" : nSort === 1 ? imgDown
                                  : nSort === 2 ? imgUp : imgNor

    implicitHeight: 36 * Theme.dp
    implicitWidth: row.implicitWidth + nLeftMargin * Theme.dp

    Button {
        id: button
        anchors.fill: parent
        enabled: head.bAllowSort
        hoverEnabled: true
        padding: 0
        background: null
        KitToolTip {
            visible: button.hovered && head.textShow !== ""
            text: head.textShow
        }
        onClicked: if (head.listView) head.listView.positionViewAtBeginning()
        // Inside the cell: the cells of a header touch.
        FocusRing { nOutset: -1 }

        contentItem: Row {
            id: row
            leftPadding: head.nLeftMargin * Theme.dp
            spacing: 2 * Theme.dp

            Text {
                anchors.verticalCenter: parent.verticalCenter
                width: head.bElide ? Math.min(implicitWidth, head.width - (head.nLeftMargin
                                              + (head.bAllowSort ? 16 : 0) + 4) * Theme.dp)
                                   : implicitWidth
                elide: head.bElide ? Text.ElideRight : Text.ElideNone
                // A caption longer than its column in some languages wraps at its size.
                wrapMode: Text.WordWrap
                maximumLineCount: 2
                lineHeight: 0.9
                text: head.textShow
                textFormat: Text.PlainText
                color: head.textColor
                font.family: Theme.fontFamily
                font.pixelSize: head.nFontSize * Theme.dp
            }
            Image {
                objectName: "sortIcon"
                anchors.verticalCenter: parent.verticalCenter
                visible: head.bAllowSort
                width: 14 * Theme.dp
                height: width
                source: head.sortIcon
            }
        }

        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.NoButton
            cursorShape: Qt.PointingHandCursor
        }
    }
}
