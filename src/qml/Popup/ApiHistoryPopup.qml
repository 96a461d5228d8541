import QtQuick 2.15
import QtQuick.Controls 2.15
import Proxy.Param 1.0
import "../Button"
import "../ListView"
import "../Style"

// The history of proxies extracted through the engine's API. 100 (value 1) sizes, titles,
// loads and opens it, 100 otherwise only opens it; 163 (history read from the database)
// reloads it; 0 closes it. It closes only on Escape or its close button.
ModalPopup {
    id: apiHistory

    readonly property int nOrigin: 8
    property string strTitle: ""

    signal signal_SetUiData(int nType, string qstrValue, int nValue)

    function load() { ProxyManager.showView(nOrigin, 0) }

    function clearHistory() { ProxyManager.clearApiHistoryData() }

    onSignal_SetUiData: {
        switch (nType) {
        case 100:
            if (nValue === 1) {
                strTitle = qstrValue
                load()
            }
            open()
            break
        case 163:
            load()
            break
        case 0:
            close()
            break
        }
    }

    anchors.centerIn: parent
    width: 680 * Theme.dp
    height: 500 * Theme.dp
    closePolicy: Popup.CloseOnEscape
    padding: 0

    background: PopupPanel {
        dp: Theme.dp
    }

    contentItem: Item {
        focus: true
        Keys.onReturnPressed: apiHistory.clearHistory()
        Keys.onEnterPressed: apiHistory.clearHistory()

        PopupTitle {
            id: title
            width: parent.width
            dp: Theme.dp
            caption: apiHistory.strTitle
            onCloseClicked: apiHistory.close()
        }

        ApiHistoryListView {
            id: historyList
            anchors.top: title.bottom
            anchors.bottom: buttons.top
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.margins: 20 * Theme.dp
            anchors.topMargin: 0
            listModel: ProxyManager.getListModel(apiHistory.nOrigin)
        }

        Row {
            id: buttons
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.margins: 20 * Theme.dp
            spacing: 10 * Theme.dp
            RefreshButton {
                objectName: "apiHistoryClear"
                nMinWidth: 96
                height: 34 * Theme.dp
                btnText: qsTr("Clear") + Theme.emptyString
                btnModel.onClicked: apiHistory.clearHistory()
            }
        }
    }
}
