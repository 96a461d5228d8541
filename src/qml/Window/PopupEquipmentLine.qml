import QtQuick 2.15
import QtQuick.Controls 2.15
import Field.Check 1.0
import Proxy.Param 1.0
import Search.Param 1.0
import "../Button"
import "../CheckButton"
import "../ComboBox"
import "../Edit"
import "../Popup"
import "../Progress"
import "../Radio"
import "../Rect"
import "../Style"

// The device line popup (list identity 12): chooses the line that one device, or every
// ticked device, is bound to, by plan and place from the service's line list or from the
// lines bound before. It works on the device page's properties (id rectEquipmentId) and
// takes the UI messages the main screen routes to it.
ModalPopup {
    id: popupEquipmentLine

    property int nOrigin: 12
    property string currentLineSession: ""
    property bool bSearchEnabled: true
    property bool bSaveEnabled: false
    property bool bRadiosEnabled: true
    property bool bHistoryLoading: false
    // Set while windowInit checks the plan, which then loads the places itself.
    property bool bOpening: false
    property int nCascadeMs: 100

    // The plan shown; the device page keeps it too.
    property int currentMeal: 1
    readonly property bool bHistory: currentMeal === 100
    readonly property bool bSignedIn: globleParam.nIsLogin === 1
    readonly property var combos: [comboCountry, comboState, comboCity, comboIsp, comboZip]
    readonly property var radios: [mealPopular, mealLong, mealStatic, mealHistory]
    readonly property var pageCodes: ["currentCountryCode", "currentStateCode", "currentCityCode",
                                      "currentIspCode", "currentZipCode", "currentIpCode"]

    signal windowInit(int nMeal)
    signal windowQuit(int nValue)
    signal signal_SetUiData(int nType, string qstrValue, int nValue)

    // ---- What the lists and their messages use ----
    function startProgress() { progress.start() }
    function stopProgress() { progress.stop() }
    function notice(qstrText, bSuccess) { resultNotice.show(qstrText, bSuccess) }

    // True when the check takes the IP field's text; otherwise the reason shows beside the
    // field, the field gets its last good text back and the caller sends nothing.
    function acceptIp() {
        var reason = FieldCheck.checkIpSegment(ipField.editModel.text)
        ipMessage.text = reason
        if (reason !== "")
            ipField.editModel.text = ipField.strGood
        else
            ipField.strGood = ipField.editModel.text
        return reason === ""
    }

    function showIp(qstrIp) {
        var text = FieldCheck.checkIpSegment(qstrIp) === "" ? qstrIp : ""
        ipField.editModel.text = text
        ipField.strGood = text
        ipMessage.text = ""
    }

    // The boxes' codes and the (accepted) IP text become the catalogue's choice.
    function handCodes() {
        combos.forEach(function (combo) {
            SearchManager.setEquipmentCurrentCode(combo.currentCode, combo.typeFlag)
        })
        SearchManager.qstrEquipmentIpSearch = ipField.strGood
    }

    // The operator and postal entries are about to be deleted: their boxes let go first.
    function dropIspZip() {
        comboIsp.dataModel = []
        comboZip.dataModel = []
    }

    function resetFilters() {
        combos.forEach(function (combo) { combo.signal_SetUiData(0, "clear", nOrigin) })
        showIp("")
        dropIspZip()
        SearchManager.clearEquipmentIspByProxyType(nOrigin)
        SearchManager.clearEquipmentZipByProxyType(nOrigin)
    }

    // A code of the catalogue shows as its entry's name; any other text as it is.
    function showCode(combo, qstrCode) {
        var qstrName = SearchManager.getEquipmentNameByKey(qstrCode, combo.typeFlag)
        combo.currentCode = qstrCode
        combo.currentName = qstrName
        combo.editTextModel.text = qstrName !== "" ? qstrName : qstrCode
    }

    readonly property var catalogueCodes: ["qstrEquipmentCurrentCountryCode", "qstrEquipmentCurrentStateCode",
        "qstrEquipmentCurrentCityCode", "qstrEquipmentCurrentIspCode", "qstrEquipmentCurrentPostalCode"]

    function showChoice(combo) { showCode(combo, SearchManager[catalogueCodes[combo.typeFlag - 1]]) }

    function reloadCombo(combo) {
        combo.dataModel = SearchManager.getEquipmentDataByKeyAndType("", combo.typeFlag, nOrigin)
    }

    function loadArea() {
        [comboCountry, comboState, comboCity].forEach(function (combo) { combo.dataModel = [] })
        SearchManager.beginRarseEquipmentAreaData(currentMeal, true)
        ;[comboCountry, comboState, comboCity].forEach(reloadCombo)
        ;[comboCountry, comboState, comboCity].forEach(showChoice)
    }

    function loadPlaces() {
        signal_SetUiData(110, "", 0)
        signal_SetUiData(111, "", 0)
        signal_SetUiData(112, "", 0)
    }

    function refreshProxyLine(nValue) {
        if (!acceptIp())
            return
        signal_SetUiData(123, "", 0)
        handCodes()
        curlRecv.pushGetEquipmentLineList(currentMeal, nValue)
    }

    function addProxyLine(nValue) {
        lineList.bLoadingMore = true
        signal_SetUiData(158, "", nOrigin)
        curlRecv.pushGetEquipmentLineList(currentMeal, nValue)
    }

    function search() {
        if (!bSignedIn) {
            window_main.showLogin()
            return
        }
        if (bHistory)
            equipmentLineHistory.refreshProxyLineHistory(1)
        else
            refreshProxyLine(1)
    }

    function clearAll() {
        if (!bSignedIn) {
            window_main.showLogin()
            return
        }
        signal_SetUiData(0, "clear", nOrigin)
        if (bHistory)
            equipmentLineHistory.refreshProxyLineHistory(0)
        else
            refreshProxyLine(0)
    }

    function setMeal(nMeal) {
        currentMeal = nMeal
        rectEquipmentId.currentMeal = nMeal
    }

    function mealChecked(nMeal) {
        setMeal(nMeal)
        signal_SetUiData(0, "clear", nOrigin)
        loadPlaces()
    }

    function mealClicked() {
        if (!bSignedIn) {
            window_main.showLogin()
            return
        }
        if (bHistory)
            equipmentLineHistory.pushEquipmentLineHistory(3)
        else
            refreshProxyLine(3)
    }

    function recharge(radio) {
        windowQuit(0)
        curlRecv.signal_SetUiData(189, radio.radioText, radio.nMealType)
    }

    function save() {
        if (!bSignedIn) {
            window_main.showLogin()
            return
        }
        if (!acceptIp())
            return
        windowQuit(0)
        var session = rectEquipmentId.currentDeviceSession
        var nDifferent = rectEquipmentId.currentEnableDifferent
        var operate = [["meal_type", currentMeal],
                       ["combo_country", SearchManager.qstrEquipmentCurrentCountryCode],
                       ["combo_state", SearchManager.qstrEquipmentCurrentStateCode],
                       ["combo_city", SearchManager.qstrEquipmentCurrentCityCode],
                       ["combo_isp", SearchManager.qstrEquipmentCurrentIspCode],
                       ["combo_zip", SearchManager.qstrEquipmentCurrentPostalCode],
                       ["edit_ip", ipField.editModel.text],
                       ["enable_different", nDifferent]]
        operate.forEach(function (pair) {
            ProxyManager.setEquipmentOperateBySession(session, pair[0], pair[1])
        })
        var nBindType = rectEquipmentId.currentBindType
        if (bHistory)
            ProxyManager.bindEquipmentAndLineHistory(session, currentLineSession, nBindType, nDifferent)
        else if (nDifferent === 1)
            ProxyManager.bindEquipmentAndLineWidthEnable(session, currentLineSession, nBindType)
        else
            ProxyManager.bindEquipmentAndLine(session, currentLineSession, nBindType)
    }

    // A request ended (n 1) or started (n 0); Save needs rows to bind to.
    function setBusy(nValue, nCount) {
        bRadiosEnabled = nValue === 1
        bSearchEnabled = nValue === 1
        bSaveEnabled = nValue === 1 && nCount > 0
        if (nValue === 1) {
            progress.stop()
            lineList.bLoadingMore = false
            lineList.bShowEmpty = true
        }
    }

    function showLines(nValue) {
        currentLineSession = ""
        lineList.bShowEmpty = true
        lineList.load()
        if (nValue !== nOrigin)
            return
        progress.stop()
        if (lineList.listView.count > 0)
            notice(qsTr("Successfully") + globleParam.emptyString, true)
    }

    function appendLines() {
        var nBefore = lineList.listView.count
        var nContentY = lineList.listView.contentY
        ProxyManager.appendRarseEquipmentLineListData()
        lineList.load()
        lineList.listView.contentY = nContentY
        lineList.bLoadingMore = false
        if (lineList.listView.count === nBefore)
            notice(qsTr("No proxy were found matching the results.") + globleParam.emptyString, false)
    }

    function receive(nType, qstrValue, nValue) {
        switch (nType) {
        case 0:
            if (nValue === nOrigin)
                resetFilters()
            break
        case 23:
            currentLineSession = ""
            ProxyManager.clearDataByType(nOrigin)
            break
        case 40:
            if (nValue === nOrigin)
                notice(qstrValue, false)
            break
        case 110:
            loadArea()
            break
        case 111:
            comboIsp.dataModel = []
            SearchManager.beginRarseEquipmentIspData(currentMeal, true)
            reloadCombo(comboIsp)
            break
        case 112:
            comboZip.dataModel = []
            SearchManager.beginRarseEquipmentZipData(currentMeal, true)
            reloadCombo(comboZip)
            break
        case 113:
            equipmentLineHistory.signal_SetUiData(113, qstrValue, nValue)
            break
        case 120:
            reloadCombo(comboState)
            break
        case 121:
            reloadCombo(comboCity)
            break
        case 123:
            signal_SetUiData(23, qstrValue, nValue)
            lineList.bShowEmpty = false
            progress.start()
            break
        case 155:
            radios.forEach(function (radio) { radio.signal_SetUiData(155, qstrValue, nValue) })
            break
        case 158:
            if (nValue === nOrigin)
                progress.start()
            break
        case 167:
            if (nValue === nOrigin)
                appendLines()
            break
        case 168:
            if (nValue === nOrigin) {
                lineList.bLoadingMore = false
                notice(qsTr("No proxy were found matching the results.") + globleParam.emptyString, false)
            }
            break
        case 170:
            showLines(nValue)
            break
        case 171:
            setBusy(nValue, lineList.listView.count)
            break
        case 177:
            if (nValue === 2 || nValue === 6)
                ProxyManager.setEquipmentOperateBySession(rectEquipmentId.currentDeviceSession,
                                                          "meal_type", currentMeal)
            break
        case 186:
            bHistoryLoading = nValue === 0
            setBusy(nValue, equipmentLineHistory.listView.count)
            break
        case 187:
            equipmentLineHistory.bCheckEnabled = nValue === 1
            break
        }
    }

    onSignal_SetUiData: receive(nType, qstrValue, nValue)

    component MealCard: RadioEquipmentMeal {
        id: card
        exclusiveGroup: mealGroup
        enabled: popupEquipmentLine.bRadiosEnabled
        onCheckedChanged: if (checked && !popupEquipmentLine.bOpening) popupEquipmentLine.mealChecked(nMealType)
        onChosen: popupEquipmentLine.mealClicked()
        rechargeBtn.onClicked: popupEquipmentLine.recharge(card)
    }

    onWindowInit: {
        var nPlan = [1, 3, 6, 100].indexOf(nMeal) >= 0 ? nMeal : 1
        setMeal(nPlan)
        pageCodes.forEach(function (name) {
            if (rectEquipmentId[name] === "random")
                rectEquipmentId[name] = ""
        })
        open()
        bOpening = true
        radios.forEach(function (radio) { radio.checked = radio.nMealType === nPlan })
        bOpening = false
        differentCheck.checked = rectEquipmentId.currentEnableDifferent === 1
        combos.forEach(function (combo, nIndex) {
            SearchManager.setEquipmentCurrentCode(rectEquipmentId[pageCodes[nIndex]], combo.typeFlag)
        })
        showIp(rectEquipmentId.currentIpCode)
        SearchManager.qstrEquipmentIpSearch = ipField.editModel.text
        if (!bSignedIn)
            return
        signal_SetUiData(123, "", 0)
        if (bHistory) {
            equipmentLineHistory.signal_SetUiData(123, "", 0)
            curlRecv.pushGetEquipmentListHistory(100, 0)
        } else {
            curlRecv.pushGetEquipmentLineList(nPlan, nPlan)
        }
        loadPlaces()
    }

    onWindowQuit: close()
    onClosed: equipmentLineHistory.stopCheck()

    // A new country reloads the states, cities, operators and postal codes of the boxes.
    Connections {
        target: SearchManager
        function onQstrEquipmentCurrentCountryCodeChanged() {
            popupEquipmentLine.showChoice(comboCountry)
            if (popupEquipmentLine.visible)
                countryTimer.restart()
        }
        function onQstrEquipmentCurrentStateCodeChanged() {
            popupEquipmentLine.showChoice(comboState)
            if (popupEquipmentLine.visible)
                stateTimer.restart()
        }
        function onQstrEquipmentCurrentCityCodeChanged() {
            popupEquipmentLine.showChoice(comboCity)
        }
        function onQstrEquipmentCurrentIspCodeChanged() {
            popupEquipmentLine.showChoice(comboIsp)
        }
        function onQstrEquipmentCurrentPostalCodeChanged() {
            popupEquipmentLine.showChoice(comboZip)
        }
        function onQstrEquipmentIpSearchChanged() { popupEquipmentLine.showIp(SearchManager.qstrEquipmentIpSearch) }
        function onSignal_RefreshEquipmentState() { popupEquipmentLine.signal_SetUiData(120, "changed", 0) }
        function onSignal_RefreshEquipmentCity() { popupEquipmentLine.signal_SetUiData(121, "changed", 0) }
        function onSignal_RefreshEquipmentIsp() { popupEquipmentLine.reloadCombo(comboIsp) }
        function onSignal_RefreshEquipmentZip() { popupEquipmentLine.reloadCombo(comboZip) }
    }
    Timer {
        id: countryTimer
        interval: popupEquipmentLine.nCascadeMs
        onTriggered: {
            popupEquipmentLine.dropIspZip()
            SearchManager.refreshEquipmentStateByCountry(popupEquipmentLine.nOrigin)
            SearchManager.refreshEquipmentCityByCountry(popupEquipmentLine.nOrigin)
            SearchManager.refreshEquipmentIspByCountry(popupEquipmentLine.nOrigin)
            SearchManager.refreshEquipmentZipByCountry(popupEquipmentLine.nOrigin)
            comboCountry.narrowLevels(0)
        }
    }
    Timer {
        id: stateTimer
        interval: popupEquipmentLine.nCascadeMs
        onTriggered: SearchManager.refreshEquipmentCityByCountry(popupEquipmentLine.nOrigin)
    }

    anchors.centerIn: Overlay.overlay
    width: 1000 * Theme.dp
    height: 680 * Theme.dp
    closePolicy: Popup.CloseOnEscape
    padding: 0

    background: PopupPanel {
        dp: Theme.dp
    }

    contentItem: Item {
        id: panel

        readonly property real margin: 20 * Theme.dp

        PopupTitle {
            id: title
            width: parent.width
            dp: Theme.dp
            caption: qsTr("Select Proxy") + globleParam.emptyString
            onCloseClicked: popupEquipmentLine.windowQuit(-1)
        }

        Column {
            id: choices
            anchors.top: title.bottom
            x: panel.margin
            width: parent.width - 2 * panel.margin
            spacing: 10 * Theme.dp

            ButtonGroup { id: mealGroup }

            Row {
                spacing: 10 * Theme.dp
                MealCard {
                    id: mealPopular
                    objectName: "equipmentMeal1"
                    nMealType: 1
                    radioText: qsTr("Popular Plan") + globleParam.emptyString
                    nIpNumbs: globleParam.nIpNums
                }
                MealCard {
                    id: mealLong
                    objectName: "equipmentMeal3"
                    nMealType: 3
                    radioText: qsTr("Long Acting ISP Plan") + globleParam.emptyString
                    nIpNumbs: globleParam.nDayIpNums
                }
                MealCard {
                    id: mealStatic
                    objectName: "equipmentMeal6"
                    nMealType: 6
                    radioText: qsTr("Static ISP Proxy") + globleParam.emptyString
                    nIpNumbs: globleParam.nStaticIpNums
                }
                MealCard {
                    id: mealHistory
                    objectName: "equipmentMeal100"
                    nMealType: 100
                    nUiShowRecharge: 0
                    radioText: qsTr("Proxy History") + globleParam.emptyString
                    nIpNumbs: globleParam.nEquipmentLineHistoryDataNumbs
                }
            }

            Row {
                id: placeRow
                readonly property real boxWidth: (choices.width - 4 * spacing) / 5
                spacing: 10 * Theme.dp
                ComboBoxEquipmentCountry {
                    id: comboCountry
                    objectName: "equipmentCountry"
                    width: placeRow.boxWidth
                    nOrigin: popupEquipmentLine.nOrigin
                    levelBoxes: popupEquipmentLine.combos
                    typeFlag: 1
                    defaultText: "US"
                }
                ComboBoxEquipmentCountry {
                    id: comboState
                    objectName: "equipmentState"
                    width: placeRow.boxWidth
                    nOrigin: popupEquipmentLine.nOrigin
                    levelBoxes: popupEquipmentLine.combos
                    typeFlag: 2
                    textTitle: qsTr("State") + globleParam.emptyString
                    defaultText: qsTr("New York") + globleParam.emptyString
                }
                ComboBoxEquipmentCountry {
                    id: comboCity
                    objectName: "equipmentCity"
                    width: placeRow.boxWidth
                    nOrigin: popupEquipmentLine.nOrigin
                    levelBoxes: popupEquipmentLine.combos
                    typeFlag: 3
                    textTitle: qsTr("City") + globleParam.emptyString
                    defaultText: qsTr("New York") + globleParam.emptyString
                }
                ComboBoxEquipmentCountry {
                    id: comboIsp
                    objectName: "equipmentIsp"
                    width: placeRow.boxWidth
                    nOrigin: popupEquipmentLine.nOrigin
                    levelBoxes: popupEquipmentLine.combos
                    typeFlag: 4
                    textTitle: qsTr("ISP") + globleParam.emptyString
                    defaultText: "t-mobile"
                }
                ComboBoxEquipmentCountry {
                    id: comboZip
                    objectName: "equipmentZip"
                    width: placeRow.boxWidth
                    nOrigin: popupEquipmentLine.nOrigin
                    levelBoxes: popupEquipmentLine.combos
                    typeFlag: 5
                    textTitle: qsTr("Zip") + globleParam.emptyString
                    defaultText: "91***"
                }
            }

            Item {
                width: parent.width
                height: 36 * Theme.dp

                SearchIp {
                    id: ipField
                    objectName: "equipmentIpField"
                    property string strGood: ""
                    width: placeRow.boxWidth
                    height: parent.height
                    textTitle: qsTr("IP") + globleParam.emptyString
                    textDefault: "114.114"
                    editModel.onEditingFinished: popupEquipmentLine.acceptIp()
                }
                // Below the field, over the gap before the list.
                Text {
                    textFormat: Text.PlainText
                    id: ipMessage
                    objectName: "equipmentIpMessage"
                    anchors.top: ipField.bottom
                    anchors.topMargin: 2 * Theme.dp
                    color: "#E30B34"
                    font.family: Theme.fontFamily
                    font.pixelSize: 12 * Theme.dp
                }
                CheckBoxNormal {
                    id: differentCheck
                    objectName: "enableDifferentCheck"
                    anchors.left: ipField.right
                    anchors.leftMargin: 16 * Theme.dp
                    anchors.verticalCenter: parent.verticalCenter
                    visible: rectEquipmentId.currentDeviceSession === ""
                    text: qsTr("Different proxies for different device") + globleParam.emptyString
                    onToggled: rectEquipmentId.currentEnableDifferent = checked ? 1 : 0
                }
                Row {
                    anchors.right: parent.right
                    height: parent.height
                    spacing: 10 * Theme.dp
                    ButtonText {
                        objectName: "equipmentLineSearch"
                        nMinWidth: 90
                        height: parent.height
                        enabled: !popupEquipmentLine.bSignedIn || popupEquipmentLine.bSearchEnabled
                        colorBtn: "#FF5C00"
                        colorText: "white"
                        textShow: qsTr("Search") + globleParam.emptyString
                        btnModel.onClicked: popupEquipmentLine.search()
                    }
                    ButtonText {
                        objectName: "equipmentLineClearAll"
                        nMinWidth: 90
                        height: parent.height
                        colorBtn: "#F6F7F8"
                        textShow: qsTr("Clear All") + globleParam.emptyString
                        btnModel.onClicked: popupEquipmentLine.clearAll()
                    }
                }
            }
        }

        ListProgress {
            id: progress
            objectName: "equipmentLineProgress"
            anchors.top: choices.bottom
            anchors.topMargin: 20 * Theme.dp
            x: panel.margin
            width: parent.width - 2 * panel.margin
        }

        RectEquimentLine {
            id: lineList
            objectName: "equipmentLineList"
            anchors.top: progress.bottom
            anchors.topMargin: 4 * Theme.dp
            anchors.bottom: footer.top
            anchors.bottomMargin: 12 * Theme.dp
            x: panel.margin
            width: parent.width - 2 * panel.margin
            visible: !popupEquipmentLine.bHistory
            nMeal: popupEquipmentLine.currentMeal
            currentLineSession: popupEquipmentLine.currentLineSession
            onLineChosen: popupEquipmentLine.currentLineSession = qstrSession
            onRenew: {
                if (popupEquipmentLine.bSignedIn)
                    curlRecv.checkUserStaticIPExpire(qstrIp)
                else
                    window_main.showLogin()
            }
            onBAtEndChanged: {
                if (bAtEnd && visible && popupEquipmentLine.bSearchEnabled && globleParam.nHeadListState === 1)
                    popupEquipmentLine.addProxyLine(10)
            }
        }

        RectEquimentLineHistory {
            id: equipmentLineHistory
            objectName: "equipmentLineHistory"
            anchors.fill: lineList
            visible: popupEquipmentLine.bHistory
            host: popupEquipmentLine
            currentLineSession: popupEquipmentLine.currentLineSession
            onLineChosen: popupEquipmentLine.currentLineSession = qstrSession
            // Save binds to a history row, so it follows the rows shown.
            listView.onCountChanged: {
                if (!popupEquipmentLine.bHistory || popupEquipmentLine.bHistoryLoading)
                    return
                popupEquipmentLine.bSaveEnabled = listView.count > 0
                popupEquipmentLine.bSearchEnabled = true
            }
        }

        Row {
            id: footer
            anchors.right: parent.right
            anchors.rightMargin: panel.margin
            anchors.bottom: parent.bottom
            anchors.bottomMargin: panel.margin
            spacing: 12 * Theme.dp
            ButtonText {
                objectName: "equipmentLineCancel"
                nMinWidth: 96
                height: 36 * Theme.dp
                colorBtn: "#F6F7F8"
                textShow: qsTr("Cancel") + globleParam.emptyString
                btnModel.onClicked: popupEquipmentLine.windowQuit(-1)
            }
            ButtonText {
                objectName: "equipmentLineSave"
                nMinWidth: 96
                height: 36 * Theme.dp
                enabled: !popupEquipmentLine.bSignedIn || popupEquipmentLine.bSaveEnabled
                colorBtn: "#FF5C00"
                colorText: "white"
                textShow: qsTr("Save") + globleParam.emptyString
                btnModel.onClicked: popupEquipmentLine.save()
            }
        }

        // Left of the buttons, where it covers neither the title nor a control.
        ResultNotice {
            id: resultNotice
            objectName: "lineNotice"
            anchors.left: parent.left
            anchors.leftMargin: panel.margin
            anchors.verticalCenter: footer.verticalCenter
        }
    }
}
