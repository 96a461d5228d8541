import QtQuick 2.15
import QtQuick.Controls 2.15
import Proxy.Param 1.0
import "../Button"
import "../Style"

// The program grid's context menu, opened at the pointer for one program: run it, remove
// it, or go to the proxy list to connect one. Relies on the ids globleParam, mainLoader
// and window_main.
Popup {
    id: menu

    // The program the menu was opened for.
    property var program: null

    signal signal_SetUiData(int nType, string qstrValue, int nValue)

    // Opens at the point (nX, nY) of `item`, kept inside the window.
    function openAt(row, item, nX, nY) {
        program = row
        var point = item.mapToItem(parent, nX, nY)
        x = Math.min(point.x, parent.width - width)
        y = Math.min(point.y, parent.height - height)
        open()
    }

    // Closes first; signed out, the sign-in window opens instead.
    function act(fnAction) {
        var row = program
        close()
        if (globleParam.nIsLogin === 1)
            fnAction(row)
        else
            window_main.showLogin()
    }

    // As wide as its longest entry of the language needs.
    width: Math.max(180 * Theme.dp, leftPadding + rightPadding
                    + Math.max(runEntry.implicitWidth, removeEntry.implicitWidth, goEntry.implicitWidth))
    height: 100 * Theme.dp
    padding: 4 * Theme.dp
    onClosed: program = null

    background: Rectangle {
        radius: 6 * Theme.dp
        color: "white"
        border.color: Theme.border
    }

    contentItem: Column {
        ButtonMenu {
            id: runEntry
            objectName: "programRun"
            width: parent.width
            height: 30 * Theme.dp
            textShow: qsTr("Run") + globleParam.emptyString
            btnModel.onClicked: menu.act(function (row) { ProxyManager.startProgramByThis(row) })
        }
        ButtonMenu {
            id: removeEntry
            objectName: "programRemove"
            width: parent.width
            height: 30 * Theme.dp
            textShow: qsTr("Romove") + globleParam.emptyString
            btnModel.onClicked: menu.act(function (row) { ProxyManager.deleteProgram(row.qstrFullPath) })
        }
        ButtonMenu {
            id: goEntry
            objectName: "programGoProxyList"
            width: parent.width
            height: 30 * Theme.dp
            textShow: qsTr("Go ProxyList") + globleParam.emptyString
            btnModel.onClicked: {
                menu.close()
                mainLoader.checkEntry(1)
            }
        }
    }
}
