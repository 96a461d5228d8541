import QtQuick 2.15
import QtQuick.Controls 2.15
import "../CheckButton"
import "../Edit"
import "../Popup"
import "../Style"

// Settings of the binding to the outside anti-detection browser: the switch, its profile
// list and two options. main.qml hands in its curlRecv as `service`, its globleParam as
// `globals` and its profile list model as `profiles`, and forwards UI message 143 here.
ModalPopup {
    id: popupBrowser

    property var service: null
    property var globals: null
    property var profiles: null
    property real dp: 1

    signal windowInit(int nValue)
    signal windowQuit(int nValue)
    signal signal_SetUiData(int nType, string qstrValue, int nValue)

    // The floating tip, hidden again after `ms`.
    function showTip(qstrText, ms) {
        tip.text = qstrText
        tipTimer.interval = ms
        tipTimer.restart()
    }

    function rowText(seq, name) {
        return seq + "-" + (String(name) === "" ? qsTr("Unnamed") : name)
    }

    function openTutorial() {
        service.openUrlExternally(service.checkOpenUrl(globals.qstrBrowserBindHelpUrl)
                                  + "&la=" + globals.qstrLangCode)
    }

    onWindowInit: open()
    onWindowQuit: close()
    onSignal_SetUiData: if (nType === 143) showTip(qsTr("Successfully!"), 1000)

    anchors.centerIn: parent
    width: 520 * dp
    height: contentItem.implicitHeight
    closePolicy: Popup.CloseOnEscape
    padding: 0

    Timer {
        id: tipTimer
        onTriggered: tip.text = ""
    }

    Timer {
        id: closeTimer
        interval: 2000
        onTriggered: popupBrowser.close()
    }

    background: PopupPanel {
        dp: popupBrowser.dp
    }

    // A caption before a row's control.
    component Caption: Text {
        property real dp: 1
        // Wider than the column where a language's caption is longer; the field gives way.
        width: Math.max(170 * dp, implicitWidth)
        color: "#042040"
        font.pixelSize: 13 * dp
        anchors.verticalCenter: parent.verticalCenter
    }

    // The popup's plain and highlighted buttons.
    component FormButton: Button {
        id: formButton
        property real dp: 1
        property bool primary: false
        height: 36 * dp
        width: Math.max(96 * dp, buttonText.implicitWidth + 24 * dp)
        FocusRing { nRadius: 4 }
        contentItem: Text {
            id: buttonText
            text: formButton.text
            color: formButton.primary ? "white" : (formButton.enabled ? "#55687D" : "#B8C0CC")
            font.pixelSize: 14 * formButton.dp
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
        background: Rectangle {
            radius: 4 * formButton.dp
            color: formButton.primary ? (formButton.down ? "#E05200" : "#FF5C00")
                                      : (formButton.hovered ? "#F6F7F8" : "white")
            border.color: formButton.primary ? "transparent" : "#D1D9E7"
        }
    }

    contentItem: Column {
        id: form

        readonly property real margin: 20 * popupBrowser.dp

        spacing: 0
        bottomPadding: margin

        PopupTitle {
            width: parent.width
            dp: popupBrowser.dp
            caption: qsTr("Anti-detection browser") + Theme.emptyString
            onCloseClicked: popupBrowser.windowQuit(-1)
        }

        Column {
            id: fields
            x: form.margin
            width: parent.width - 2 * form.margin
            spacing: 12 * popupBrowser.dp

            Row {
                height: 32 * popupBrowser.dp
                Caption { dp: popupBrowser.dp; text: qsTr("Status") + Theme.emptyString }
                SwitchCheck {
                    id: bindSwitch
                    objectName: "bindSwitch"
                    anchors.verticalCenter: parent.verticalCenter
                    checked: popupBrowser.globals ? popupBrowser.globals.bBrowserBindOpen : false
                    onClicked: popupBrowser.globals.bBrowserBindOpen = !checked
                }
            }

            Row {
                id: browserRow
                height: 32 * popupBrowser.dp
                spacing: 8 * popupBrowser.dp
                Caption { id: browserCaption; dp: popupBrowser.dp; text: qsTr("Anti-detection browser:") + Theme.emptyString }
                // The field gives up width so that a long "Tutorial" stays inside the form.
                ApiEdit {
                    anchors.verticalCenter: parent.verticalCenter
                    width: Math.min(160 * popupBrowser.dp, fields.width - browserCaption.width - videoIcon.width
                                    - tutorialButton.width - 3 * browserRow.spacing)
                    height: 32 * popupBrowser.dp
                    enabled: false
                    nPixelSize: 13
                    editModel.text: "BitBrowser"
                }
                Image {
                    id: videoIcon
                    anchors.verticalCenter: parent.verticalCenter
                    width: 20 * popupBrowser.dp
                    height: width
                    source: "qrc:/Popup/video.png"
                    MouseArea {
                        anchors.fill: parent
                        cursorShape: Qt.PointingHandCursor
                        onClicked: popupBrowser.openTutorial()
                    }
                }
                FormButton {
                    id: tutorialButton
                    dp: popupBrowser.dp
                    anchors.verticalCenter: parent.verticalCenter
                    height: 28 * popupBrowser.dp
                    text: qsTr("Tutorial") + Theme.emptyString
                    onClicked: popupBrowser.openTutorial()
                }
            }

            Caption {
                anchors.verticalCenter: undefined
                dp: popupBrowser.dp
                text: qsTr("Browser profiles:") + Theme.emptyString
            }
            Rectangle {
                width: parent.width
                height: 160 * popupBrowser.dp
                radius: 4 * popupBrowser.dp
                color: "#FBFCFF"
                border.color: "#EBEDF4"

                ListView {
                    id: profileList
                    objectName: "profileList"
                    anchors.fill: parent
                    anchors.margins: 6 * popupBrowser.dp
                    clip: true
                    model: bindSwitch.checked ? popupBrowser.profiles : null
                    boundsBehavior: Flickable.StopAtBounds
                    delegate: Text {
                        textFormat: Text.PlainText
                        width: profileList.width
                        height: 26 * popupBrowser.dp
                        verticalAlignment: Text.AlignVCenter
                        elide: Text.ElideRight
                        text: popupBrowser.rowText(model.seq, model.name)
                        color: "#042040"
                        font.pixelSize: 13 * popupBrowser.dp
                    }
                    ScrollBar.vertical: ScrollBar { width: 4 * popupBrowser.dp }
                }
                Text {
                    objectName: "profilesEmpty"
                    anchors.centerIn: parent
                    visible: profileList.count === 0
                    text: qsTr("Please get the latest list") + Theme.emptyString
                    color: "#8C92AC"
                    font.pixelSize: 13 * popupBrowser.dp
                }
            }

            Row {
                width: parent.width
                spacing: 12 * popupBrowser.dp
                FormButton {
                    id: refreshButton
                    objectName: "refreshButton"
                    dp: popupBrowser.dp
                    enabled: bindSwitch.checked
                    text: qsTr("Refresh") + Theme.emptyString
                    onClicked: popupBrowser.service.pushGetBrowserList()
                }
                Text {
                    width: parent.width - refreshButton.width - parent.spacing
                    anchors.verticalCenter: parent.verticalCenter
                    wrapMode: Text.Wrap
                    text: qsTr("*The browser list has changed, or this function is used for the first time, please synchronize the latest list") + Theme.emptyString
                    color: "#8C92AC"
                    font.pixelSize: 12 * popupBrowser.dp
                }
            }

            CheckBoxNormal {
                objectName: "restartBox"
                text: qsTr("Automatically restart the browser when the proxy changes") + Theme.emptyString
                checked: popupBrowser.globals ? popupBrowser.globals.bBrowserWndReStart : false
                onToggled: popupBrowser.globals.bBrowserWndReStart = checked
            }
            CheckBoxNormal {
                objectName: "cookieBox"
                text: qsTr("Clear Cookies Before Launch") + Theme.emptyString
                checked: popupBrowser.globals ? popupBrowser.globals.bClearBrowserCookie : false
                onToggled: popupBrowser.globals.bClearBrowserCookie = checked
            }

            Item {
                width: parent.width
                height: 36 * popupBrowser.dp

                Text {
                    textFormat: Text.PlainText
                    id: tip
                    objectName: "tip"
                    anchors.left: parent.left
                    anchors.verticalCenter: parent.verticalCenter
                    color: "#12A150"
                    font.pixelSize: 13 * popupBrowser.dp
                }
                Row {
                    anchors.right: parent.right
                    spacing: 12 * popupBrowser.dp
                    FormButton {
                        dp: popupBrowser.dp
                        text: qsTr("Cancel") + Theme.emptyString
                        onClicked: popupBrowser.close()
                    }
                    FormButton {
                        objectName: "saveButton"
                        dp: popupBrowser.dp
                        primary: true
                        text: qsTr("Save & Close") + Theme.emptyString
                        onClicked: {
                            popupBrowser.showTip(qsTr("Successfully!"), 2000)
                            closeTimer.restart()
                        }
                    }
                }
            }
        }
    }
}
