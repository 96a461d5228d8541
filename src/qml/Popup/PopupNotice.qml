import QtQuick 2.15
import QtQuick.Controls 2.15
import Data.ListModel 1.0
import "../Delegate"
import "../Style"

// The account's notices: the list on the left, the chosen notice on the right. Opening an
// unread notice tells the service and lowers the unread count. main.qml hands in its
// curlRecv as `service` and its globleParam as `globals` (properties of other names, so
// that "service: curlRecv" binds to main.qml's object) and forwards UI message 153 here.
ModalPopup {
    id: popupNotice

    property var service: null
    property var globals: null
    property real dp: 1
    property int selectedRow: -1
    property string shownTitle: ""
    property string shownInfo: ""
    readonly property alias noticeModel: notices

    signal windowInit(int nValue)
    signal windowQuit(int nValue)
    signal signal_SetUiData(int nType, string qstrValue, int nValue)

    function showNotices(qstrList) {
        if (!notices.setJsonText(qstrList))
            return
        selectedRow = -1
        noticeList.currentIndex = -1
        shownTitle = ""
        shownInfo = ""
    }

    function openNotice(nRow) {
        selectedRow = nRow
        shownTitle = notices.value(nRow, "title")
        shownInfo = notices.value(nRow, "info")
        if (!notices.markRead(nRow))
            return
        service.pushSaveReadMsg(String(notices.value(nRow, "id")))
        if (globals.nUnreadMsgNum > 0)
            globals.nUnreadMsgNum = globals.nUnreadMsgNum - 1
    }

    onWindowInit: {
        service.pushGetMsgList()
        open()
    }
    onWindowQuit: close()
    onSignal_SetUiData: if (nType === 153) showNotices(qstrValue)

    anchors.centerIn: parent
    width: 720 * dp
    height: 460 * dp
    closePolicy: Popup.CloseOnEscape
    padding: 0

    NoticeListModel {
        id: notices
    }

    background: PopupPanel {
        dp: popupNotice.dp
    }

    contentItem: Item {
        PopupTitle {
            id: title
            width: parent.width
            dp: popupNotice.dp
            caption: qsTr("Notice") + Theme.emptyString
            showLogo: true
            onCloseClicked: popupNotice.windowQuit(-1)
        }

        Rectangle {
            id: titleRule
            anchors.top: title.bottom
            width: parent.width
            height: 1
            color: "#EBEDF4"
        }

        Item {
            id: body
            anchors.top: titleRule.bottom
            anchors.bottom: parent.bottom
            width: parent.width

            Column {
                objectName: "noticeEmpty"
                visible: notices.count === 0
                anchors.centerIn: parent
                spacing: 12 * popupNotice.dp

                Image {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: 120 * popupNotice.dp
                    height: 96 * popupNotice.dp
                    source: "qrc:/Popup/notice_empty.png"
                }
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: qsTr("No notification yet") + Theme.emptyString
                    color: "#8C92AC"
                    font.pixelSize: 14 * popupNotice.dp
                }
            }

            ListView {
                id: noticeList
                objectName: "noticeList"
                visible: notices.count > 0
                x: 12 * popupNotice.dp
                y: 12 * popupNotice.dp
                width: 260 * popupNotice.dp
                height: parent.height - 2 * y
                clip: true
                spacing: 5
                model: notices
                boundsBehavior: Flickable.StopAtBounds
                currentIndex: -1
                // The popup's only control: Tab shows its highlight, Up and Down move it,
                // Return or Space opens the highlighted notice.
                focus: visible
                activeFocusOnTab: true
                Keys.onPressed: {
                    if (currentIndex < 0 && (event.key === Qt.Key_Tab || event.key === Qt.Key_Backtab))
                        currentIndex = 0
                    event.accepted = false
                }
                Keys.onReturnPressed: openCurrent()
                Keys.onEnterPressed: openCurrent()
                Keys.onSpacePressed: openCurrent()

                function openCurrent() {
                    if (currentIndex >= 0)
                        popupNotice.openNotice(currentIndex)
                }

                delegate: NoticeModel {
                    width: noticeList.width - 10 * popupNotice.dp
                    dp: popupNotice.dp
                    title: model.title
                    timeText: model.timeText
                    unread: model.unread
                    selected: index === popupNotice.selectedRow
                    highlighted: ListView.isCurrentItem && noticeList.activeFocus
                    onChosen: popupNotice.openNotice(index)
                }

                ScrollBar.vertical: ScrollBar {
                    width: 4 * popupNotice.dp
                    contentItem: Rectangle {
                        implicitWidth: 4 * popupNotice.dp
                        radius: width / 2
                        color: "#D1D9E7"
                    }
                }
            }

            Rectangle {
                id: divider
                visible: noticeList.visible
                anchors.left: noticeList.right
                anchors.leftMargin: 12 * popupNotice.dp
                height: parent.height
                width: 1
                color: "#EBEDF4"
            }

            Flickable {
                id: detail
                visible: noticeList.visible
                anchors.left: divider.right
                anchors.right: parent.right
                anchors.top: parent.top
                anchors.bottom: parent.bottom
                anchors.margins: 24 * popupNotice.dp
                clip: true
                contentHeight: detailColumn.height
                boundsBehavior: Flickable.StopAtBounds

                Column {
                    id: detailColumn
                    width: detail.width
                    spacing: 14 * popupNotice.dp

                    Text {
                        textFormat: Text.PlainText
                        width: parent.width
                        text: popupNotice.shownTitle
                        wrapMode: Text.Wrap
                        color: "#042040"
                        font.pixelSize: 16 * popupNotice.dp
                        font.bold: true
                    }
                    Text {
                        textFormat: Text.PlainText
                        width: parent.width
                        text: popupNotice.shownInfo
                        wrapMode: Text.Wrap
                        color: "#55687D"
                        font.pixelSize: 13 * popupNotice.dp
                        lineHeight: 1.3
                    }
                }

                ScrollBar.vertical: ScrollBar { width: 4 * popupNotice.dp }
            }

            // Only a hint: choosing a notice by itself would mark it read.
            Text {
                objectName: "noticeHint"
                visible: noticeList.visible && popupNotice.selectedRow < 0
                anchors.centerIn: detail
                width: detail.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                text: qsTr("Choose a notice on the left to read it") + Theme.emptyString
                color: "#8C92AC"
                font.pixelSize: 14 * popupNotice.dp
            }
        }
    }
}
