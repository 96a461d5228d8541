import QtQuick 2.15
import QtQuick.Controls 2.15
import Proxy.Param 1.0
import Search.Param 1.0
import "../Animate"
import "../Button"
import "../CheckButton"
import "../ComboBox"
import "../Delegate"
import "../Edit"
import "../Popup"
import "../Progress"
import "../Style"

// The group control page: the account's devices with their filters and ticks, and the
// connect, disconnect, line and remark operations on one device or on the ticked ones.
// Relies on globleParam, curlRecv, mainLoader, window_main, popupTips, remarkPopup,
// popupEquipmentLine and popupBatchDisconnect. The device line popup and the confirmation
// read and write the current* properties.
Item {
    id: rectEquipment

    property int nOrigin: 11
    // Between automatic refreshes, in ms; tests shorten it.
    property int nRefreshMs: 1000 * globleParam.nRefreshDevice

    // The device acted on last; empty for the ticked devices.
    property string currentDeviceSession: ""
    // 0 bind only, 1 bind and connect.
    property int currentBindType: 0
    property int currentMeal: 1
    property string currentCountryCode: ""
    property string currentStateCode: ""
    property string currentCityCode: ""
    property string currentIspCode: ""
    property string currentZipCode: ""
    property string currentIpCode: ""
    property int currentEnableDifferent: 0

    // No list request is out (the periodic refresh does not lock the buttons).
    property bool bRefreshReady: true
    readonly property var listModel: ProxyManager.getListModel(nOrigin)
    // Ticked rows among those listed: what a batch acts on (hidden rows keep their tick
    // but are left out).
    readonly property int nTickedShown: { nListRevision; return countTickedShown() }
    readonly property bool bAllTicked: listModel.count > 0 && nTickedShown === listModel.count
    readonly property alias busyText: busyLabel.text
    property int nListRevision: 0

    signal signal_SetUiData(int nType, string qstrValue, int nValue)

    function countTickedShown() {
        var nTicked = 0
        for (var i = 0; i < listModel.count; ++i)
            if (listModel.get(i).bSelected)
                ++nTicked
        return nTicked
    }

    function signedIn() {
        if (globleParam.nIsLogin === 1)
            return true
        window_main.showLogin()
        return false
    }

    function refershDevice(nValue) {
        if (!refreshButton.enabled || !bRefreshReady)
            return
        bRefreshReady = false
        if (nValue !== 1)
            signal_SetUiData(123, "restart", 1)
        curlRecv.pushGetDeviceList(nValue)
    }

    function filterActive() {
        return searchField.editModel.text !== ""
               || [SearchManager.qstrDeviceCurrentCountryCode, SearchManager.qstrDeviceCurrentStatusCode,
                   SearchManager.qstrDeviceCurrentLineStatusCode].some(function (code) {
                       return code !== "" && code !== "random"
                   })
    }

    // The whole list, or what the filters let through when one is set.
    function showDevices() {
        if (filterActive())
            ProxyManager.searchDeviceByKey(searchField.editModel.text, 3)
        else
            ProxyManager.showView(nOrigin, 0)
    }

    function search(nValue) {
        ProxyManager.searchDeviceByKey(searchField.editModel.text, nValue)
    }

    function openTutorial() {
        if (globleParam.qstrTutorialHelpUrl !== "")
            curlRecv.openUrlExternally(curlRecv.checkOpenUrl(globleParam.qstrTutorialHelpUrl)
                                       + "&la=" + globleParam.qstrLangCode, 0)
    }

    // A batch button acts only with ticked devices; otherwise it shows its tip.
    function batchReady(qstrTip) {
        if (!signedIn())
            return false
        if (nTickedShown > 0)
            return true
        popupTips.signal_SetUiData(1, qstrTip, 0)
        return false
    }

    function batchSettings() {
        if (!batchReady(qsTr("Please select the device that needs to be sited") + globleParam.emptyString))
            return
        currentMeal = 1
        setChoices("", {})
        popupEquipmentLine.windowInit(1)
    }

    function batchConnect(nMode, qstrTip) {
        if (!batchReady(qstrTip))
            return
        currentDeviceSession = ""
        popupBatchDisconnect.signal_SetUiData(100, "", nMode)
    }

    function batchNotes() {
        if (!batchReady(qsTr("Please select the device that needs to be noted") + globleParam.emptyString))
            return
        currentDeviceSession = ""
        remarkPopup.signal_SetUiData(200, "", 0)
        remarkPopup.signal_SetUiData(200, "", 1)
    }

    // The device and the line choices the line popup starts from; an empty operate object
    // empties them (the batch keeps its "enable_different").
    function setChoices(qstrKey, operate) {
        currentDeviceSession = qstrKey
        currentCountryCode = operate.combo_country || ""
        currentStateCode = operate.combo_state || ""
        currentCityCode = operate.combo_city || ""
        currentIspCode = operate.combo_isp || ""
        currentZipCode = operate.combo_zip || ""
        currentIpCode = operate.edit_ip || ""
        if (operate.enable_different !== undefined)
            currentEnableDifferent = Number(operate.enable_different)
    }

    function siteDevice(row, nBindType) {
        var operate = row.jsonOperate
        currentBindType = nBindType
        currentMeal = Number(operate.meal_type) || 0
        setChoices(row.qstrSession, operate)
        popupEquipmentLine.windowInit(currentMeal)
    }

    function switchDevice(row) {
        if (row.bIsProxy) {
            currentDeviceSession = row.qstrSession
            popupBatchDisconnect.signal_SetUiData(100, "", 1)
        } else if (row.bIsBindLine) {
            currentDeviceSession = row.qstrSession
            ProxyManager.setEquipmentInterfaceBySession(row.qstrSession, "proxy_status", "1", 7)
        } else {
            siteDevice(row, 1)
        }
    }

    function editRemark(row) {
        currentDeviceSession = row.qstrSession
        remarkPopup.signal_SetUiData(200, row.qjsonLine.remark_decode || "", 0)
        remarkPopup.signal_SetUiData(200, row.qstrSession, 1)
    }

    function rowAction(fnAction, row) {
        if (signedIn())
            fnAction(row)
    }

    function busyTextOf(nCode) {
        switch (nCode) {
        case 2: case 6: return qsTr("Device is binding...")
        case 3: case 5: return qsTr("Device is disconnecting...")
        case 7: case 8: return qsTr("Device is connecting...")
        default: return qsTr("Device is remarking...")
        }
    }

    function setRequestButtons(bEnabled) {
        searchButton.enabled = bEnabled
        refreshButton.enabled = bEnabled
    }

    function reloadCombos() {
        countryCombo.dataModel = SearchManager.getDeviceDataByKeyAndType("", 1, nOrigin)
        statusCombo.dataModel = SearchManager.getDeviceDataByKeyAndType("", statusCombo.typeFlag, nOrigin)
        lineStatusCombo.dataModel = SearchManager.getDeviceDataByKeyAndType("", lineStatusCombo.typeFlag, nOrigin)
    }

    function clearPage() {
        searchField.editModel.text = ""
        signal_SetUiData(0, "clear", nOrigin)
        globleParam.nSelectedDevice = 0
        ProxyManager.clearDataByType(nOrigin)
    }

    readonly property var handlers: ({
        0: function (s, n) {
            if (n === nOrigin)
                [countryCombo, statusCombo, lineStatusCombo].forEach(function (combo) {
                    combo.signal_SetUiData(0, s, n)
                })
        },
        23: function (s, n) { clearPage() },
        40: function (s, n) {
            if (!visible)
                return
            notice.show(s, false)
            progress.stop()
        },
        41: function (s, n) { if (visible) progress.stop() },
        110: function (s, n) {
            if (n !== 0)
                return
            SearchManager.beginRarseDeviceCountryData(1, true)
            reloadCombos()
        },
        113: function (s, n) {
            showDevices()
            if (n !== nOrigin)
                return
            progress.stop()
            // A refused list arrives here as "stop".
            if (s !== "stop" && listModel.count > 0)
                notice.show(qsTr("Successfully") + globleParam.emptyString, true)
        },
        123: function (s, n) {
            signal_SetUiData(23, s, n)
            progress.start()
        },
        158: function (s, n) { if (n === nOrigin) progress.start() },
        165: function (s, n) { if (n !== 1) setRequestButtons(false) },
        174: function (s, n) {
            bRefreshReady = true
            if (n !== 1)
                setRequestButtons(true)
        },
        175: function (s, n) {
            if (n === nOrigin && ProxyManager.getSizeEquipmentAppend(nOrigin, 0) > 0)
                showDevices()
        },
        176: function (s, n) {
            if (n === 0) {
                notice.show(qsTr("Successfully") + globleParam.emptyString, true)
                refershDevice(1)
            } else {
                notice.show(s, false)
            }
        },
        177: function (s, n) { busyLayer.visible = false },
        178: function (s, n) {
            if (n === 0 && bAllTicked)
                ProxyManager.setAllEquipmentStatus(false)
        },
        179: function (s, n) {
            busyLabel.text = busyTextOf(n) + globleParam.emptyString
            busyLayer.visible = true
        },
        188: function (s, n) { search(3) }
    })

    onSignal_SetUiData: {
        var handler = handlers[nType]
        if (handler)
            handler(qstrValue, nValue)
    }

    onVisibleChanged: {
        if (visible) {
            mainLoader.nRectPage = nOrigin
            timerRefreshDevice.restart()
        } else {
            progress.stop()
            timerRefreshDevice.stop()
        }
    }

    Connections {
        target: rectEquipment.listModel
        function onModelReset() { ++rectEquipment.nListRevision }
        function onRowsInserted() { ++rectEquipment.nListRevision }
        function onRowsRemoved() { ++rectEquipment.nListRevision }
    }

    Connections {
        target: SearchManager
        function onQstrDeviceCurrentCountryCodeChanged() {
            if (!rectEquipment.visible)
                return
            countryCombo.editTextModel.text = SearchManager.qstrDeviceCurrentCountryCode
            countryCombo.currentCode = SearchManager.qstrDeviceCurrentCountryCode
        }
    }

    Timer {
        id: timerRefreshDevice
        interval: rectEquipment.nRefreshMs
        repeat: true
        onTriggered: if (globleParam.nIsLogin === 1) rectEquipment.refershDevice(1)
    }

    readonly property var columnWidths: {
        var parts = [0.05, 0.15, 0.11, 0.15, 0.08, 0.13, 0.15, 0.18]
        return parts.map(function (part) { return part * listView.width })
    }

    component HeadText: Text {
        height: 40 * Theme.dp
        verticalAlignment: Text.AlignVCenter
        leftPadding: 8 * Theme.dp
        elide: Text.ElideRight
        // A caption longer than its column in some languages wraps at its size.
        wrapMode: Text.WordWrap
        maximumLineCount: 2
        lineHeight: 0.9
        color: "#22264B"
        font.family: Theme.fontFamily
        font.pixelSize: 12 * Theme.dp
    }
    component FooterButton: TextAndBackButton {
        height: 32 * Theme.dp
        nPixelSize: 13
    }

    Rectangle {
        anchors.fill: parent
        radius: 6 * Theme.dp
        color: "white"
    }

    // ---- Title and filters ----
    Item {
        id: titleRow
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 16 * Theme.dp
        height: 28 * Theme.dp

        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("Device List") + globleParam.emptyString
            color: "#042040"
            font.family: Theme.fontFamily
            font.pixelSize: 16 * Theme.dp
            font.bold: true
        }
        AutoTextButton {
            objectName: "tutorialLink"
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            textValue: qsTr("How to use group control?") + globleParam.emptyString
            btnModel.onClicked: rectEquipment.openTutorial()
        }
    }

    // The status boxes grow with their titles; the search field gives way.
    Row {
        id: filterRow
        anchors.top: titleRow.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.topMargin: 12 * Theme.dp
        anchors.margins: 16 * Theme.dp
        spacing: 10 * Theme.dp

        ComboBoxDeviceCountry {
            id: countryCombo
            objectName: "deviceCountryCombo"
            width: 150 * Theme.dp
            height: 34 * Theme.dp
            nOrigin: rectEquipment.nOrigin
            defaultText: "US"
        }
        ComboBoxDeviceStatus {
            id: statusCombo
            objectName: "deviceStatusCombo"
            width: Math.max(220 * Theme.dp, nFullWidth)
            height: 34 * Theme.dp
            nOrigin: rectEquipment.nOrigin
            typeFlag: 8
            textTitle: qsTr("Device Status") + globleParam.emptyString
            defaultText: qsTr("Online") + globleParam.emptyString
            editTextModel.text: currentStatus < 0 ? "" : statusText(currentStatus)
        }
        ComboBoxDeviceStatus {
            id: lineStatusCombo
            objectName: "lineStatusCombo"
            width: Math.max(220 * Theme.dp, nFullWidth)
            height: 34 * Theme.dp
            nOrigin: rectEquipment.nOrigin
            typeFlag: 9
            textTitle: qsTr("Connection Status") + globleParam.emptyString
            defaultText: qsTr("Online") + globleParam.emptyString
            editTextModel.text: currentStatus < 0 ? "" : statusText(currentStatus)
        }
        SearchEdit {
            id: searchField
            objectName: "deviceSearchField"
            width: Math.min(230 * Theme.dp, filterRow.width - x - filterRow.spacing - searchButton.width)
            height: 34 * Theme.dp
            inputDefaultText: qsTr("Enter device name to search") + globleParam.emptyString
            editModel.rightPadding: 28 * Theme.dp
            editModel.onTextEdited: if (editModel.text === "") rectEquipment.search(1)
            editModel.onAccepted: if (searchButton.enabled) rectEquipment.search(1)

            Image {
                objectName: "deviceSearchClear"
                visible: searchField.editModel.text !== ""
                anchors.right: parent.right
                anchors.rightMargin: 8 * Theme.dp
                anchors.verticalCenter: parent.verticalCenter
                width: 14 * Theme.dp
                height: width
                source: "qrc:/image/clear_logo.png"
                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: {
                        searchField.editModel.text = ""
                        ProxyManager.searchDeviceByKey("", 2)
                    }
                }
            }
        }
        RefreshButton {
            id: searchButton
            objectName: "deviceSearchButton"
            nMinWidth: 80
            height: 34 * Theme.dp
            btnText: qsTr("Search") + globleParam.emptyString
            btnModel.onClicked: rectEquipment.search(1)
        }
    }

    // ---- The list ----
    Rectangle {
        id: listHead
        anchors.top: filterRow.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.topMargin: 14 * Theme.dp
        anchors.leftMargin: 16 * Theme.dp
        anchors.rightMargin: 16 * Theme.dp
        height: 40 * Theme.dp
        color: "#F6F7FB"

        Row {
            anchors.fill: parent
            Item {
                width: rectEquipment.columnWidths[0]
                height: parent.height
                EquipmentCheck {
                    id: headTick
                    objectName: "headTick"
                    anchors.centerIn: parent
                    checked: rectEquipment.bAllTicked
                    onClicked: if (rectEquipment.listModel.count > 0)
                                   ProxyManager.setAllEquipmentStatus(!checked)
                }
            }
            Repeater {
                model: [QT_TR_NOOP("Device Name"), QT_TR_NOOP("Device Status"), QT_TR_NOOP("Proxy Ip"),
                        QT_TR_NOOP("Country"), QT_TR_NOOP("Connection Status"), QT_TR_NOOP("Remark"),
                        QT_TR_NOOP("Operate")]
                delegate: HeadText {
                    width: rectEquipment.columnWidths[index + 1]
                    text: qsTr(modelData) + globleParam.emptyString
                }
            }
        }
    }

    ListProgress {
        id: progress
        objectName: "deviceProgress"
        anchors.top: listHead.bottom
        anchors.left: listHead.left
        anchors.right: listHead.right
    }

    ListView {
        id: listView
        objectName: "deviceList"
        anchors.top: listHead.bottom
        anchors.bottom: footer.top
        anchors.left: listHead.left
        anchors.right: listHead.right
        anchors.bottomMargin: 8 * Theme.dp
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        model: rectEquipment.listModel
        ScrollBar.vertical: ScrollBar {}

        delegate: EquipmentModel {
            width: listView.width
            row: modelData
            columnWidths: rectEquipment.columnWidths
            onTickClicked: ProxyManager.setEquipmentStatus(key, !row.bSelected)
            onSiteClicked: rectEquipment.rowAction(function (r) { rectEquipment.siteDevice(r, 0) }, row)
            onSwitchClicked: rectEquipment.rowAction(rectEquipment.switchDevice, row)
            onRemarkClicked: rectEquipment.rowAction(rectEquipment.editRemark, row)
        }
    }

    Column {
        objectName: "emptyState"
        anchors.centerIn: listView
        spacing: 10 * Theme.dp
        visible: rectEquipment.listModel.count === 0 && refreshButton.enabled

        Text {
            objectName: "emptyStateText"
            anchors.horizontalCenter: parent.horizontalCenter
            text: (globleParam.nEquipmentDataNumbs === 0 ? qsTr("No devices are currently added")
                                                         : qsTr("No device matching search criteria found."))
                  + globleParam.emptyString
            color: "#8C92AC"
            font.family: Theme.fontFamily
            font.pixelSize: 14 * Theme.dp
        }
        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            visible: globleParam.nEquipmentDataNumbs === 0
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Don't know how to add a device?") + globleParam.emptyString
                color: "#8C92AC"
                font.family: Theme.fontFamily
                font.pixelSize: 13 * Theme.dp
            }
            AutoTextButton {
                objectName: "tutorialLinkEmpty"
                anchors.verticalCenter: parent.verticalCenter
                nPixelSize: 13
                textValue: qsTr("View detailed tutorial") + globleParam.emptyString
                btnModel.onClicked: rectEquipment.openTutorial()
            }
        }
    }

    // ---- Footer ----
    Item {
        id: footer
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: 16 * Theme.dp
        height: 34 * Theme.dp

        Row {
            anchors.verticalCenter: parent.verticalCenter
            spacing: 10 * Theme.dp

            Text {
                objectName: "selectedCount"
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Selected:") + " " + rectEquipment.nTickedShown + globleParam.emptyString
                color: "#042040"
                font.family: Theme.fontFamily
                font.pixelSize: 13 * Theme.dp
            }
            FooterButton {
                objectName: "batchSettingsButton"
                btnText: qsTr("Batch settings") + globleParam.emptyString
                btnModel.onClicked: rectEquipment.batchSettings()
            }
            FooterButton {
                objectName: "batchConnectButton"
                btnText: qsTr("Batch Connection") + globleParam.emptyString
                btnModel.onClicked: rectEquipment.batchConnect(
                    2, qsTr("Please select the device that needs to be connected") + globleParam.emptyString)
            }
            FooterButton {
                objectName: "batchDisconnectButton"
                btnText: qsTr("Batch Disconnection") + globleParam.emptyString
                btnModel.onClicked: rectEquipment.batchConnect(
                    1, qsTr("Please select the device that needs to be disconnected") + globleParam.emptyString)
            }
            FooterButton {
                objectName: "batchNotesButton"
                btnText: qsTr("Batch Notes") + globleParam.emptyString
                btnModel.onClicked: rectEquipment.batchNotes()
            }
        }
        RefreshButton {
            id: refreshButton
            objectName: "deviceRefreshButton"
            anchors.right: parent.right
            nMinWidth: 96
            height: 34 * Theme.dp
            btnText: qsTr("Refresh") + globleParam.emptyString
            btnModel.onClicked: if (rectEquipment.signedIn()) rectEquipment.refershDevice(2)
        }
    }

    ResultNotice {
        id: notice
        objectName: "deviceNotice"
        // In the title row, between the title and the tutorial link: it covers no filter.
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.verticalCenter: titleRow.verticalCenter
    }

    // ---- Busy layer: a device save is out ----
    Rectangle {
        id: busyLayer
        objectName: "deviceBusyLayer"
        anchors.fill: parent
        radius: 6 * Theme.dp
        color: "#B3FFFFFF"
        visible: false
        onVisibleChanged: if (visible) spinner.timerModel.restart()

        MouseArea {
            anchors.fill: parent
            hoverEnabled: true
        }
        Column {
            anchors.centerIn: parent
            spacing: 12 * Theme.dp
            FishSpinner {
                id: spinner
                anchors.horizontalCenter: parent.horizontalCenter
            }
            Text {
                id: busyLabel
                objectName: "deviceBusyText"
                anchors.horizontalCenter: parent.horizontalCenter
                color: "#042040"
                font.family: Theme.fontFamily
                font.pixelSize: 14 * Theme.dp
            }
        }
    }
}
