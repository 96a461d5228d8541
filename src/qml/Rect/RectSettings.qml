import QtQuick 2.15
import QtQuick.Controls 2.15
import Language.Param 1.0
import "../ComboBox"
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
    readonly property var fieldNames: ({ "begin": qsTr("Begin Port"), "count": qsTr("Port Number") })

    signal signal_SetUiData(int nType, string qstrValue, int nValue)
    signal loginRequested()

    onVisibleChanged: if (visible) mainLoader.nRectPage = nOrigin
    onSignal_SetUiData: if (nType === 154) languageBox.defaultText = LanguageManager.getCurrentLanguageShow()

    // Stores what the fields allow; a refused field shows its stored value again and is named
    // in the failure band.
    function save() {
        if (globleParam.nIsLogin !== 1) {
            loginRequested()
            return
        }
        var result = globleParam.applyPortRange(beginField.text, countField.text)
        beginField.text = globleParam.nBeginPort
        countField.text = globleParam.nPortNumber
        if (result.changed)
            curlRecv.pushSetPortScope()
        var refused = result.refused.map(function (key) { return fieldNames[key] })
        band.show(refused.length === 0,
                  refused.length === 0 ? qsTr("Successfully")
                                       : qsTr("Not saved: %1").arg(refused.join(", ")))
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
    component PortField: TextField {
        width: 140 * dp
        height: 32 * dp
        selectByMouse: true
        font.family: openSans.name
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

        TabButton {
            text: qsTr("General Settings") + globleParam.emptyString
            checkable: true
            checked: true
            font.family: openSans.name
        }

        Row {
            spacing: 10 * dp
            Caption { height: 32 * dp; text: qsTr("Begin Port:") + globleParam.emptyString }
            PortField {
                id: beginField
                objectName: "beginPortField"
                text: globleParam.nBeginPort
            }
            Caption { height: 32 * dp; text: qsTr("Port Number:") + globleParam.emptyString }
            PortField {
                id: countField
                objectName: "portNumberField"
                placeholderText: "1~200"
                text: globleParam.nPortNumber
            }
            Button {
                objectName: "saveButton"
                height: 32 * dp
                text: qsTr("Save") + globleParam.emptyString
                font.family: openSans.name
                onClicked: rectSettings.save()
            }
        }

        ButtonGroup { id: repeatGroup }
        RadioButton {
            objectName: "keepDuplicates"
            ButtonGroup.group: repeatGroup
            checked: globleParam.bRepeatProxy
            text: qsTr("Do not remove duplicate Proxies") + globleParam.emptyString
            font.family: openSans.name
            ToolTip.visible: hovered
            ToolTip.text: qsTr("Purchased proxies may appear when refreshing the ProxyList") + Theme.emptyString
            onClicked: globleParam.bRepeatProxy = true
        }
        Row {
            spacing: 8 * dp
            RadioButton {
                objectName: "removeDuplicates"
                ButtonGroup.group: repeatGroup
                checked: !globleParam.bRepeatProxy
                text: qsTr("Remove duplicate proxies,No duplicate proxies will be acquired within") + Theme.emptyString
                      + globleParam.emptyString
                font.family: openSans.name
                ToolTip.visible: hovered
                ToolTip.text: qsTr("Once set, purchased proxies will no longer appear when refreshing the ProxyList") + Theme.emptyString
                onClicked: globleParam.bRepeatProxy = false
            }
            ComboBox {
                id: hoursBox
                objectName: "hoursBox"
                width: 80 * dp
                model: rectSettings.hourChoices
                currentIndex: Math.max(0, rectSettings.hourChoices.indexOf(globleParam.nRepeatProxyTime))
                onActivated: rectSettings.chooseHours(rectSettings.hourChoices[index])
            }
            Caption { height: hoursBox.height; text: qsTr("hours") + globleParam.emptyString }
        }

        Row {
            spacing: 10 * dp
            Caption { height: 32 * dp; text: qsTr("Language:") + globleParam.emptyString }
            ComboLanguage {
                id: languageBox
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
            Switch {
                objectName: "autoStartSwitch"
                checked: globleParam.bAutoStartClient
                onToggled: {
                    curlRecv.autoStartClient("", checked)
                    globleParam.bAutoStartClient = checked
                }
            }
        }
    }

    // The result band near the top of the page, fading out.
    Rectangle {
        id: band
        objectName: "resultBand"
        property bool bSuccess: true
        property alias text: bandText.text
        anchors.horizontalCenter: parent.horizontalCenter
        y: 12 * dp
        width: bandText.implicitWidth + 56 * dp
        height: 36 * dp
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
