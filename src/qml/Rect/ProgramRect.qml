import QtQuick 2.15
import QtQuick.Controls 2.15
import Field.Check 1.0
import Proxy.Param 1.0
import Search.Param 1.0
import "../Button"
import "../CheckButton"
import "../ComboBox"
import "../Edit"
import "../ListView"
import "../Popup"
import "../Style"
import "../Window"

// The program page: the programs to proxy, the place their exits come from, and the
// automatic proxy that fetches program lines and switches exits every N minutes.
// Relies on the ids globleParam, curlRecv, mainLoader, window_main, timerAutoProgram,
// programMenuPopup and programHistoryPopup.
Item {
    id: programRect

    property int nOrigin: 6
    readonly property bool bRunning: globleParam.bProxyS5Run
    readonly property var boxNames: [QT_TR_NOOP("Country"), QT_TR_NOOP("State"), QT_TR_NOOP("City"),
                                     QT_TR_NOOP("ISP"), QT_TR_NOOP("Zip")]

    signal signal_SetUiData(int nType, string qstrValue, int nValue)

    // Signed out, the sign-in window opens and nothing else happens.
    function signedIn() {
        if (globleParam.nIsLogin === 1)
            return true
        window_main.showLogin()
        return false
    }

    function locationBox(nLevel) { return locationBoxes.itemAt(nLevel - 1) }

    readonly property var levelBoxes: locationBoxes.count === boxNames.length
                                      ? [1, 2, 3, 4, 5].map(locationBox) : []

    function toBoxes(s, n, nType) { levelBoxes.forEach(function (box) { box.signal_SetUiData(nType, s, n) }) }

    function showMatches(levels) {
        levels.forEach(function (nLevel) { locationBox(nLevel).showMatches() })
    }

    function reloadGrid() { ProxyManager.showView(6, 0) }

    function browse() {
        if (signedIn())
            fileDialog.open()
    }

    function addProgramFile(qstrPath) {
        var reason = FieldCheck.checkProgramFile(qstrPath)
        fileMessage.text = reason
        if (reason === "")
            ProxyManager.addProgram(qstrPath, qstrPath.substring(qstrPath.lastIndexOf("/") + 1))
    }

    function deleteProgram(qstrPath) {
        if (signedIn())
            ProxyManager.deleteProgram(qstrPath)
    }

    // A refused interval keeps the stored one and says why.
    function takeSwitchInterval() {
        var reason = FieldCheck.checkSwitchInterval(switchField.editModel.text)
        switchMessage.text = reason
        if (reason === "")
            globleParam.nProgramSwitchTime = parseInt(switchField.editModel.text, 10)
        return reason === ""
    }

    function toggleAutoProxy() {
        if (!signedIn())
            return
        if (bRunning)
            signal_SetUiData(147, "stop", 1)
        else
            signal_SetUiData(146, "start", 0)
    }

    // The program lines for the chosen place; their answer (145) starts the switch.
    function requestProgramLines() {
        if (!takeSwitchInterval())
            return
        var codes = [1, 2, 3, 4, 5].map(function (nLevel) { return locationBox(nLevel).currentCode })
        curlRecv.pushGetProgramLineList(codes[0], codes[1], codes[2], codes[3], codes[4], 50, 0)
    }

    function resetLocation() {
        for (var nLevel = 1; nLevel <= 5; ++nLevel)
            locationBox(nLevel).signal_SetUiData(0, "", nOrigin)
        SearchManager.clearIspByProxyType(nOrigin)
        SearchManager.clearZipByProxyType(nOrigin)
    }

    readonly property var handlers: ({
        0: function (s, n) { if (n === nOrigin) resetLocation() },
        40: function (s, n) { if (visible) notice.show(s, false) },
        110: function (s, n) { showMatches([1, 2, 3]) },
        111: function (s, n) { showMatches([4]) },
        112: function (s, n) { showMatches([5]) },
        113: function (s, n) {
            if (n === 6 || n === 7)
                notice.show(qsTr("Successfully") + globleParam.emptyString, true)
        },
        116: toBoxes, 117: toBoxes, 118: toBoxes, 119: toBoxes, 120: toBoxes, 121: toBoxes,
        122: toBoxes,
        139: function (s, n) { reloadGrid() },
        146: function (s, n) { requestProgramLines() },
        147: function (s, n) { timerAutoProgram.stop() }
    })

    onSignal_SetUiData: {
        var handler = handlers[nType]
        if (handler)
            handler(qstrValue, nValue, nType)
    }
    onVisibleChanged: {
        if (!visible)
            return
        // The page shown searches with its own choices.
        if (levelBoxes.length > 0)
            levelBoxes[0].handOverLevels()
        mainLoader.nRectPage = nOrigin
        if (programGrid.count === 0)
            reloadGrid()
    }

    // While shown, the operator and postal lists follow the catalogue's country.
    Connections {
        target: SearchManager
        enabled: programRect.visible
        ignoreUnknownSignals: true
        function onQstrCurrentCountryCodeChanged() {
            SearchManager.refreshIspByCountry(programRect.nOrigin)
            SearchManager.refreshZipByCountry(programRect.nOrigin)
        }
        function onSignal_RefreshIsp() { programRect.signal_SetUiData(111, "changed", 0) }
        function onSignal_RefreshZip() { programRect.signal_SetUiData(112, "changed", 0) }
    }

    component Caption: Text {
        color: Theme.textDark
        font.family: Theme.fontFamily
        font.pixelSize: 14 * Theme.dp
        verticalAlignment: Text.AlignVCenter
    }
    component Refusal: Text {
        textFormat: Text.PlainText
        color: "#F43D60"
        font.family: Theme.fontFamily
        font.pixelSize: 12 * Theme.dp
        verticalAlignment: Text.AlignVCenter
    }

    Rectangle {
        anchors.fill: parent
        radius: 6 * Theme.dp
        color: "white"
    }

    Column {
        id: content
        anchors.fill: parent
        anchors.margins: 24 * Theme.dp
        spacing: 14 * Theme.dp

        Item {
            width: parent.width
            height: 24 * Theme.dp
            Caption {
                height: parent.height
                text: qsTr("Add application") + globleParam.emptyString
                font.pixelSize: 16 * Theme.dp
                font.bold: true
            }
            AutoTextButton {
                objectName: "programHowToUse"
                anchors.right: parent.right
                height: parent.height
                textValue: qsTr("How to use?") + globleParam.emptyString
                btnModel.onClicked: curlRecv.openUrlExternally(
                                        curlRecv.languagePageUrl(globleParam.qstrProgramSettingUrl), 0)
            }
        }

        Caption {
            width: parent.width
            wrapMode: Text.WordWrap
            color: Theme.textGrey
            font.pixelSize: 13 * Theme.dp
            text: qsTr("\"Run\" starts a program with its proxy variables set to the connected exit; programs that ignore them go out directly.") + Theme.emptyString
                  + globleParam.emptyString
        }

        Row {
            spacing: 12 * Theme.dp
            Caption {
                height: 32 * Theme.dp
                text: qsTr("click \"Browse\" to select the application") + globleParam.emptyString
            }
            ButtonText {
                objectName: "programBrowse"
                nMinWidth: 96
                height: 32 * Theme.dp
                textShow: qsTr("Browse") + globleParam.emptyString
                colorText: "white"
                colorBtn: Theme.accent
                btnModel.onClicked: programRect.browse()
            }
            Refusal {
                id: fileMessage
                objectName: "programFileMessage"
                height: 32 * Theme.dp
            }
        }

        Rectangle {
            width: parent.width
            height: 2 * programGrid.cellHeight + 2 * programGrid.anchors.margins
            radius: 6 * Theme.dp
            border.color: Theme.border

            ProgramListView {
                id: programGrid
                objectName: "programGrid"
                anchors.fill: parent
                anchors.margins: 10 * Theme.dp
                onAddRequested: programRect.browse()
                onDeleteRequested: programRect.deleteProgram(qstrPath)
                onMenuRequested: programMenuPopup.openAt(program, cell, nX, nY)
            }
        }

        Row {
            spacing: 10 * Theme.dp
            Repeater {
                id: locationBoxes
                model: programRect.boxNames
                ComboBoxSearch {
                    objectName: "programBox" + typeFlag
                    width: 170 * Theme.dp
                    height: 36 * Theme.dp
                    service: curlRecv
                    nOrigin: programRect.nOrigin
                    levelBoxes: programRect.levelBoxes
                    typeFlag: index + 1
                    textTitle: qsTr(modelData) + globleParam.emptyString
                    defaultText: ""
                }
            }
        }

        Row {
            spacing: 10 * Theme.dp
            height: 36 * Theme.dp
            Caption {
                height: parent.height
                text: qsTr("Automatically switch IP:") + globleParam.emptyString
            }
            ApiEdit {
                id: switchField
                objectName: "programSwitchField"
                width: 80 * Theme.dp
                height: parent.height
                editModel.text: globleParam.nProgramSwitchTime
                editModel.onTextEdited: switchMessage.text = editModel.text === "" ? ""
                                        : FieldCheck.checkSwitchInterval(editModel.text)
            }
            Caption {
                height: parent.height
                text: qsTr("/min") + globleParam.emptyString
            }
            Refusal {
                id: switchMessage
                objectName: "programSwitchMessage"
                height: parent.height
            }
            CheckBoxNormal {
                id: restartBox
                objectName: "programRestart"
                anchors.verticalCenter: parent.verticalCenter
                leftPadding: 12 * Theme.dp
                checked: globleParam.bProgramRestart
                text: qsTr("Close the program before switching IP") + globleParam.emptyString
                font.pixelSize: 14 * Theme.dp
                onToggled: globleParam.bProgramRestart = checked
                textColor: Theme.textDark
            }
        }

        Item {
            width: parent.width
            height: 36 * Theme.dp
            Row {
                spacing: 12 * Theme.dp
                height: parent.height
                ButtonText {
                    objectName: "programAutoProxy"
                    height: parent.height
                    nLeftPadding: 20
                    textShow: (programRect.bRunning ? qsTr("Turn off automatic proxy")
                                                    : qsTr("Turn on automatic proxy")) + globleParam.emptyString
                    colorText: "white"
                    colorBtn: Theme.accent
                    btnModel.onClicked: programRect.toggleAutoProxy()
                }
                ButtonText {
                    objectName: "programStop"
                    visible: programRect.bRunning
                    nMinWidth: 96
                    height: parent.height
                    textShow: qsTr("Stop") + globleParam.emptyString
                    colorBorder: Theme.border
                    btnModel.onClicked: if (programRect.signedIn()) programRect.signal_SetUiData(147, "stop", 1)
                }
            }
            AutoTextButton {
                objectName: "programHistoryLink"
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                textValue: qsTr("Custom Proxy History") + globleParam.emptyString
                btnModel.onClicked: {
                    if (programRect.signedIn())
                        programHistoryPopup.signal_SetUiData(100, textValue, 1)
                }
            }
        }
    }

    FileDialogDefault {
        id: fileDialog
        objectName: "programFileDialog"
        onFileChosen: programRect.addProgramFile(qstrPath)
    }

    ResultNotice {
        id: notice
        objectName: "programNotice"
        anchors.horizontalCenter: parent.horizontalCenter
        y: 12 * Theme.dp
    }
}
