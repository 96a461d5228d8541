import QtQuick 2.15
import QtQuick.Controls 2.15
import Proxy.Param 1.0
import "../Button"
import "../ListView"
import "../Style"

// The history of the exits used for programs, centred over the window; 100 with n 1 opens
// it with the text as its title and the rows read afresh, 0 closes it. "Clear" deletes
// every row.
ModalPopup {
    id: historyPopup

    property string strTitle: ""

    signal signal_SetUiData(int nType, string qstrValue, int nValue)

    onSignal_SetUiData: {
        if (nType === 100 && nValue === 1) {
            strTitle = qstrValue
            ProxyManager.showView(9, 0)
            open()
        } else if (nType === 0) {
            close()
        }
    }

    parent: Overlay.overlay
    anchors.centerIn: parent
    width: 680 * Theme.dp
    height: 500 * Theme.dp
    closePolicy: Popup.CloseOnEscape
    padding: 0

    background: PopupPanel {
        dp: Theme.dp
    }

    contentItem: Item {
        PopupTitle {
            id: title
            width: parent.width
            dp: Theme.dp
            caption: historyPopup.strTitle
            onCloseClicked: historyPopup.signal_SetUiData(0, "close", 0)
        }

        ProgramHistoryListView {
            id: rows
            objectName: "programHistoryList"
            anchors.top: title.bottom
            anchors.bottom: footer.top
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.margins: 20 * Theme.dp
            anchors.topMargin: 0
        }

        Text {
            anchors.centerIn: rows
            visible: rows.count === 0
            text: qsTr("No proxy used for programs yet") + globleParam.emptyString
            color: Theme.textGrey
            font.family: Theme.fontFamily
            font.pixelSize: 13 * Theme.dp
        }

        Row {
            id: footer
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.margins: 20 * Theme.dp
            RefreshButton {
                objectName: "programHistoryClear"
                nMinWidth: 96
                height: 34 * Theme.dp
                btnText: qsTr("Clear") + globleParam.emptyString
                btnModel.onClicked: ProxyManager.clearProgramHistoryData()
            }
        }
    }
}
