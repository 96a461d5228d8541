import QtQuick 2.15
import QtQuick.Controls 2.15
import "../Button"
import "../Popup"

// The update prompt: a newer version (1), the latest one (2), a disabled one (3), the
// download (4), the saved package (5, message 17: nothing opens it and the client keeps
// running) and a download that failed (6, message 18). The root window hands in its curlRecv as `service` and its globleParam as
// `globals` and carries out `requestWindowState` as its own windowQuit.
ModalPopup {
    id: popupUpdate

    property var service: null
    property var globals: null
    property real dp: 1
    property int nPanel: 0
    property string strDescription: ""
    property string strPackagePath: ""
    property real fProgress: 0
    readonly property var panelHeights: ({ 1: 316, 2: 216, 3: 216, 4: 156, 5: 216, 6: 216 })

    signal windowInit(int nValue)
    signal windowQuit(int nValue)
    signal signal_SetUiData(int nType, string qstrValue, int nValue)
    signal requestWindowState(int nValue)

    parent: Overlay.overlay
    anchors.centerIn: parent
    closePolicy: Popup.CloseOnEscape
    width: 522 * dp
    height: (panelHeights[nPanel] || 216) * dp
    padding: 0
    background: PopupPanel { dp: popupUpdate.dp }

    function website() {
        service.openUrlExternally(service.languagePageUrl(globals.qstrDomain), 0)
    }

    onWindowInit: {
        nPanel = nValue
        if (nValue === 4)
            fProgress = 0
        open()
    }
    onWindowQuit: {
        if (nPanel === 4)
            service.cancelDownloadUpdateExe()
        nPanel = 0
        close()
        requestWindowState(7)
    }
    onSignal_SetUiData: {
        if (nType === 10) {
            strDescription = qstrValue.split("||").join("\n")
            windowInit(1)
        } else if (nType === 20 && nPanel === 4) {
            fProgress = nValue / 100
        } else if (nType === 17) {
            strPackagePath = qstrValue
            windowInit(5)
        } else if (nType === 18 && nPanel === 4) {
            windowInit(6)
        }
    }

    component Body: Text {
        textFormat: Text.PlainText
        width: parent.width
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        color: "#042040"
        font.pixelSize: 14 * dp
        font.family: openSans.name
    }
    component Link: Text {
        textFormat: Text.PlainText
        anchors.horizontalCenter: parent.horizontalCenter
        text: globals.qstrDomain
        color: "#2C68FF"
        font.underline: true
        font.family: openSans.name
        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            onClicked: popupUpdate.website()
        }
    }
    component Action: RefreshButton {
        anchors.horizontalCenter: parent.horizontalCenter
        height: 34 * dp
        nLeftPadding: 24
    }

    contentItem: Item {
        PopupTitle {
            id: title
            width: parent.width
            dp: popupUpdate.dp
            caption: qsTr("Update Prompt") + globals.emptyString
            onCloseClicked: popupUpdate.windowQuit(-1)
        }

        Column {
            objectName: "newVersionPanel"
            anchors { top: title.bottom; left: parent.left; right: parent.right; margins: 20 * dp }
            spacing: 10 * dp
            visible: popupUpdate.nPanel === 1
            Body { text: qsTr("New version found V") + globals.qstrLatestVersion + globals.emptyString; font.bold: true }
            Body { text: popupUpdate.strDescription; horizontalAlignment: Text.AlignLeft }
            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 8 * dp
                Text { text: qsTr("Update anomalies?") + globals.emptyString; font.family: openSans.name }
                Text {
                    text: qsTr("To the website") + globals.emptyString
                    color: "#2C68FF"
                    font.family: openSans.name
                    MouseArea { anchors.fill: parent; onClicked: popupUpdate.website() }
                }
            }
            Action {
                objectName: "updateNowButton"
                btnText: qsTr("Update Now") + globals.emptyString
                btnModel.onClicked: {
                    service.downloadUpdateExe()
                    popupUpdate.windowInit(4)
                }
            }
        }

        Column {
            objectName: "latestPanel"
            anchors { top: title.bottom; left: parent.left; right: parent.right; margins: 20 * dp }
            spacing: 12 * dp
            visible: popupUpdate.nPanel === 2
            Body { text: qsTr("This is the latest version!") + globals.emptyString }
            Body { text: "V" + globals.qstrLatestVersion }
            Action { btnText: qsTr("Sure") + globals.emptyString; btnModel.onClicked: popupUpdate.windowQuit(-1) }
        }

        Column {
            objectName: "abnormalPanel"
            anchors { top: title.bottom; left: parent.left; right: parent.right; margins: 20 * dp }
            spacing: 12 * dp
            visible: popupUpdate.nPanel === 3
            Body {
                text: qsTr("The client version you are using has been disabled. Please download and install again from the offical website.")
                      + globals.emptyString
            }
            Link {}
            Action {
                btnText: qsTr("Go Now") + globals.emptyString
                btnModel.onClicked: {
                    popupUpdate.website()
                    popupUpdate.requestWindowState(-1)
                }
            }
        }

        Column {
            objectName: "downloadPanel"
            anchors { top: title.bottom; left: parent.left; right: parent.right; margins: 20 * dp }
            spacing: 12 * dp
            visible: popupUpdate.nPanel === 4
            Body { text: qsTr("Updating......") + globals.emptyString }
            ProgressBar { width: parent.width; value: popupUpdate.fProgress }
            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                Text { text: qsTr("Official Website") + ":" + globals.emptyString; font.family: openSans.name }
                Link { anchors.horizontalCenter: undefined }
            }
        }

        Column {
            objectName: "savedPanel"
            anchors { top: title.bottom; left: parent.left; right: parent.right; margins: 20 * dp }
            spacing: 12 * dp
            visible: popupUpdate.nPanel === 5
            Body { text: qsTr("The new version was downloaded and saved to:") + globals.emptyString }
            TextEdit {
                objectName: "packagePath"
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: TextEdit.WrapAnywhere
                readOnly: true
                selectByMouse: true
                text: popupUpdate.strPackagePath
                color: "#042040"
                font.family: openSans.name
            }
            Action {
                objectName: "savedOkButton"
                btnText: qsTr("OK") + globals.emptyString
                btnModel.onClicked: {
                    popupUpdate.nPanel = 0
                    popupUpdate.close()
                }
            }
        }

        Column {
            objectName: "failedPanel"
            anchors { top: title.bottom; left: parent.left; right: parent.right; margins: 20 * dp }
            spacing: 12 * dp
            visible: popupUpdate.nPanel === 6
            Body { text: qsTr("The new version could not be downloaded.") + globals.emptyString }
            Link {}
            Action {
                objectName: "failedCloseButton"
                btnText: qsTr("Sure") + globals.emptyString
                btnModel.onClicked: popupUpdate.windowQuit(-1)
            }
        }
    }
}
