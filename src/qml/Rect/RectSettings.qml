import QtQuick 2.15
import QtQuick.Controls 2.15
import Language.Param 1.0
import "../Button"
import "../CheckButton"
import "../ComboBox"
import "../Edit"
import "../Style"

// The settings page: port range, duplicate proxies, language and start with the system.
// Relies on the root window's dp, openSans, globleParam and curlRecv, and on the main
// screen's nRectPage.
Item {
    id: rectSettings

    property int nOrigin: 8
    // Time the result band stays, in ms; tests shorten it.
    property int nBandMs: 3000
    readonly property var hourChoices: [2, 4, 6, 12, 24]

    signal signal_SetUiData(int nType, string qstrValue, int nValue)
    signal loginRequested()

    onVisibleChanged: if (visible) mainLoader.nRectPage = nOrigin
    onSignal_SetUiData: if (nType === 154) languageBox.defaultText = LanguageManager.getCurrentLanguageShow()

    // What a refused field accepts, as the failure band names it.
    function acceptedRange(qstrKey) {
        return qstrKey === "begin" ? qsTr("Begin Port 1-65534")
                                   : qsTr("Port Number 1-200, Begin Port + Port Number \u2264 65535")
    }

    // Stores what the fields allow; a refused field shows its stored value again and the
    // failure band names the range it accepts.
    function save() {
        if (globleParam.nIsLogin !== 1) {
            loginRequested()
            return
        }
        var result = globleParam.applyPortRange(beginField.editModel.text, countField.editModel.text)
        beginField.editModel.text = globleParam.nBeginPort
        countField.editModel.text = globleParam.nPortNumber
        if (result.changed)
            curlRecv.pushSetPortScope()
        var refused = result.refused.map(acceptedRange)
        band.show(refused.length === 0,
                  refused.length === 0 ? qsTr("Successfully")
                                       : qsTr("Not saved: %1").arg(refused.join("; ")))
    }

    function chooseHours(nHours) {
        console.log("repeat proxy time:", nHours)
        globleParam.nRepeatProxyTime = nHours
        curlRecv.pushSaveRepeatTime()
    }

    component Caption: Text {
        color: "#042040"
        font.pixelSize: 14 * dp
        font.family: openSans.name
        verticalAlignment: Text.AlignVCenter
    }
    // Its text shows on the pointer only, and a click does nothing: it takes no focus.
    component HelpMark: ButtonImage {
        btnModel.focusPolicy: Qt.NoFocus
        anchors.verticalCenter: parent.verticalCenter
        width: 18 * dp
        height: 18 * dp
        imgNor: "qrc:/image/hint_logo.png"
    }
    component PortField: ApiEdit {
        width: 140 * dp
        height: 32 * dp
    }

    Rectangle {
        anchors.fill: parent
        radius: 6 * dp
        color: "#FFFFFF"
    }

    Column {
        anchors.fill: parent
        anchors.margins: 24 * dp
        spacing: 18 * dp

        CheckBtnSettingMain {
            id: generalTab
            objectName: "generalTab"
            radioText: qsTr("General Settings") + globleParam.emptyString
            checked: true
            // The only tab: there is nothing to choose.
            radioModel.focusPolicy: Qt.NoFocus
        }

        Row {
            spacing: 10 * dp
            Caption { height: 32 * dp; text: qsTr("Begin Port:") + globleParam.emptyString }
            PortField {
                id: beginField
                editModel.objectName: "beginPortField"
                editModel.text: globleParam.nBeginPort
            }
            Caption { height: 32 * dp; text: qsTr("Port Number:") + globleParam.emptyString }
            PortField {
                id: countField
                editModel.objectName: "portNumberField"
                inputDefaultText: "1~200"
                editModel.text: globleParam.nPortNumber
            }
            RefreshButton {
                objectName: "saveButton"
                height: 32 * dp
                btnText: qsTr("Save") + globleParam.emptyString
                btnModel.onClicked: rectSettings.save()
            }
        }

        ButtonGroup { id: repeatGroup }
        Row {
            spacing: 8 * dp
            CheckBtnNormal {
                objectName: "keepDuplicates"
                anchors.verticalCenter: parent.verticalCenter
                exclusiveGroup: repeatGroup
                checked: globleParam.bRepeatProxy
                radioText: qsTr("Do not remove duplicate Proxies") + globleParam.emptyString
                radioModel.onClicked: globleParam.bRepeatProxy = true
            }
            HelpMark { imgFlag: qsTr("Purchased proxies may appear when refreshing the ProxyList") + globleParam.emptyString }
        }
        Row {
            spacing: 8 * dp
            CheckBtnNormal {
                objectName: "removeDuplicates"
                anchors.verticalCenter: parent.verticalCenter
                exclusiveGroup: repeatGroup
                checked: !globleParam.bRepeatProxy
                radioText: qsTr("Remove duplicate proxies,No duplicate proxies will be acquired within")
                           + globleParam.emptyString
                radioModel.onClicked: globleParam.bRepeatProxy = false
            }
            ComboNormal {
                id: hoursBox
                objectName: "hoursBox"
                width: 80 * dp
                height: 32 * dp
                dataModel: rectSettings.hourChoices.map(function (n) { return { "name": String(n), "value": n } })
                defaultText: String(globleParam.nRepeatProxyTime)
                onEntryChosen: rectSettings.chooseHours(entry.value)
            }
            Caption { height: hoursBox.height; text: qsTr("hours") + globleParam.emptyString }
            HelpMark {
                imgFlag: qsTr("Once set, purchased proxies will no longer appear when refreshing the ProxyList")
                         + globleParam.emptyString
            }
        }

        Row {
            spacing: 10 * dp
            Caption { height: 32 * dp; text: qsTr("Language:") + globleParam.emptyString }
            ComboLanguage {
                id: languageBox
                objectName: "languageBox"
                width: 200 * dp
                height: 32 * dp
                Component.onCompleted: {
                    comboBoxModel.model = LanguageManager.getLanguageList()
                    defaultText = LanguageManager.getCurrentLanguageShow()
                }
            }
        }

        Row {
            spacing: 10 * dp
            Caption {
                height: 32 * dp
                text: qsTr("Automatically launch Qel Proxy when you turn on your device:") + Theme.emptyString
                      + globleParam.emptyString
            }
            SwitchCheck {
                objectName: "autoStartSwitch"
                anchors.verticalCenter: parent.verticalCenter
                checked: globleParam.bAutoStartClient
                // The service refuses a start entry it cannot write, or one that cannot name
                // the program's folder as it is on disk.
                onClicked: {
                    if (curlRecv.autoStartClient("", !checked))
                        globleParam.bAutoStartClient = !checked
                    else
                        band.show(false, checked ? qsTr("Not turned off: the start entry could not be removed")
                                                 : qsTr("Not turned on: a start entry cannot name this program's folder, or could not be written"))
                }
            }
        }
    }

    // The result band near the top of the page, fading out; beside the tab, so that it hides
    // no control, and a text too long for the row wraps.
    Rectangle {
        id: band
        objectName: "resultBand"
        property bool bSuccess: true
        property alias text: bandText.text
        x: generalTab.width + 48 * dp
        y: 24 * dp
        width: Math.min(bandText.implicitWidth + 56 * dp, parent.width - x - 24 * dp)
        height: Math.max(generalTab.height, bandText.height + 16 * dp)
        radius: 4 * dp
        opacity: 0
        visible: opacity > 0
        color: bSuccess ? "#E9FCF7" : "#FFF0F0"
        border.color: bSuccess ? "#B5EDDF" : "#F4BCBC"

        function show(bOk, qstrText) {
            bSuccess = bOk
            text = qstrText
            fade.restart()
        }

        Image {
            anchors.left: parent.left
            anchors.leftMargin: 12 * dp
            anchors.verticalCenter: parent.verticalCenter
            width: 16 * dp
            height: 16 * dp
            source: band.bSuccess ? "qrc:/image/ico_success.png" : "qrc:/image/ico_fail.png"
        }
        Text {
            id: bandText
            objectName: "resultBandText"
            anchors.left: parent.left
            anchors.leftMargin: 36 * dp
            anchors.verticalCenter: parent.verticalCenter
            width: parent.width - 48 * dp
            wrapMode: Text.Wrap
            color: band.bSuccess ? "#07AB84" : "#FC3838"
            font.family: openSans.name
        }
        NumberAnimation on opacity {
            id: fade
            running: false
            from: 1
            to: 0
            duration: rectSettings.nBandMs
        }
    }
}
