import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Dialogs 1.3
import Data.ListModel 1.0
import "../ComboBox"
import "../Popup"
import "../Style"

// Feedback to the service: a category, an e-mail address, the problem and up to three
// pictures, each uploaded as soon as it is chosen. main.qml hands in its curlRecv as
// `service` and its globleParam as `globals` and forwards UI messages 140, 141 and 142 here.
ModalPopup {
    id: popupFeedback

    property var service: null
    property var globals: null
    property real dp: 1
    property string currentCode: ""
    // The three picture slots: the local picture shown and its address on the service.
    property var imgBacks: ["", "", ""]
    property var imgCodes: ["", "", ""]
    readonly property alias categoryModel: categories
    readonly property alias messageText: messageLine.text

    signal windowInit(int nValue)
    signal windowQuit(int nValue)
    signal signal_SetUiData(int nType, string qstrValue, int nValue)

    // A local path as a file URL, each part encoded so that "#" or "?" stay in the name.
    function fileUrlOf(qstrPath) {
        return "file://" + qstrPath.split("/").map(encodeURIComponent).join("/")
    }

    function localPathOf(fileUrl) {
        return decodeURIComponent(String(fileUrl).replace(/^file:\/\//, ""))
    }

    function setSlot(nSlot, qstrBack, qstrCode) {
        var backs = imgBacks.slice()
        var codes = imgCodes.slice()
        backs[nSlot] = qstrBack
        codes[nSlot] = qstrCode
        imgBacks = backs
        imgCodes = codes
    }

    function addPicture(qstrPathAndCode) {
        var nSlot = imgBacks.indexOf("")
        if (nSlot < 0)
            return
        var nBar = qstrPathAndCode.indexOf("|")
        setSlot(nSlot, fileUrlOf(qstrPathAndCode.slice(0, nBar)), qstrPathAndCode.slice(nBar + 1))
    }

    function imagesText() {
        var text = ""
        for (var i = 0; i < imgCodes.length; ++i) {
            if (imgBacks[i] !== "")
                text += imgCodes[i] + ","
        }
        return text
    }

    function clearForm() {
        currentCode = ""
        categoryBox.clear()
        emailField.text = ""
        problemArea.text = ""
        imgBacks = ["", "", ""]
        imgCodes = ["", "", ""]
    }

    function submit() {
        if (!globals || globals.nIsLogin !== 1)
            return
        if (currentCode === "")
            messageLine.show(qsTr("Please selete category"))
        else if (emailField.text === "")
            messageLine.show(qsTr("Please input your email"))
        else if (problemArea.text === "")
            messageLine.show(qsTr("Please input your problem"))
        else
            service.pushFeedbackInfo(currentCode, emailField.text, problemArea.text, imagesText())
    }

    function receive(nType, qstrValue, nValue) {
        if (nType === 140) {
            if (categories.setJsonText(qstrValue)) {
                currentCode = ""
                categoryBox.clear()
            }
        } else if (nType === 141) {
            if (nValue === 0)
                addPicture(qstrValue)
            else
                messageLine.show(qstrValue)
        } else if (nType === 142) {
            if (nValue === 0) {
                messageLine.show(qsTr("Thanks! We have received your feedback."), true)
                closeTimer.restart()
            } else {
                messageLine.show(qstrValue)
            }
        }
    }

    onWindowInit: {
        if (categories.count === 0)
            service.getFeedbackCategory()
        clearForm()
        open()
    }
    onWindowQuit: close()
    onSignal_SetUiData: receive(nType, qstrValue, nValue)

    anchors.centerIn: parent
    width: 560 * dp
    height: contentItem.implicitHeight
    closePolicy: Popup.CloseOnEscape
    padding: 0

    // A field's caption with the red mark of a required field.
    component FieldLabel: Row {
        property alias text: caption.text
        property real dp: 1
        spacing: 2
        Text {
            id: caption
            color: "#042040"
            font.pixelSize: 13 * parent.dp
        }
        Text {
            text: "*"
            color: "#F43D60"
            font.pixelSize: 13 * parent.dp
        }
    }

    FeedbackCategoryModel {
        id: categories
    }

    Timer {
        id: closeTimer
        interval: 1500
        onTriggered: popupFeedback.close()
    }

    // Made when first needed: the dialog is heavy and most openings never show it.
    Loader {
        id: pictureDialog
        active: false
        sourceComponent: FileDialog {
            title: qsTr("Select Picture") + Theme.emptyString
            folder: shortcuts.desktop
            selectExisting: true
            selectMultiple: false
            onAccepted: popupFeedback.service.uploadFeedbackPicture(
                            popupFeedback.localPathOf(fileUrl))
        }
    }

    background: PopupPanel {
        dp: popupFeedback.dp
    }

    contentItem: Column {
        id: form

        readonly property real margin: 20 * popupFeedback.dp
        readonly property real fieldWidth: width - 2 * margin

        spacing: 0
        bottomPadding: margin

        PopupTitle {
            width: parent.width
            dp: popupFeedback.dp
            caption: qsTr("Feedback") + Theme.emptyString
            onCloseClicked: popupFeedback.windowQuit(-1)
        }

        Column {
            x: form.margin
            width: form.fieldWidth
            spacing: 8 * popupFeedback.dp

            Text {
                width: parent.width
                bottomPadding: 8 * popupFeedback.dp
                text: qsTr("Fill in the fields bellow and one of our support agents will personally get back to you very soon.") + Theme.emptyString
                wrapMode: Text.Wrap
                color: "#55687D"
                font.pixelSize: 13 * popupFeedback.dp
            }

            FieldLabel { text: qsTr("Category") + Theme.emptyString; dp: popupFeedback.dp }
            ComboCategory {
                id: categoryBox
                objectName: "categoryBox"
                width: parent.width
                height: 36 * popupFeedback.dp
                dataModel: categories
                onEntryChosen: popupFeedback.currentCode = String(entry.id)
            }

            FieldLabel { text: qsTr("Your email") + Theme.emptyString; dp: popupFeedback.dp }
            TextField {
                id: emailField
                objectName: "emailField"
                width: parent.width
                height: 36 * popupFeedback.dp
                placeholderText: qsTr("Enter your email") + Theme.emptyString
                selectByMouse: true
                font.pixelSize: 13 * popupFeedback.dp
                background: Rectangle {
                    color: "#FBFCFF"
                    border.color: emailField.activeFocus ? "#FF5C00" : "#EBEDF4"
                    radius: 4 * popupFeedback.dp
                }
            }

            FieldLabel { text: qsTr("What's the problem?") + Theme.emptyString; dp: popupFeedback.dp }
            ScrollView {
                id: problemView
                width: parent.width
                height: 110 * popupFeedback.dp
                background: Rectangle {
                    color: "#FBFCFF"
                    border.color: problemArea.activeFocus ? "#FF5C00" : "#EBEDF4"
                    radius: 4 * popupFeedback.dp
                }
                TextArea {
                    id: problemArea
                    objectName: "problemArea"
                    placeholderText: qsTr("Describe your problem") + Theme.emptyString
                    wrapMode: TextEdit.Wrap
                    selectByMouse: true
                    font.pixelSize: 13 * popupFeedback.dp
                    // Tab and Shift+Tab go on to the form's other controls, as in its fields.
                    Keys.onTabPressed: nextItemInFocusChain(true).forceActiveFocus(Qt.TabFocusReason)
                    Keys.onBacktabPressed: nextItemInFocusChain(false).forceActiveFocus(Qt.BacktabFocusReason)
                }
            }

            Row {
                id: pictureRow
                topPadding: 4 * popupFeedback.dp
                spacing: 10 * popupFeedback.dp

                Repeater {
                    model: 3
                    delegate: Rectangle {
                        visible: popupFeedback.imgBacks[index] !== ""
                        width: 64 * popupFeedback.dp
                        height: width
                        radius: 4 * popupFeedback.dp
                        color: "#F6F7F8"
                        border.color: "#EBEDF4"

                        Image {
                            anchors.fill: parent
                            anchors.margins: 1
                            source: popupFeedback.imgBacks[index]
                            fillMode: Image.PreserveAspectCrop
                            asynchronous: true
                        }
                        Image {
                            anchors.right: parent.right
                            anchors.top: parent.top
                            anchors.margins: 3 * popupFeedback.dp
                            width: 16 * popupFeedback.dp
                            height: width
                            source: "qrc:/Popup/delete_picture.png"
                            MouseArea {
                                anchors.fill: parent
                                cursorShape: Qt.PointingHandCursor
                                onClicked: popupFeedback.setSlot(index, "", "")
                            }
                        }
                    }
                }

                Rectangle {
                    id: addButton
                    objectName: "addPicture"
                    visible: popupFeedback.imgBacks.indexOf("") >= 0
                    width: addContent.width + 24 * popupFeedback.dp
                    height: 64 * popupFeedback.dp
                    radius: 4 * popupFeedback.dp
                    color: addArea.containsMouse ? "#F6F7F8" : "#FBFCFF"
                    border.color: "#D1D9E7"

                    Row {
                        id: addContent
                        anchors.centerIn: parent
                        spacing: 8 * popupFeedback.dp
                        Image {
                            anchors.verticalCenter: parent.verticalCenter
                            width: 24 * popupFeedback.dp
                            height: width
                            source: "qrc:/Popup/add_picture.png"
                        }
                        Text {
                            anchors.verticalCenter: parent.verticalCenter
                            text: qsTr("Add picture(Upload up to 3)") + Theme.emptyString
                            color: "#55687D"
                            font.pixelSize: 13 * popupFeedback.dp
                        }
                    }
                    MouseArea {
                        id: addArea
                        anchors.fill: parent
                        hoverEnabled: true
                        cursorShape: Qt.PointingHandCursor
                        onClicked: {
                            pictureDialog.active = true
                            pictureDialog.item.open()
                        }
                    }
                }
            }

            MessageLine {
                id: messageLine
                width: parent.width
                height: 20 * popupFeedback.dp
                verticalAlignment: Text.AlignVCenter
            }

            Row {
                anchors.right: parent.right
                spacing: 12 * popupFeedback.dp

                Button {
                    id: cancelButton
                    width: Math.max(96 * popupFeedback.dp, contentItem.implicitWidth + 24 * popupFeedback.dp)
                    height: 36 * popupFeedback.dp
                    text: qsTr("Cancel") + Theme.emptyString
                    onClicked: popupFeedback.close()
                    FocusRing { nRadius: 4 }
                    contentItem: Text {
                        text: cancelButton.text
                        color: "#55687D"
                        font.pixelSize: 14 * popupFeedback.dp
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                    }
                    background: Rectangle {
                        radius: 4 * popupFeedback.dp
                        color: cancelButton.hovered ? "#F6F7F8" : "white"
                        border.color: "#D1D9E7"
                    }
                }
                Button {
                    id: submitButton
                    width: Math.max(96 * popupFeedback.dp, contentItem.implicitWidth + 24 * popupFeedback.dp)
                    height: 36 * popupFeedback.dp
                    text: qsTr("Submit") + Theme.emptyString
                    onClicked: popupFeedback.submit()
                    FocusRing { nRadius: 4 }
                    contentItem: Text {
                        text: submitButton.text
                        color: "white"
                        font.pixelSize: 14 * popupFeedback.dp
                        horizontalAlignment: Text.AlignHCenter
                        verticalAlignment: Text.AlignVCenter
                    }
                    background: Rectangle {
                        radius: 4 * popupFeedback.dp
                        color: submitButton.down ? "#E05200" : "#FF5C00"
                    }
                }
            }
        }
    }
}
