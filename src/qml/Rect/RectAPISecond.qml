import QtQuick 2.15
import QtQuick.Controls 2.15
import Field.Check 1.0
import Proxy.Param 1.0
import QelProxy.Param 1.0
import Search.Param 1.0
import "../Button"
import "../ComboBox"
import "../Delegate"
import "../Edit"
import "../Popup"
import "../Progress"
import "../Scrollbar"
import "../Style"

// The extraction (API) page: composes the engine's extraction link from a plan, a count,
// location filters and an IP segment, shows and copies it, changes the engine's API port and
// documents the engine's local API with copyable examples.
// Relies on the root window's ids: window_main, globleParam, curlRecv, clipBoard,
// popupPortForwardList; and on the main screen's mainLoader and apiHistoryPopup.
Item {
    id: rectApiSecond

    property int nOrigin: 4

    readonly property bool bSignedIn: globleParam.nIsLogin === 1
    readonly property string strBase: "http://" + globleParam.qstrInternalNetIP + ":"
                                      + ProxyGoProxy.nApiPort
    readonly property var locationBoxes: [countryBox, stateBox, cityBox, ispBox, zipBox]

    signal signal_SetUiData(int nType, string qstrValue, int nValue)

    function refreshComboCountry(nValue) {}
    function refreshProxyLine(nValue) {}
    function refershDevice(nValue) {}

    // Acting buttons need the account; signed out they show the sign-in window instead.
    function signedIn() {
        if (!bSignedIn)
            window_main.showLogin()
        return bSignedIn
    }

    function refreshApiUrl(nType) {
        ProxyManager.setCopyUrlByParam(globleParam.nApiMealType, countField.goodText,
                                       countryBox.currentCode, stateBox.currentCode,
                                       cityBox.currentCode, ispBox.currentCode,
                                       zipBox.currentCode, segmentField.goodText, nType)
    }

    function reset() {
        locationBoxes.forEach(function (box) { box.signal_SetUiData(0, "", nOrigin) })
        segmentField.reset("")
        SearchManager.clearIspByProxyType(nOrigin)
        SearchManager.clearZipByProxyType(nOrigin)
    }

    function clearAll() {
        if (!signedIn())
            return
        reset()
        refreshApiUrl(3)
    }

    function planChosen() {
        clearAll()
        signal_SetUiData(110, "", 0)
        signal_SetUiData(111, "", 0)
        signal_SetUiData(112, "", 0)
    }

    function countEdited() {
        if (countField.take())
            refreshApiUrl(2)
    }

    function segmentFinished() {
        if (segmentField.text !== segmentField.goodText && segmentField.take())
            refreshApiUrl(2)
    }

    function restart() {
        if (signedIn() && portField.take())
            ProxyGoProxy.resetApiPort(portField.text)
    }

    function showPort() {
        portField.reset(String(ProxyGoProxy.nApiPort))
    }

    function copyText(qstrText) {
        clipBoard.setText(qstrText)
        notice.show(qsTr("Successfully"), true)
    }

    function copyLink() {
        if (signedIn())
            copyText(linkField.editModel.text)
    }

    function openLink() {
        if (signedIn())
            curlRecv.openUrlExternally(linkField.editModel.text, 0)
    }

    function openPage(qstrUrl) {
        curlRecv.openUrlExternally(curlRecv.languagePageUrl(qstrUrl), 0)
    }

    function openHistory() {
        if (signedIn())
            apiHistoryPopup.signal_SetUiData(100, qsTr("API Proxy History"), 1)
    }

    function openPortForwardList() {
        if (signedIn())
            popupPortForwardList.windowInit(0)
    }

    function loadArea(nValue) {
        if (nValue === 0)
            SearchManager.beginParseApiAreaData(true)
        ;[countryBox, stateBox, cityBox].forEach(function (box) { box.showMatches() })
    }

    function loadIsp(nValue) {
        if (nValue === 0)
            SearchManager.beginParseApiIspData(true)
        ispBox.showMatches()
    }

    function loadZip(nValue) {
        if (nValue === 0)
            SearchManager.beginParseApiZipData(true)
        zipBox.showMatches()
    }

    function toBoxes(s, n, nType) { locationBoxes.forEach(function (box) { box.signal_SetUiData(nType, s, n) }) }

    // UI messages by type; each gets (text, value).
    readonly property var handlers: ({
        0: function (s, n) { if (n === nOrigin) reset() },
        40: function (s, n) { if (visible) notice.show(s, false) },
        50: function (s, n) { if (visible) notice.show(n === 1 ? qsTr("Successfully") : qsTr("Failed"), n === 1) },
        110: function (s, n) { loadArea(n) },
        111: function (s, n) { loadIsp(n) },
        112: function (s, n) { loadZip(n) },
        113: function (s, n) {
            if (n !== nOrigin)
                return
            progress.stop()
            notice.show(qsTr("Successfully"), true)
        },
        116: toBoxes, 117: toBoxes, 118: toBoxes, 119: toBoxes, 120: toBoxes, 121: toBoxes,
        122: toBoxes
    })

    onSignal_SetUiData: {
        var handler = handlers[nType]
        if (handler)
            handler(qstrValue, nValue, nType)
    }
    onVisibleChanged: if (visible) mainLoader.nRectPage = nOrigin
    Component.onCompleted: {
        showPort()
        refreshApiUrl(0)
    }

    Connections {
        target: ProxyManager
        function onSignal_ResetApiUrl(qstrValue) {
            linkField.editModel.text = qstrValue
            linkField.editModel.cursorPosition = 0
        }
        function onSignal_InitApiUrl() { rectApiSecond.refreshApiUrl(1) }
    }
    Connections {
        target: ProxyGoProxy
        function onNApiPortChanged() { rectApiSecond.showPort() }
        // The engine runs on its port now: the link names that port.
        function onSignal_ResetApiPort() {
            rectApiSecond.showPort()
            globleParam.nApiPort = ProxyGoProxy.nApiPort
            rectApiSecond.refreshApiUrl(1)
        }
    }
    // Operators and postal codes follow the page's country while the page is shown.
    Connections {
        target: SearchManager
        enabled: rectApiSecond.visible
        function onQstrApiCurrentCountryCodeChanged() {
            SearchManager.refreshIspByCountry(rectApiSecond.nOrigin)
            SearchManager.refreshZipByCountry(rectApiSecond.nOrigin)
        }
        function onSignal_RefreshIsp() { rectApiSecond.signal_SetUiData(111, "changed", 0) }
        function onSignal_RefreshZip() { rectApiSecond.signal_SetUiData(112, "changed", 0) }
    }

    component Caption: Text {
        height: 34 * Theme.dp
        verticalAlignment: Text.AlignVCenter
        color: "#042040"
        font.family: Theme.fontFamily
        font.pixelSize: 14 * Theme.dp
    }
    component FormCaption: Caption {
        width: form.nCaptionWidth
    }
    component Reason: Text {
        textFormat: Text.PlainText
        height: 34 * Theme.dp
        verticalAlignment: Text.AlignVCenter
        color: "#FC3838"
        font.family: Theme.fontFamily
        font.pixelSize: 12 * Theme.dp
    }
    component Link: Text {
        signal clicked()
        color: "#FF5C00"
        font.family: Theme.fontFamily
        font.pixelSize: 13 * Theme.dp
        font.underline: true
        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            onClicked: parent.clicked()
        }
    }
    component Location: ComboBoxApiCountry {
        width: 176 * Theme.dp
        height: 34 * Theme.dp
        service: curlRecv
        nOrigin: rectApiSecond.nOrigin
        levelBoxes: rectApiSecond.locationBoxes
        onSignal_ClickSel: rectApiSecond.refreshApiUrl(2)
    }

    Rectangle {
        anchors.fill: parent
        radius: 6 * Theme.dp
        color: "#FFFFFF"
    }

    ListProgress {
        id: progress
        anchors.top: parent.top
        width: parent.width
    }

    Column {
        id: form
        anchors.fill: parent
        anchors.margins: 16 * Theme.dp
        spacing: 8 * Theme.dp
        // The captions' column is as wide as the longest caption of the language.
        readonly property real nCaptionWidth: Math.max(112 * Theme.dp, packageCaption.implicitWidth,
                                                       locationCaption.implicitWidth, otherCaption.implicitWidth,
                                                       portCaption.implicitWidth, linkCaption.implicitWidth)

        Row {
            spacing: 8 * Theme.dp
            FormCaption { id: packageCaption; text: qsTr("Package Type:  ") + Theme.emptyString }
            ComboBoxApiMeal {
                id: mealBox
                objectName: "apiMealBox"
                // A plan name is read whole: the box grows with the language's name.
                width: Math.max(176 * Theme.dp, editTextModel.contentWidth + 64 * Theme.dp)
                height: 34 * Theme.dp
                globals: globleParam
                dataModel: SearchManager.getApiMealData(0)
                defaultText: qsTr("Popular Plan") + Theme.emptyString
                onSignal_ClickSel: rectApiSecond.planChosen()
            }
            Item { width: 16 * Theme.dp; height: 1 }
            Caption { text: qsTr("IP Extraction:  ") + Theme.emptyString }
            CheckedField {
                id: countField
                objectName: "apiCountField"
                width: 90 * Theme.dp
                height: 34 * Theme.dp
                inputDefaultText: "1"
                editModel.objectName: "apiCountInput"
                check: function (qstrText) { return FieldCheck.checkCount(qstrText) }
                editModel.onTextEdited: rectApiSecond.countEdited()
            }
            Caption { text: "\u2264200"; color: "#8C92AC" }
            Reason { objectName: "apiCountReason"; text: countField.reason }
        }

        Row {
            spacing: 8 * Theme.dp
            FormCaption { id: locationCaption; text: qsTr("Location:   ") + Theme.emptyString }
            Location {
                id: countryBox
                objectName: "apiCountryBox"
                typeFlag: 1
                defaultText: qsTr("Country") + Theme.emptyString
            }
            Location {
                id: stateBox
                objectName: "apiStateBox"
                typeFlag: 2
                defaultText: qsTr("State") + Theme.emptyString
            }
            Location {
                id: cityBox
                objectName: "apiCityBox"
                typeFlag: 3
                defaultText: qsTr("City") + Theme.emptyString
            }
        }

        Row {
            spacing: 8 * Theme.dp
            FormCaption { id: otherCaption; text: qsTr("Other:  ") + Theme.emptyString }
            Location {
                id: ispBox
                objectName: "apiIspBox"
                typeFlag: 4
                defaultText: qsTr("ISP") + Theme.emptyString
            }
            Location {
                id: zipBox
                objectName: "apiZipBox"
                typeFlag: 5
                defaultText: qsTr("Zip") + Theme.emptyString
            }
            CheckedField {
                id: segmentField
                objectName: "apiSegmentField"
                width: 176 * Theme.dp
                height: 34 * Theme.dp
                inputDefaultText: "114.114"
                check: function (qstrText) { return FieldCheck.checkIpSegment(qstrText) }
                editModel.onEditingFinished: rectApiSecond.segmentFinished()
            }
            ButtonImage {
                objectName: "apiClearAll"
                width: 34 * Theme.dp
                height: 34 * Theme.dp
                nIconSize: 20
                imgNor: "qrc:/image/clear_all.png"
                imgFlag: qsTr("Clear All") + Theme.emptyString
                btnModel.onClicked: rectApiSecond.clearAll()
            }
            Reason { objectName: "apiSegmentReason"; text: segmentField.reason }
        }

        Row {
            spacing: 8 * Theme.dp
            FormCaption { id: portCaption; text: qsTr("API Port:   ") + Theme.emptyString }
            CheckedField {
                id: portField
                objectName: "apiPortField"
                width: 120 * Theme.dp
                height: 34 * Theme.dp
                inputDefaultText: "1-65535"
                editModel.objectName: "apiPortInput"
                check: function (qstrText) {
                    return FieldCheck.checkApiPort(qstrText, globleParam.nBeginPort,
                                                   globleParam.nPortNumber)
                }
                editModel.onAccepted: rectApiSecond.restart()
            }
            ButtonText {
                objectName: "apiRestart"
                height: 34 * Theme.dp
                textShow: qsTr("Restart") + Theme.emptyString
                colorBtn: "#FFF3EB"
                colorText: "#FF5C00"
                btnModel.onClicked: rectApiSecond.restart()
            }
            ButtonImage {
                width: 34 * Theme.dp
                height: 34 * Theme.dp
                nIconSize: 18
                imgNor: "qrc:/image/hint_logo.png"
                imgFlag: qsTr("After modication,please click the [Restart] button") + Theme.emptyString
            }
            Reason { objectName: "apiPortReason"; text: portField.reason }
        }

        Row {
            spacing: 8 * Theme.dp
            FormCaption { id: linkCaption; text: qsTr("API Link:   ") + Theme.emptyString }
            ApiEdit {
                id: linkField
                objectName: "apiLinkField"
                width: form.width - x - copyButton.width - openButton.width - 2 * parent.spacing
                height: 34 * Theme.dp
                inputDefaultText: qsTr("Click the Start Proxy button to view the link.") + Theme.emptyString
            }
            ButtonImage {
                id: copyButton
                objectName: "apiCopyLink"
                width: 34 * Theme.dp
                height: 34 * Theme.dp
                nIconSize: 20
                enabled: linkField.editModel.text !== ""
                imgNor: "qrc:/image/copy_logo.png"
                imgFlag: qsTr("Copy") + Theme.emptyString
                btnModel.onClicked: rectApiSecond.copyLink()
            }
            ButtonText {
                id: openButton
                objectName: "apiOpenLink"
                height: 34 * Theme.dp
                enabled: linkField.editModel.text !== ""
                textShow: qsTr("Open Link") + Theme.emptyString
                colorBtn: "#FF5C00"
                colorText: "white"
                btnModel.onClicked: rectApiSecond.openLink()
            }
        }

        Row {
            spacing: 12 * Theme.dp
            Text {
                text: qsTr("Tips: In API mode, the number of IPs is deducted when the proxy list is successfully obtained.") + Theme.emptyString
                      + Theme.emptyString
                color: "#8C92AC"
                font.family: Theme.fontFamily
                font.pixelSize: 12 * Theme.dp
            }
            Link {
                objectName: "apiHistoryLink"
                text: qsTr("API Proxy History") + Theme.emptyString
                font.pixelSize: 12 * Theme.dp
                onClicked: rectApiSecond.openHistory()
            }
        }

        Caption {
            height: 22 * Theme.dp
            text: qsTr("API Parameter Declaration:") + Theme.emptyString
            font.bold: true
        }
        // The table in two halves; each line is as tall as the longer explanation it holds.
        Column {
            id: parameterGrid
            objectName: "apiParameterGrid"
            readonly property var rows: SearchManager.getApiParameterData(0)
            width: form.width
            Repeater {
                model: Math.ceil(parameterGrid.rows.length / 2)
                delegate: Row {
                    readonly property real nHeight: Math.max(36 * Theme.dp, left.nNeededHeight,
                                                             right.row ? right.nNeededHeight : 0)
                    ApiParameterModel {
                        id: left
                        width: parameterGrid.width / 2
                        nCellHeight: parent.nHeight
                        row: parameterGrid.rows[2 * index]
                        onLinkClicked: rectApiSecond.openPage(globleParam.qstrCountryCodeUrl)
                    }
                    ApiParameterModel {
                        id: right
                        width: parameterGrid.width / 2
                        visible: row !== null
                        nCellHeight: parent.nHeight
                        row: parameterGrid.rows[2 * index + 1] || null
                        onLinkClicked: rectApiSecond.openPage(globleParam.qstrCountryCodeUrl)
                    }
                }
            }
        }

        Row {
            spacing: 12 * Theme.dp
            Caption {
                height: 22 * Theme.dp
                text: qsTr("You can use the parameter like this") + Theme.emptyString
                font.bold: true
            }
            Link {
                objectName: "apiGuideLink"
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("API Guide") + Theme.emptyString
                onClicked: rectApiSecond.openPage(globleParam.qstrGuideUrl)
            }
        }

        Flickable {
            id: examples
            objectName: "apiExamples"
            width: form.width
            height: form.height - y - bottomRow.height - form.spacing
            clip: true
            contentHeight: exampleColumn.height
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollbarVertical { bScrollbarDefault: true }

            ApiExamples {
                id: exampleColumn
                width: examples.width - 12 * Theme.dp
                strBase: rectApiSecond.strBase
                onCopyClicked: rectApiSecond.copyText(qstrText)
                onLinkClicked: rectApiSecond.openPage(globleParam.qstrCountryCodeUrl)
            }
        }

        Row {
            id: bottomRow
            spacing: 10 * Theme.dp
            ButtonText {
                objectName: "apiPortForwardList"
                height: 32 * Theme.dp
                textShow: qsTr("PortForwardList") + Theme.emptyString
                colorBtn: "#F6F7F8"
                btnModel.onClicked: rectApiSecond.openPortForwardList()
            }
            ButtonText {
                objectName: "apiRefresh"
                height: 32 * Theme.dp
                textShow: qsTr("Refresh") + Theme.emptyString
                colorBtn: "#F6F7F8"
                btnModel.onClicked: rectApiSecond.signedIn()
            }
            // Beside the page's last buttons, the result hides no control.
            ResultNotice {
                id: notice
                objectName: "apiNotice"
                anchors.verticalCenter: parent.verticalCenter
            }
        }
    }
}
