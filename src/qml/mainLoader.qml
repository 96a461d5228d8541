import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Window 2.15
import Download.Param 1.0
import Language.Param 1.0
import Proxy.Param 1.0
import Search.Param 1.0
import "Button"
import "CheckButton"
import "ComboBox"
import "Popup"
import "Radio"
import "Rect"
import "Style"
import "View"
import "Window"

// The main screen inside the frameless window: side bar, header, status and plan rows, the
// page area and the overlays. It is the second level of the UI message router.
// Relies on the root window's ids: window_main, globleParam, curlRecv, popupTips,
// popupNotice, popupFeedback, openSans.
Item {
    id: mainLoader
    objectName: "mainLoader"

    property real dp: window_main.dp
    property int nShowPage: 1
    property int nProxyType: 1
    // The page that last became visible writes its number here.
    property int nRectPage: 1
    property bool bShowMidImg: true
    property bool bchecked: false
    property string strMiddleJump: ""
    property int nTipMs: 1000

    readonly property bool bSignedIn: globleParam.nIsLogin === 1
    readonly property string strTextColor: "#042040"

    signal signal_SetUiData(int nType, string qstrValue, int nValue)

    function languagePage(strUrl) { window_main.openPage(curlRecv.languagePageUrl(strUrl)) }
    function chooseEntry(nNumber) {
        nProxyType = nNumber
        nShowPage = nNumber
    }

    anchors.fill: parent

    // ---- Side bar ----
    // As wide as its longest entry of the language needs.
    Rectangle {
        id: sideBar
        width: Math.max(210 * dp, Math.ceil(widestEntry()))
        height: parent.height
        gradient: Gradient {
            GradientStop { position: 0; color: "#1C2758" }
            GradientStop { position: 1; color: "#101530" }
        }

        Column {
            anchors.fill: parent
            anchors.topMargin: 24 * dp
            spacing: 6 * dp

            Image {
                anchors.horizontalCenter: parent.horizontalCenter
                source: "qrc:/Icon/logo.png"
                width: 48 * dp
                height: 48 * dp
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: "-V" + globleParam.qstrCurrentVersion + "-"
                color: "#8A93B8"
                font.pixelSize: 12 * dp
                font.family: openSans.name
            }
            Text {
                leftPadding: 24 * dp
                text: qsTr("Function") + globleParam.emptyString
                color: "#8A93B8"
                font.pixelSize: 12 * dp
                font.family: openSans.name
            }

            ButtonGroup { id: sideGroup }

            Repeater {
                id: sideEntries
                model: [
                    { "name": QT_TR_NOOP("Proxy List"), "number": 1, "icon": "side_proxy_list" },
                    { "name": QT_TR_NOOP("Static ISP Proxy"), "number": 10, "icon": "side_static" },
                    { "name": QT_TR_NOOP("Today List"), "number": 2, "icon": "side_today" },
                    { "name": QT_TR_NOOP("Favorite List"), "number": 3, "icon": "side_favorite" },
                    { "name": QT_TR_NOOP("API"), "number": 4, "icon": "side_api" },
                    { "name": QT_TR_NOOP("Program"), "number": 5, "icon": "side_program" },
                    { "name": QT_TR_NOOP("Group Control"), "number": 11, "icon": "side_group",
                      "badge": QT_TR_NOOP("new") },
                    { "name": QT_TR_NOOP("Settings"), "number": 6, "icon": "side_settings" }
                ]
                delegate: RadioMain {
                    objectName: "sideEntry" + modelData.number
                    width: sideBar.width
                    height: 40 * dp
                    radioText: qsTr(modelData.name) + globleParam.emptyString
                    pathLogo: "qrc:/image/" + modelData.icon + ".png"
                    badgeText: modelData.badge ? qsTr(modelData.badge) + globleParam.emptyString : ""
                    exclusiveGroup: sideGroup
                    checked: modelData.number === 1
                    visible: modelData.number === 10 ? globleParam.nRunMode === 1
                           : modelData.number === 11 ? globleParam.nEquipmentState === 1
                           : true
                    radioModel.onClicked: mainLoader.chooseEntry(modelData.number)
                    onCheckedChanged: if (checked) mainLoader.sideEntryChecked(modelData.number)
                }
            }

            Row {
                leftPadding: 24 * dp
                spacing: 8 * dp
                Repeater {
                    id: sideBarRow
                    model: globleParam.jsonSideBarRow
                    delegate: ButtonImage {
                        width: 28 * dp
                        height: 28 * dp
                        imgNor: "file:///" + globleParam.getCurrentFolderPath() + "/temp/column/"
                                + (modelData.left_img_local || "")
                        imgHot: imgNor
                        imgFlag: ((modelData.data || {})[globleParam.qstrLangCode] || {}).name || ""
                        btnModel.onClicked: window_main.onColumnBtnClick(modelData.type, modelData.jump_url)
                    }
                }
            }
            Text {
                textFormat: Text.PlainText
                leftPadding: 24 * dp
                text: globleParam.qstrDomain.replace(/^https?:\/\//, "")
                color: "#C9CFE6"
                font.pixelSize: 12 * dp
                font.family: openSans.name
                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: mainLoader.languagePage(globleParam.qstrDomain)
                }
            }
        }
    }

    function widestEntry() {
        var nWidest = 0
        for (var i = 0; i < sideEntries.count; ++i) {
            var entry = sideEntries.itemAt(i)
            if (entry)
                nWidest = Math.max(nWidest, entry.implicitWidth)
        }
        return nWidest
    }

    function sideEntry(nNumber) {
        for (var i = 0; i < sideEntries.count; ++i) {
            var entry = sideEntries.itemAt(i)
            if (entry && entry.objectName === "sideEntry" + nNumber)
                return entry
        }
        return null
    }

    function checkEntry(nNumber) {
        var entry = sideEntry(nNumber)
        if (entry)
            entry.checked = true
    }

    function sideEntryChecked(nNumber) {
        chooseEntry(nNumber)
        var bPlan = bSignedIn && (globleParam.nMealType === 1 || globleParam.nMealType === 11)
        if (nNumber === 1 && globleParam.nRunMode === 1 && bPlan)
            rectProxyListID.refreshComboCountry(1)
        else if (nNumber === 10 && bPlan)
            rectStaticProxyListID.refreshComboCountry(2)
        else if (nNumber === 11 && bSignedIn)
            rectEquipmentId.refershDevice(0)
    }

    // ---- Right part: header, status row, plan row, pages ----
    Rectangle {
        id: content
        anchors.left: sideBar.right
        anchors.right: parent.right
        height: parent.height
        color: "#F4F6FB"

        Rectangle {
            id: header
            width: parent.width
            height: 46 * dp
            color: "#FFFFFF"

            Row {
                anchors.left: parent.left
                anchors.leftMargin: 16 * dp
                anchors.verticalCenter: parent.verticalCenter
                spacing: 4 * dp
                visible: globleParam.bUpdateImmediately
                Text {
                    text: qsTr("New Version is Online,") + globleParam.emptyString
                    color: mainLoader.strTextColor
                    font.family: openSans.name
                }
                Text {
                    objectName: "updateImmediately"
                    text: qsTr("Update Immediately") + globleParam.emptyString
                    color: "#FF583E"
                    font.underline: true
                    font.family: openSans.name
                    MouseArea {
                        anchors.fill: parent
                        cursorShape: Qt.PointingHandCursor
                        onClicked: curlRecv.pushVersionInfo(2)
                    }
                }
            }

            Row {
                anchors.right: parent.right
                anchors.rightMargin: 12 * dp
                anchors.verticalCenter: parent.verticalCenter
                spacing: 10 * dp

                ComboLanguage {
                    id: headerLanguage
                    objectName: "headerLanguage"
                    width: 140 * dp
                    height: 30 * dp
                    onSignal_SetUiData: defaultText = LanguageManager.getCurrentLanguageShow()
                    Component.onCompleted: {
                        comboBoxModel.model = LanguageManager.getLanguageList()
                        mainLoader.signal_SetUiData(154, "", 0)
                    }
                }
                UserInfoCekBtn {
                    id: userInfoBtn
                    objectName: "userInfoBtn"
                    height: 30 * dp
                    textModel.text: (mainLoader.bSignedIn ? globleParam.qstrUsername
                                                          : qsTr("Login")) + globleParam.emptyString
                    checkModel.onClicked: {
                        if (mainLoader.bSignedIn)
                            popMenuId.open()
                        else
                            window_main.showLogin()
                    }
                }
                ButtonText {
                    objectName: "cdkButton"
                    height: 30 * dp
                    textShow: "CDK"
                    btnModel.onClicked: mainLoader.bSignedIn ? cdkPopup.signal_SetUiData(100, "", 1)
                                                    : window_main.showLogin()
                }
                ButtonText {
                    objectName: "helpButton"
                    height: 30 * dp
                    textShow: qsTr("Help") + globleParam.emptyString
                    btnModel.onClicked: mainLoader.languagePage(globleParam.qstrS5HelpUrl)
                }
                ButtonText {
                    objectName: "minimiseButton"
                    height: 30 * dp
                    textShow: "\u2013"
                    btnModel.onClicked: window_main.visibility = Window.Minimized
                }
                ButtonText {
                    objectName: "closeButton"
                    height: 30 * dp
                    textShow: "\u00d7"
                    // Without a tray nothing could bring a hidden window back: × quits.
                    btnModel.onClicked: systemTray.available ? systemTray.hideWindow(window_main)
                                                             : window_main.windowQuit(-1)
                }
            }
        }

        // Status row: the local address the ports listen on and the machine's public IP.
        Row {
            id: statusRow
            anchors.top: header.bottom
            anchors.left: parent.left
            anchors.margins: 12 * dp
            height: 36 * dp
            spacing: 8 * dp
            visible: mainLoader.nShowPage !== 4

            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Local Proxy:") + globleParam.emptyString
                color: mainLoader.strTextColor
                font.family: openSans.name
            }
            LocalIpComboBox {
                id: localIpCombo
                objectName: "localIpCombo"
                width: 180 * dp
                height: 30 * dp
                globals: globleParam
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Local IP:") + globleParam.emptyString
                color: mainLoader.strTextColor
                font.family: openSans.name
            }
            Text {
                objectName: "mainlandMark"
                anchors.verticalCenter: parent.verticalCenter
                visible: localWrongTipID.visible && globleParam.qstrLocalIP !== ""
                text: "\u26a0"
                color: "#FC3838"
            }
            Text {
                textFormat: Text.PlainText
                anchors.verticalCenter: parent.verticalCenter
                text: globleParam.qstrLocalIP
                color: mainLoader.strTextColor
                font.family: openSans.name
            }
            ButtonText {
                height: 26 * dp
                textShow: qsTr("Check") + globleParam.emptyString
                btnModel.onClicked: curlRecv.openCheckLocalIp(1)
            }
        }

        // Plan row: the plan cards and the carousel.
        Row {
            id: planRow
            anchors.top: statusRow.bottom
            anchors.left: parent.left
            anchors.margins: 12 * dp
            height: 96 * dp
            spacing: 8 * dp
            visible: mainLoader.nShowPage !== 4 && mainLoader.nShowPage !== 11

            ButtonGroup { id: planGroup }
            ButtonGroup { id: staticPlanGroup }

            RadioMeal {
                id: radioIpBalanceId
                objectName: "radioIpBalanceId"
                visible: mainLoader.nShowPage !== 10
                exclusiveGroup: planGroup
                nMealType: 1
                radioText: qsTr("Popular Plan") + globleParam.emptyString
                nIpNumbs: globleParam.nIpNums
                rechargeBtn.onClicked: mainLoader.recharge(1, false)
                onChosen: mainLoader.planChosen(nMealType, false)
            }
            RadioMeal {
                id: radioDayIpBalanceId
                objectName: "radioDayIpBalanceId"
                visible: mainLoader.nShowPage !== 10
                exclusiveGroup: planGroup
                nMealType: 3
                radioText: qsTr("Long Acting ISP Plan") + globleParam.emptyString
                nIpNumbs: globleParam.nDayIpNums
                rechargeBtn.onClicked: mainLoader.recharge(3, false)
                onChosen: mainLoader.planChosen(nMealType, false)
            }
            RadioMeal {
                id: radioStaticIpBalanceId
                objectName: "radioStaticIpBalanceId"
                visible: mainLoader.nShowPage !== 10
                exclusiveGroup: planGroup
                nMealType: 6
                radioText: qsTr("Static ISP Proxy") + globleParam.emptyString
                nIpNumbs: globleParam.nStaticIpNums
                rechargeBtn.onClicked: mainLoader.recharge(6, false)
                onChosen: mainLoader.planChosen(nMealType, false)
            }
            RadioMeal {
                id: radioTrafficPlanId
                objectName: "radioTrafficPlanId"
                visible: false
                exclusiveGroup: planGroup
                nMealType: 11
                nUiStyleType: 1
                radioText: qsTr("Traffic Plan") + globleParam.emptyString
                fFlowNums: globleParam.fTrafficPlanNums
                textUnit: globleParam.qstrTrafficPlanUnit
                rechargeBtn.onClicked: mainLoader.recharge(11, false)
                onChosen: mainLoader.planChosen(nMealType, false)
            }
            RadioStaticMeal {
                id: radioDedicateStaticIpId
                objectName: "radioDedicateStaticIpId"
                visible: mainLoader.nShowPage === 10
                exclusiveGroup: staticPlanGroup
                nMealType: 6
                radioText: qsTr("Dedicated Static IP") + globleParam.emptyString
                nIpNumbs: globleParam.nStaticIpNums
                rechargeBtn.onClicked: mainLoader.recharge(6, true)
                onChosen: mainLoader.planChosen(nMealType, true)
            }
            RadioStaticMeal {
                id: radioDedicateStaticIpIdSecond
                objectName: "radioDedicateStaticIpIdSecond"
                visible: false
                exclusiveGroup: staticPlanGroup
                nMealType: 12
                radioText: qsTr("Datacenter Proxy") + globleParam.emptyString
                nIpNumbs: globleParam.nDataProxyIpNums
                rechargeBtn.onClicked: if (mainLoader.bSignedIn) mainLoader.nShowPage = 7
                onChosen: mainLoader.planChosen(nMealType, true)
            }
            ViewDefault {
                id: carouselId
                objectName: "carouselId"
                dataModel: SearchManager.carouselImages
                service: curlRecv
                globals: globleParam
                fallbackUrl: curlRecv.languagePageUrl(globleParam.qstrRechargeUrl)
                             + (mainLoader.bSignedIn ? "&ss=" + globleParam.qstrToken : "")
                width: 260 * dp
                height: 80 * dp
            }
        }

        ButtonText {
            objectName: "countryCodeButton"
            anchors.right: parent.right
            anchors.top: statusRow.top
            anchors.rightMargin: 12 * dp
            height: 26 * dp
            visible: [1, 2, 3, 4].indexOf(mainLoader.nShowPage) >= 0
            textShow: qsTr("Country Code") + globleParam.emptyString
            btnModel.onClicked: mainLoader.languagePage(globleParam.qstrCountryCodeUrl)
        }

        Item {
            id: pageArea
            anchors.top: planRow.visible ? planRow.bottom : (statusRow.visible ? statusRow.bottom : header.bottom)
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.margins: 12 * dp

            RectProxyList { id: rectProxyListID; objectName: "rectProxyListID"; anchors.fill: parent; visible: mainLoader.nShowPage === 1 }
            RectStaticProxyList { id: rectStaticProxyListID; objectName: "rectStaticProxyListID"; anchors.fill: parent; visible: mainLoader.nShowPage === 10 }
            RectTodayList { id: rectTodayListID; objectName: "rectTodayListID"; anchors.fill: parent; visible: mainLoader.nShowPage === 2 }
            RectFavoriteList { id: rectFavoriteListID; objectName: "rectFavoriteListID"; anchors.fill: parent; visible: mainLoader.nShowPage === 3 }
            RectAPISecond { id: rectApi; objectName: "rectApi"; anchors.fill: parent; visible: mainLoader.nShowPage === 4 }
            ProgramRect { id: rectProgram; objectName: "rectProgram"; anchors.fill: parent; visible: mainLoader.nShowPage === 5 }
            RectEquipment { id: rectEquipmentId; objectName: "rectEquipmentId"; anchors.fill: parent; visible: mainLoader.nShowPage === 11 }
            RectSettings {
                id: rectSettingID
                objectName: "rectSettingID"
                anchors.fill: parent
                visible: mainLoader.nShowPage === 6
                onLoginRequested: window_main.showLogin()
            }
            // The price page: an empty area.
            Item {
                anchors.fill: parent
                visible: mainLoader.nShowPage === 7
                onVisibleChanged: if (visible) curlRecv.checkRefershWebPage()
            }
            // The partner page.
            ButtonText {
                anchors.centerIn: parent
                visible: mainLoader.nShowPage === 8
                textShow: qsTr("Return") + globleParam.emptyString
                btnModel.onClicked: mainLoader.nShowPage = 1
            }
        }
    }

    // ---- Popups of later screens ----
    PopupModel { id: popupCustom; objectName: "popupCustom" }
    BatchDisconnectPopup { id: popupBatchDisconnect; objectName: "popupBatchDisconnect" }
    RemarkPopup { id: remarkPopup; objectName: "remarkPopup" }
    ProgramMenuPopup { id: programMenuPopup; objectName: "programMenuPopup" }
    ApiHistoryPopup { id: apiHistoryPopup; objectName: "apiHistoryPopup" }
    ProgramHistoryPopup { id: programHistoryPopup; objectName: "programHistoryPopup" }
    PopupEquipmentLine { id: popupEquipmentLine; objectName: "popupEquipmentLine" }
    PopupForwared { id: popupForwared; objectName: "popupForwared" }
    PopupBindPort { id: popupBindPortId; objectName: "popupBindPortId" }
    PopupBindBrowserWnd { id: popupBindBrowserWndId; objectName: "popupBindBrowserWndId" }
    CdkPopup {
        id: cdkPopup
        objectName: "cdkPopup"
        service: curlRecv
        globals: globleParam
    }

    // ---- Overlays ----
    Rectangle {
        id: floatingTip
        objectName: "floatingTip"
        anchors.horizontalCenter: parent.horizontalCenter
        y: 60 * dp
        height: 35 * dp
        width: tipRow.implicitWidth + 40 * dp
        radius: 4 * dp
        color: "#E9FCF7"
        border.color: "#B5EDDF"
        visible: false
        Row {
            id: tipRow
            anchors.centerIn: parent
            spacing: 8 * dp
            Image {
                anchors.verticalCenter: parent.verticalCenter
                width: 16 * dp
                height: 16 * dp
                source: "qrc:/image/ico_success.png"
            }
            Text {
                textFormat: Text.PlainText
                id: tipText
                color: "#07AB84"
                font.family: openSans.name
            }
        }
        Timer {
            id: tipsTimer
            interval: mainLoader.nTipMs
            onTriggered: floatingTip.visible = false
        }
    }

    Rectangle {
        id: localWrongTipID
        objectName: "localWrongTipID"
        anchors.horizontalCenter: content.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 20 * dp
        width: 520 * dp
        height: 40 * dp
        radius: 4 * dp
        color: "#FFF0F0"
        border.color: "#F4BCBC"
        visible: false
        Row {
            anchors.centerIn: parent
            spacing: 10 * dp
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Please use in non Chinese Mainland environment") + globleParam.emptyString
                color: "#FC3838"
                font.family: openSans.name
            }
            ButtonText {
                height: 26 * dp
                textShow: qsTr("Check") + globleParam.emptyString
                btnModel.onClicked: curlRecv.openCheckLocalIp()
            }
            ButtonText {
                height: 26 * dp
                textShow: "\u00d7"
                btnModel.onClicked: localWrongTipID.visible = false
            }
        }
    }

    // The activity picture after sign-in, over the darkened window.
    ModalPopup {
        id: rect_MActivity
        objectName: "rect_MActivity"
        anchors.centerIn: parent
        padding: 0
        closePolicy: Popup.CloseOnEscape
        background: null
        Overlay.modal: Rectangle { color: "#99000000" }

        contentItem: Item {
            implicitWidth: activityImage.implicitWidth
            implicitHeight: activityImage.implicitHeight
            Image {
                id: activityImage
                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: {
                        mainLoader.languagePage(mainLoader.strMiddleJump)
                        rect_MActivity.close()
                    }
                }
            }
            ButtonText {
                objectName: "activityClose"
                anchors.top: activityImage.top
                anchors.left: activityImage.right
                textShow: "\u00d7"
                btnModel.onClicked: rect_MActivity.close()
            }
        }
    }

    // The account menu's lines: the account above, then its entries.
    component AccountLine: Text {
        width: parent.width
        leftPadding: 12 * mainLoader.dp
        textFormat: Text.PlainText
        elide: Text.ElideRight
        color: Theme.textGrey
        font.family: openSans.name
        font.pixelSize: 12 * mainLoader.dp
    }
    component AccountEntry: ButtonMenu {
        width: parent.width
        height: 30 * mainLoader.dp
    }

    ModalPopup {
        id: popMenuId
        objectName: "popMenuId"
        x: parent.width - width - 12 * dp
        y: 46 * dp
        width: 220 * dp
        padding: 4 * dp
        topPadding: 10 * dp
        onClosed: userInfoBtn.checkModel.checked = false

        function entry(fnAction) {
            close()
            fnAction()
        }

        background: Rectangle {
            radius: 6 * dp
            color: "white"
            border.color: Theme.border
        }

        Column {
            width: parent.width
            spacing: 4 * dp
            AccountLine {
                text: "ID: " + (mainLoader.bSignedIn ? globleParam.qstrUsername : "--")
                color: Theme.textDark
                font.pixelSize: 13 * dp
            }
            AccountLine {
                text: mainLoader.bSignedIn && globleParam.qstrEmail !== "" ? globleParam.qstrEmail : "--"
            }
            AccountLine {
                bottomPadding: 4 * dp
                text: mainLoader.bSignedIn && globleParam.qstrPhone !== "" ? globleParam.qstrPhone : "--"
            }
            AccountEntry {
                textShow: qsTr("Update") + globleParam.emptyString
                btnModel.onClicked: popMenuId.entry(function () { curlRecv.pushVersionInfo(1) })
            }
            AccountEntry {
                textShow: qsTr("Notice") + (globleParam.nUnreadMsgNum > 0 ? " \u2022" : "")
                          + globleParam.emptyString
                btnModel.onClicked: popMenuId.entry(function () {
                    mainLoader.bSignedIn ? popupNotice.windowInit(0) : window_main.showLogin()
                })
            }
            AccountEntry {
                textShow: qsTr("Feedback") + globleParam.emptyString
                btnModel.onClicked: popMenuId.entry(function () {
                    mainLoader.bSignedIn ? popupFeedback.windowInit(0) : window_main.showLogin()
                })
            }
            AccountEntry {
                visible: false
                textShow: qsTr("Partner") + globleParam.emptyString
                btnModel.onClicked: popMenuId.entry(function () { mainLoader.nShowPage = 8 })
            }
            AccountEntry {
                objectName: "logOutEntry"
                textShow: (mainLoader.bSignedIn ? qsTr("Log Out") : qsTr("Login")) + globleParam.emptyString
                btnModel.onClicked: popMenuId.entry(mainLoader.bSignedIn ? mainLoader.logOut : window_main.showLogin)
            }
        }
    }

    function logOut() {
        checkEntry(1)
        nShowPage = 1
        globleParam.nIsLogin = 0
        curlRecv.pushLogOut()
    }

    // A plan card was chosen: the plan is stored and its list shown and refreshed.
    function planChosen(nMealType, bStaticGroup) {
        if (!bSignedIn) {
            window_main.showLogin()
            return
        }
        if (bStaticGroup) {
            globleParam.nMealStaticType = nMealType
            checkEntry(10)
            rectStaticProxyListID.refreshProxyLine(3)
        } else {
            globleParam.nMealType = nMealType
            if (nShowPage !== 11)
                checkEntry(1)
            rectProxyListID.refreshProxyLine(3)
        }
        ProxyManager.signal_InitApiUrl()
    }

    function recharge(nMealType, bStaticGroup) {
        if (bSignedIn)
            window_main.openPage(curlRecv.rechargeUrl(nMealType, bStaticGroup))
    }

    // ---- Second-level router ----
    readonly property var listPages: [rectProxyListID, rectStaticProxyListID, rectTodayListID,
                                      rectFavoriteListID]
    readonly property var sixPages: [rectProxyListID, rectTodayListID, rectFavoriteListID, rectApi,
                                     rectProgram, rectStaticProxyListID]
    readonly property var planRadios: [radioIpBalanceId, radioDayIpBalanceId, radioStaticIpBalanceId,
                                       radioTrafficPlanId, radioDedicateStaticIpId]
    // Pages by the list identity that messages 116 to 122 carry.
    readonly property var originPages: ({ 1: rectProxyListID, 2: rectTodayListID,
                                          3: rectFavoriteListID, 4: rectApi, 6: rectProgram,
                                          10: rectStaticProxyListID })

    // Who shows a line list by the list identity that its answers carry.
    readonly property var lineListOwners: ({ 1: [rectProxyListID], 10: [rectStaticProxyListID],
                                             12: [popupEquipmentLine] })

    // Messages handed on as they came: type -> receivers.
    readonly property var forwards: ({
        22: planRadios,
        24: [rectTodayListID],
        41: listPages.concat([rectEquipmentId]),
        50: [rectApi],
        110: sixPages.concat([rectEquipmentId]),
        111: sixPages,
        112: sixPages,
        113: sixPages,
        114: [rectTodayListID],
        127: [popupCustom], 128: [popupCustom], 129: [popupCustom], 130: [popupCustom],
        131: [popupCustom], 132: [popupCustom], 133: [popupCustom], 160: [popupCustom],
        134: [rectFavoriteListID],
        139: [rectProgram], 146: [rectProgram], 147: [rectProgram],
        155: planRadios.concat([popupEquipmentLine]),
        158: [rectProxyListID, rectTodayListID, rectFavoriteListID, rectEquipmentId,
              popupEquipmentLine],
        161: planRadios,
        163: [apiHistoryPopup],
        166: [cdkPopup],
        167: [rectProxyListID, rectStaticProxyListID, popupEquipmentLine],
        168: [rectProxyListID, rectStaticProxyListID, popupEquipmentLine],
        170: [popupEquipmentLine], 171: [popupEquipmentLine], 186: [popupEquipmentLine],
        187: [popupEquipmentLine],
        174: [rectEquipmentId], 175: [rectEquipmentId], 176: [rectEquipmentId],
        178: [rectEquipmentId], 179: [rectEquipmentId], 188: [rectEquipmentId],
        177: [rectEquipmentId, popupEquipmentLine, popupBatchDisconnect]
    })

    // Messages that arrive under another number: type -> [receivers, new type].
    readonly property var rewrites: ({
        135: [[rectFavoriteListID], 134],
        172: [[rectEquipmentId], 165],
        173: [[rectEquipmentId], 113],
        180: [[rectEquipmentId], 113],
        185: [[popupEquipmentLine], 113]
    })

    // Messages the main screen acts on itself; each gets (text, value, type).
    readonly property var actions: ({
        0: function (s, n) {
            if (!bSignedIn)
                return
            if (rectTodayListID.visible) {
                rectTodayListID.signal_SetUiData(2, "unenable", 0)
                ProxyManager.checkArraySn(n)
            } else if (rectFavoriteListID.visible) {
                rectFavoriteListID.signal_SetUiData(2, "unenable", 0)
                ProxyManager.checkFavoriteArraySn(n)
            }
        },
        1: function (s, n) {
            sixPages.forEach(function (page) { page.signal_SetUiData(0, s, page.nOrigin) })
        },
        2: function (s, n) { mainLoader.signal_SetUiData(0, s, nProxyType) },
        3: function (s, n) { takeLocalIpResult(s) },
        22: function (s, n) {
            mainLoader.signal_SetUiData(152, "", 0)
            send(planRadios, 22, s, n)
        },
        23: function (s, n) {
            send([rectProxyListID, rectTodayListID, rectFavoriteListID, rectStaticProxyListID,
                  rectEquipmentId, popupEquipmentLine], 23, s, n)
            bShowMidImg = true
            bchecked = false
        },
        25: function (s, n) {
            tipText.text = s
            floatingTip.visible = true
            tipsTimer.restart()
        },
        // A line list's refusal shows on that list alone: a static list refused at sign-in
        // is not told on the page in view, nor the device line popup's on the device page
        // beneath it. Other failures show on whichever page is in view.
        40: function (s, n) {
            send(lineListOwners[n] || listPages.concat([rectApi, rectProgram, rectEquipmentId]),
                 40, s, n)
        },
        102: function (s, n) { if (!globleParam.bSocks5Globle) checkEntry(5) },
        116: byOrigin, 117: byOrigin, 118: byOrigin, 119: byOrigin, 120: byOrigin,
        121: byOrigin, 122: byOrigin,
        123: function (s, n) { userInfoBtn.checkModel.checked = false },
        124: function (s, n) { localIpCombo.dataModel = SearchManager.getLocalIpData() },
        126: function (s, n) {
            if (n === 1 && globleParam.nIpNums > 0)
                globleParam.nIpNums -= 1
            else if (n === 3 && globleParam.nDayIpNums > 0)
                globleParam.nDayIpNums -= 1
        },
        150: function (s, n) {
            sideBarRow.model = []
            sideBarRow.model = globleParam.jsonSideBarRow
        },
        151: function (s, n) { bSignedIn ? nShowPage = 7 : window_main.showLogin() },
        152: function (s, n) { showActivity() },
        154: function (s, n) {
            headerLanguage.defaultText = LanguageManager.getCurrentLanguageShow()
            headerLanguage.flagSource = LanguageManager.getCurrentLanguageImg()
            rectSettingID.signal_SetUiData(154, s, n)
        },
        156: function (s, n) { nShowPage = 8 },
        157: function (s, n) {
            popupBindPortId.portModel = ProxyManager.getDataType(4)
            popupBindPortId.rangeModel = ProxyManager.refreshPortList()
        },
        162: function (s, n) { checkEntry(5) },
        165: function (s, n) {
            [radioIpBalanceId, radioDayIpBalanceId, radioStaticIpBalanceId,
             radioTrafficPlanId].forEach(function (radio) { radio.enabled = n === 1 })
            rectProxyListID.signal_SetUiData(165, s, n)
        },
        169: function (s, n) {
            radioDedicateStaticIpId.enabled = n === 1
            radioDedicateStaticIpIdSecond.enabled = n === 1
            rectStaticProxyListID.signal_SetUiData(165, s, n)
        },
        189: function (s, n) {
            (n === 3 ? radioDayIpBalanceId : n === 6 ? radioStaticIpBalanceId
                                                     : radioIpBalanceId).rechargeBtn.clicked()
        }
    })

    function send(receivers, nType, s, n) {
        receivers.forEach(function (receiver) { receiver.signal_SetUiData(nType, s, n) })
    }

    function byOrigin(s, n, t) {
        var page = originPages[n]
        if (page)
            page.signal_SetUiData(t, s, n)
    }

    // The local-IP check's reply: only a real result changes anything, and the first one
    // after start or sign-out shows no tip.
    function takeLocalIpResult(qstrReply) {
        var result = curlRecv.applyLocalIpResult(qstrReply)
        if (result.code === undefined)
            return
        localWrongTipID.visible = result.code !== 0
        if (bchecked)
            popupTips.signal_SetUiData(1, result.msg, 0)
        bchecked = true
    }

    function showActivity() {
        if (!bSignedIn || !bShowMidImg)
            return
        var picture = DownloadManager.getQmlObjByKey("middle_img", 1)
        if (!picture)
            return
        var bHk = globleParam.qstrLangCode === "_zh_hk"
        activityImage.source = bHk ? picture.qstrHkLocalUrl : picture.qstrLocalUrl
        strMiddleJump = bHk ? picture.qstrJumpHkUrl : picture.qstrJumpUrl
        rect_MActivity.open()
        bShowMidImg = false
    }

    onSignal_SetUiData: {
        var action = actions[nType]
        if (action) {
            action(qstrValue, nValue, nType)
            return
        }
        var rewrite = rewrites[nType]
        if (rewrite) {
            send(rewrite[0], rewrite[1], qstrValue, nValue)
            return
        }
        if (forwards[nType])
            send(forwards[nType], nType, qstrValue, nValue)
    }
}
