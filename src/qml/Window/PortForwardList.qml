import QtQuick 2.15
import QtQuick.Controls 2.15
import Proxy.Param 1.0
import "../Button"
import "../Popup"
import "../Progress"
import "../Style"

// The local ports and what each carries: a used port can be freed, any port's address
// copied. Message 1 or windowInit opens it; the bottom buttons act only when signed in.
// Relies on the root window's ids: globleParam, curlRecv, clipBoard.
ModalPopup {
    id: forwardList

    readonly property bool bSignedIn: globleParam.nIsLogin === 1
    readonly property var columns: [
        { "title": QT_TR_NOOP("Local IP"), "width": 120 },
        { "title": QT_TR_NOOP("Port"), "width": 64 },
        { "title": QT_TR_NOOP("Status"), "width": 64 },
        { "title": QT_TR_NOOP("BindIP"), "width": 116 },
        { "title": QT_TR_NOOP("City"), "width": 100 },
        { "title": QT_TR_NOOP("Online"), "width": 56 },
        { "title": QT_TR_NOOP("Operate"), "width": 66 },
        { "title": QT_TR_NOOP("Copy"), "width": 54 }
    ]
    // Each column is as wide as its caption and the texts of its rows need in the language
    // shown, so that no caption or action is cut.
    readonly property var columnWidths: columns.map(function (column, n) {
        var texts = [qsTr(column.title) + globleParam.emptyString].concat(n === 2 ? [qsTr("Used"), qsTr("Free")]
                                              : n === 6 ? [qsTr("Free", "action")]
                                              : n === 7 ? [qsTr("Copy")] : [])
        return Math.max(column.width * Theme.dp, cellMetrics.captionWidth(texts))
    })

    signal windowInit(int nValue)
    signal windowQuit(int nValue)
    signal signal_SetUiData(int nType, string qstrValue, int nValue)

    function copyText(qstrText) {
        clipBoard.setText(qstrText)
        copyNotice.show(qsTr("Copy Success"), true)
    }

    function freePort(qstrPort) {
        curlRecv.pushFreePortByKey(qstrPort)
        ProxyManager.freePortForwardList(qstrPort)
    }

    function freeAll() {
        if (!bSignedIn)
            return
        curlRecv.pushFreePortAll()
        ProxyManager.freePortForwardList("", 1)
    }

    function copyAll() {
        if (bSignedIn)
            copyText(ProxyManager.copyPortDataAll())
    }

    function test() {
        if (!bSignedIn)
            return
        ProxyManager.checkArraySn()
        testProgress.start()
        testTimer.restart()
    }

    onWindowInit: {
        ProxyManager.showView(4, 0)
        open()
        portView.positionViewAtBeginning()
    }
    onWindowQuit: close()
    onSignal_SetUiData: if (nType === 1) windowInit(nValue)

    x: 0
    y: 0
    width: parent ? parent.width : 0
    height: parent ? parent.height : 0
    dim: false
    padding: 0
    closePolicy: Popup.CloseOnEscape
    // The popup covers the window, so it shades the window itself.
    background: Rectangle { color: "#99042040" }

    component Cell: Text {
        textFormat: Text.PlainText
        property int nColumn: 0
        width: forwardList.columnWidths[nColumn]
        height: parent.height
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        color: Theme.textDark
        font.family: Theme.fontFamily
        font.pixelSize: 13 * Theme.dp
    }
    component LinkButton: AutoTextButton {
        anchors.verticalCenter: parent.verticalCenter
        height: 26 * Theme.dp
        nPixelSize: 13
    }

    CaptionMetrics {
        id: cellMetrics
        font.pixelSize: 13 * Theme.dp
    }

    contentItem: Item {
        PopupPanel {
            id: panel
            anchors.centerIn: parent
            width: Math.max(680 * Theme.dp, forwardList.columnWidths.reduce(function (sum, width) {
                return sum + width
            }, 50 * Theme.dp))
            height: 500 * Theme.dp
            dp: Theme.dp

            PopupTitle {
                id: title
                width: parent.width
                dp: Theme.dp
                caption: qsTr("Forward List") + globleParam.emptyString
                onCloseClicked: forwardList.windowQuit(0)
            }

            Rectangle {
                id: head
                x: 20 * Theme.dp
                anchors.top: title.bottom
                width: parent.width - 2 * x
                height: 36 * Theme.dp
                color: "#F6F7FB"
                Row {
                    x: 10 * Theme.dp
                    height: parent.height
                    Repeater {
                        model: forwardList.columns
                        delegate: Cell {
                            nColumn: index
                            text: qsTr(modelData.title) + globleParam.emptyString
                            color: "#8C92AC"
                        }
                    }
                }
            }

            ListView {
                id: portView
                objectName: "forwardPortView"
                anchors.top: head.bottom
                anchors.bottom: bottomBar.top
                anchors.bottomMargin: 10 * Theme.dp
                x: head.x
                width: head.width
                clip: true
                boundsBehavior: Flickable.StopAtBounds
                model: forwardList.visible ? ProxyManager.getListModel(4) : null
                ScrollBar.vertical: ScrollBar { width: 4 * Theme.dp }
                delegate: Rectangle {
                    id: row
                    readonly property var line: qjsonLine || ({})
                    width: portView.width
                    height: 36 * Theme.dp
                    color: rowHover.hovered ? "#F4F7FF"
                         : index % 2 === 1 ? "#FDFDFE" : "transparent"
                    HoverHandler { id: rowHover }
                    Row {
                        x: 10 * Theme.dp
                        height: parent.height
                        Cell { nColumn: 0; text: globleParam.qstrInternalNetIP }
                        Cell { nColumn: 1; text: qstrPort }
                        Cell {
                            nColumn: 2
                            text: (bUsed ? qsTr("Used") : qsTr("Free")) + globleParam.emptyString
                            color: bUsed ? "#07AB84" : "#8C92AC"
                        }
                        Cell { nColumn: 3; text: row.line.ip || "-" }
                        Cell { nColumn: 4; text: row.line.city || "-" }
                        Item {
                            width: forwardList.columnWidths[5]
                            height: parent.height
                            Text {
                                anchors.verticalCenter: parent.verticalCenter
                                visible: !bUsed
                                text: "-"
                                color: Theme.textDark
                            }
                            Image {
                                anchors.verticalCenter: parent.verticalCenter
                                visible: bUsed
                                width: 16 * Theme.dp
                                height: width
                                source: nOnline === 0 ? "qrc:/image/online_false.png"
                                                      : "qrc:/image/online_true.png"
                            }
                        }
                        Item {
                            width: forwardList.columnWidths[6]
                            height: parent.height
                            LinkButton {
                                objectName: "free" + qstrPort
                                visible: bUsed
                                textValue: qsTr("Free", "action") + globleParam.emptyString
                                btnModel.onClicked: forwardList.freePort(qstrPort)
                            }
                        }
                        Item {
                            width: forwardList.columnWidths[7]
                            height: parent.height
                            LinkButton {
                                objectName: "copy" + qstrPort
                                textValue: qsTr("Copy") + globleParam.emptyString
                                btnModel.onClicked: forwardList.copyText("127.0.0.1:" + qstrPort)
                            }
                        }
                    }
                }
            }
            Text {
                objectName: "forwardEmpty"
                anchors.centerIn: portView
                visible: portView.count === 0
                text: qsTr("The current list is empty") + globleParam.emptyString
                color: "#8C92AC"
                font.family: Theme.fontFamily
                font.pixelSize: 14 * Theme.dp
            }

            Item {
                id: bottomBar
                x: head.x
                width: head.width
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 16 * Theme.dp
                height: 36 * Theme.dp

                ListProgress {
                    id: testProgress
                    anchors.left: parent.left
                    anchors.verticalCenter: parent.verticalCenter
                    width: 160 * Theme.dp
                }
                ResultNotice {
                    id: copyNotice
                    anchors.left: testProgress.right
                    anchors.leftMargin: 12 * Theme.dp
                    anchors.verticalCenter: parent.verticalCenter
                }
                Row {
                    anchors.right: parent.right
                    height: parent.height
                    spacing: 12 * Theme.dp
                    TextAndBackButton {
                        objectName: "forwardTest"
                        nMinWidth: 96
                        height: parent.height
                        btnText: qsTr("Test") + globleParam.emptyString
                        btnModel.onClicked: forwardList.test()
                    }
                    TextAndBackButton {
                        objectName: "forwardFreeAll"
                        nMinWidth: 96
                        height: parent.height
                        btnText: qsTr("Free All") + globleParam.emptyString
                        btnModel.onClicked: forwardList.freeAll()
                    }
                    RefreshButton {
                        objectName: "forwardCopyAll"
                        nMinWidth: 96
                        height: parent.height
                        btnText: qsTr("Copy All") + globleParam.emptyString
                        btnModel.onClicked: forwardList.copyAll()
                    }
                }
            }
        }
        Timer {
            id: testTimer
            interval: 2000
            onTriggered: testProgress.stop()
        }
    }
}
