import QtQuick 2.15
import QtQuick.Controls 2.15
import Proxy.Param 1.0
import "../Button"
import "../Style"

// The row menu's side popup: the local ports (type 1) or the port ranges (type 2). A port
// binds the chosen row; a range starts the port-array popup. While binding to the outside
// browser is on, hovering a port shows that browser's windows beside it.
// Relies on the main screen's ids: globleParam, popupForwared, popupBindBrowserWndId.
Popup {
    id: portPopup

    property int nPopupSource: 0
    property int nPopupType: 1
    // The last loads of the two lists; message 157 loads both anew. The views show the
    // native models these loads fill.
    property var portModel: null
    property var rangeModel: null
    readonly property real nOffsetY: nPopupType === 2 ? 35 * Theme.dp : 0
    readonly property ListView listShown: nPopupType === 2 ? rangeList : portList

    // 1 the ports, 2 the ranges; any other type hides this popup and the browser's.
    function setBindInfo(nSource, nType) {
        nPopupSource = nSource
        nPopupType = nType
        popupBindBrowserWndId.close()
        if (nType !== 1 && nType !== 2) {
            close()
            return
        }
        if (!portModel || portModel.length === 0)
            portModel = ProxyManager.getDataType(4)
        else
            portList.positionViewAtBeginning()
        if (!rangeModel || rangeModel.length === 0)
            rangeModel = ProxyManager.refreshPortList()
        open()
        popupForwared.place()
    }

    width: 149 * Theme.dp
    height: Math.min(listShown.count, 13) * 25 * Theme.dp + 2 * Theme.dp
    margins: 0
    padding: 1 * Theme.dp
    closePolicy: Popup.NoAutoClose
    onOpened: if (listShown.count === 0) close()

    background: Rectangle {
        radius: 4 * Theme.dp
        color: "white"
        border.color: Theme.border
    }

    component SideList: ListView {
        anchors.fill: parent
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { width: 4 * Theme.dp }
    }
    component SideRow: BindPortButton {
        width: ListView.view.width
        height: 25 * Theme.dp
        nRadius: 0
        nPixelSize: 13
        imgAfter: ""
    }

    contentItem: Item {
        SideList {
            id: portList
            objectName: "bindPortList"
            visible: portPopup.nPopupType === 1
            model: portPopup.visible ? ProxyManager.getListModel(4) : null
            delegate: SideRow {
                objectName: "bindPort" + qstrPort
                btnText: qstrPort + (bUsed ? qsTr(" (Used)") : qsTr(" (Free)")) + globleParam.emptyString
                onHoveredChanged: if (hovered) popupBindBrowserWndId.showFor(qstrPort)
                btnModel.onClicked: popupForwared.bindPort(qstrPort)
            }
        }
        SideList {
            id: rangeList
            objectName: "bindRangeList"
            visible: portPopup.nPopupType === 2
            model: portPopup.visible ? ProxyManager.getListModel(5) : null
            delegate: SideRow {
                objectName: "bindRange" + qstrShow
                btnText: qstrShow
                btnModel.onClicked: popupForwared.forwardRange(qstrShow)
            }
        }
    }
}
