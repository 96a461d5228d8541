import QtQuick 2.15
import QtQuick.Controls 2.15
import Proxy.Param 1.0
import "../Button"
import "../Scrollbar"
import "../Style"

// The program grid: a 77-unit cell per program with its icon, its name and a tool tip; the
// selected cell shows a delete mark. The closing "add" cell (nShowType 1) asks for the
// chooser. The rows are ProxyManager's program model.
GridView {
    id: grid

    readonly property real cellSize: 77 * Theme.dp

    signal addRequested()
    // A right click or the menu key on a program: the row and a point in `cell`'s coordinates.
    signal menuRequested(var program, Item cell, real nX, real nY)
    signal deleteRequested(string qstrPath)

    model: ProxyManager.getListModel(6)
    cellWidth: cellSize + 12 * Theme.dp
    cellHeight: cellSize + 12 * Theme.dp
    currentIndex: -1
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollbarVertical {}
    // The menu key opens the selected program's menu.
    Keys.onMenuPressed: {
        if (currentItem && !currentItem.bAdd)
            menuRequested(currentItem.program, currentItem, currentItem.width / 2, currentItem.height / 2)
    }

    delegate: Item {
        id: slot

        readonly property bool bAdd: nShowType === 1
        readonly property var program: modelData

        objectName: bAdd ? "programAddCell" : "programCell" + index
        width: grid.cellWidth
        height: grid.cellHeight

        Rectangle {
            id: cell
            width: grid.cellSize
            height: grid.cellSize
            radius: 6 * Theme.dp
            color: cellArea.containsMouse ? "#F6F7F8" : "#FAFBFD"
            border.color: grid.currentIndex === index && !slot.bAdd ? Theme.accent : Theme.border

            Image {
                anchors.horizontalCenter: parent.horizontalCenter
                y: (slot.bAdd ? 18 : 10) * Theme.dp
                width: (slot.bAdd ? 40 : 36) * Theme.dp
                height: width
                source: slot.bAdd ? "qrc:/image/add_exe.png"
                                           : (qstrLogoPath || "qrc:/image/exe_logo.png")
            }
            Text {
                textFormat: Text.PlainText
                visible: !slot.bAdd
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 8 * Theme.dp
                x: 4 * Theme.dp
                width: parent.width - 2 * x
                horizontalAlignment: Text.AlignHCenter
                elide: Text.ElideMiddle
                text: qstrProgramName
                color: Theme.textDark
                font.family: Theme.fontFamily
                font.pixelSize: 11 * Theme.dp
            }

            MouseArea {
                id: cellArea
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                cursorShape: Qt.PointingHandCursor
                KitToolTip {
                    visible: cellArea.containsMouse && !slot.bAdd
                    text: qstrProgramName
                }
                onClicked: {
                    if (slot.bAdd) {
                        grid.addRequested()
                        return
                    }
                    grid.currentIndex = index
                    grid.forceActiveFocus()
                    if (mouse.button === Qt.RightButton)
                        grid.menuRequested(slot.program, cell, mouse.x, mouse.y)
                }
            }

            ButtonImage {
                objectName: "programDelete" + index
                visible: grid.currentIndex === index && !slot.bAdd
                anchors.right: parent.right
                anchors.top: parent.top
                width: 20 * Theme.dp
                height: 20 * Theme.dp
                imgNor: "qrc:/image/ico_closeblack_nor.png"
                imgHot: "qrc:/image/ico_closeblack_press.png"
                btnModel.onClicked: grid.deleteRequested(qstrFullPath)
            }
        }
    }
}
