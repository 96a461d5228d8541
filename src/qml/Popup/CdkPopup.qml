import QtQuick 2.15
import QtQuick.Controls 2.15
import "../Style"

// Redeeming a code with the service. The main screen hands in curlRecv as `service` and
// globleParam as `globals`, opens it with UI message 100 (value 1) and forwards 166 here.
// A code taken shows the main screen's floating tip through UI message 25.
ModalPopup {
    id: cdkPopup

    property var service: null
    property var globals: null
    property real dp: 1
    readonly property alias confirmEnabled: confirmButton.enabled
    readonly property alias messageText: messageLine.text

    signal signal_SetUiData(int nType, string qstrValue, int nValue)

    function confirm() {
        if (!confirmButton.enabled)
            return
        if (codeField.text === "") {
            messageLine.show(qsTr("Please input your CDKEY"))
            return
        }
        confirmButton.enabled = false
        service.pushUseCDK(codeField.text)
    }

    function openHelp() {
        service.openUrlExternally(service.checkOpenUrl(globals.qstrCdkHelpUrl)
                                   + "&la=" + globals.qstrLangCode, 0)
    }

    function receive(nType, qstrValue, nValue) {
        if (nType === 100 && nValue === 1) {
            codeField.text = qstrValue
            open()
        } else if (nType === 166) {
            confirmButton.enabled = true
            if (nValue === 0) {
                close()
                service.signal_SetUiData(25, qsTr("Successfully"), 0)
            } else {
                messageLine.show(qstrValue)
            }
        }
    }

    onSignal_SetUiData: receive(nType, qstrValue, nValue)
    // The code can be typed at once.
    onOpened: codeField.forceActiveFocus()

    anchors.centerIn: parent
    width: 400 * dp
    height: 200 * dp
    closePolicy: Popup.CloseOnEscape | Popup.CloseOnReleaseOutsideParent
    padding: 0

    background: PopupPanel {
        dp: cdkPopup.dp
    }

    contentItem: Item {
        PopupTitle {
            id: title
            width: parent.width
            dp: cdkPopup.dp
            caption: qsTr("Redeem CDKEY") + Theme.emptyString
            onCloseClicked: cdkPopup.close()
        }

        Column {
            // Centred in the room under the title, a little high so the error line sits
            // inside it.
            y: title.height + (parent.height - title.height - height) / 2 - 4 * cdkPopup.dp
            x: 20 * cdkPopup.dp
            width: parent.width - 2 * x
            spacing: 10 * cdkPopup.dp

            Item {
                width: parent.width
                height: caption.height

                Text {
                    id: caption
                    text: qsTr("Please enter CDKEY") + Theme.emptyString
                    color: "#042040"
                    font.pixelSize: 13 * cdkPopup.dp
                }
                Text {
                    id: helpLink
                    objectName: "helpLink"
                    anchors.right: parent.right
                    text: qsTr("How to generate?") + Theme.emptyString
                    color: "#FF5C00"
                    font.pixelSize: 13 * cdkPopup.dp
                    font.underline: helpArea.containsMouse
                    MouseArea {
                        id: helpArea
                        anchors.fill: parent
                        hoverEnabled: true
                        cursorShape: Qt.PointingHandCursor
                        onClicked: cdkPopup.openHelp()
                    }
                }
            }

            Row {
                width: parent.width
                spacing: 10 * cdkPopup.dp

                TextField {
                    id: codeField
                    objectName: "codeField"
                    width: parent.width - confirmButton.width - parent.spacing
                    height: 38 * cdkPopup.dp
                    selectByMouse: true
                    font.pixelSize: 14 * cdkPopup.dp
                    onAccepted: cdkPopup.confirm()
                    background: Rectangle {
                        color: "#FBFCFF"
                        border.color: codeField.activeFocus ? "#FF5C00" : "#EBEDF4"
                        radius: 4 * cdkPopup.dp
                    }
                }
                Button {
                    id: confirmButton
                    width: Math.max(96 * cdkPopup.dp, contentItem.implicitWidth + 24 * cdkPopup.dp)
                    height: 38 * cdkPopup.dp
                    text: qsTr("Confirm") + Theme.emptyString
                    onClicked: cdkPopup.confirm()
                    FocusRing { nRadius: 4 }
                    contentItem: Text {
                        text: confirmButton.text
                        color: "white"
                        font.pixelSize: 14 * cdkPopup.dp
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                    }
                    background: Rectangle {
                        radius: 4 * cdkPopup.dp
                        color: !confirmButton.enabled ? "#FFB48A"
                             : confirmButton.down ? "#E05200" : "#FF5C00"
                    }
                }
            }

            MessageLine {
                id: messageLine
                width: parent.width
                height: 16 * cdkPopup.dp
            }
        }
    }
}
