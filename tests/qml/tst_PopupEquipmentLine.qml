//@sandbox
import QtQuick 2.15
import QtTest 1.15
import Curl.InterfaceRecv 1.0
import Field.Check 1.0
import Globle.Param 1.0
import Proxy.Param 1.0
import Search.Param 1.0
import "../../src/qml/Window"
import "helpers"

// The device line popup against the real native objects and the stand-in service.
TestCase {
    id: testCase
    LocationSequences { id: sequences }
    name: "PopupEquipmentLine"
    width: 1210
    height: 800
    visible: true
    when: windowShown

    property real dp: 1
    QtObject { id: openSans; property string name: "Open Sans" }
    GlobleParam { id: globleParam }
    CurlInterfaceRecv { id: curlRecv }
    QtObject {
        id: window_main
        property int nLogins: 0
        function showLogin() { ++nLogins }
    }
    // The device page's side of the popup, and the messages the main screen hands it.
    QtObject {
        id: rectEquipmentId
        property string currentDeviceSession: ""
        property int currentBindType: 0
        property int currentMeal: 1
        property string currentCountryCode: ""
        property string currentStateCode: ""
        property string currentCityCode: ""
        property string currentIspCode: ""
        property string currentZipCode: ""
        property string currentIpCode: ""
        property int currentEnableDifferent: 0
        property var received: []
    }

    PopupEquipmentLine { id: popup }

    // What the root window and the main screen do with the service's messages.
    Connections {
        target: curlRecv
        function onSignal_SetUiData(nType, qstrValue, nValue) {
            if (nType === 170 && nValue === 12)
                ProxyManager.beginRarseEquipmentLineListData()
            if (nType === 173 || nType === 185)
                ProxyManager.beginParseListDataByProxyType(nValue, 0)
            if (nType === 185)
                popup.signal_SetUiData(113, qstrValue, nValue)
            if ([40, 155, 158, 167, 168, 170, 171, 177, 186, 187].indexOf(nType) >= 0)
                popup.signal_SetUiData(nType, qstrValue, nValue)
            if ([176, 177, 179].indexOf(nType) >= 0)
                rectEquipmentId.received = rectEquipmentId.received.concat([[nType, qstrValue, nValue, popup.opened]])
        }
    }

    function item(name) { return findChild(popup.contentItem, name) }
    function enabled(name) { return item(name).enabled }
    function lineModel(nType) { return ProxyManager.getListModel(nType) }
    function requests(path) {
        return JSON.parse(sandbox.log()).filter(function (entry) { return entry.path === path })
    }

    function openAndLoad(nMeal) {
        popup.windowInit(nMeal)
        tryVerify(function () { return enabled("equipmentLineSave") }, 20000)
    }

    function initTestCase() {
        sandbox.attach(curlRecv)
        globleParam.nIsLogin = 1
        curlRecv.pushGetDeviceList(0)
        tryVerify(function () { return ProxyManager.getDataType(11, 0).length > 0 }, 20000)
    }

    function init() {
        sandbox.reset()
        globleParam.nIsLogin = 1
        window_main.nLogins = 0
        ProxyManager.setAllEquipmentStatus(false)
        ProxyManager.clearDataByType(13)
        rectEquipmentId.received = []
        rectEquipmentId.currentDeviceSession = "DEV-A"
        rectEquipmentId.currentEnableDifferent = 0
        ;["Country", "State", "City", "Isp", "Zip", "Ip"].forEach(function (name) {
            rectEquipmentId["current" + name + "Code"] = ""
        })
    }

    function cleanup() { popup.windowQuit(0) }

    function test_planZeroShowsPopularPlan() {
        rectEquipmentId.currentMeal = 0
        openAndLoad(0)
        verify(item("equipmentMeal1").checked)
        compare([popup.currentMeal, rectEquipmentId.currentMeal], [1, 1])
        compare(requests("/api/get_line_list")[0].form.ip_time_type, "1")
    }

    function test_randomCodesArriveEmpty() {
        rectEquipmentId.currentCountryCode = "US"
        ;["State", "City", "Isp", "Zip", "Ip"].forEach(function (name) {
            rectEquipmentId["current" + name + "Code"] = "random"
        })
        openAndLoad(1)
        compare([rectEquipmentId.currentStateCode, rectEquipmentId.currentIpCode], ["", ""])
        compare(["equipmentCountry", "equipmentState", "equipmentCity", "equipmentIsp", "equipmentZip"]
                .map(function (name) { return item(name).editTextModel.text }), ["United States", "", "", "", ""])
        compare(item("equipmentIpField").editModel.text, "")
        compare([SearchManager.qstrEquipmentCurrentCountryCode, SearchManager.qstrEquipmentCurrentStateCode,
                 SearchManager.qstrEquipmentIpSearch], ["US", "", ""])
        var form = requests("/api/get_line_list")[0].form
        compare([form.country, form.state, form.ip_part], ["US", "", ""])
    }

    // A head cycles ascending, descending, then back to the latency order.
    function test_sorting_data() {
        return [{ tag: "Country", meal: 1, head: "head_country",
                  key: function (row) { return row.qjsonLine.country.toLowerCase() } },
                { tag: "Ping", meal: 1, head: "head_ping", key: function (row) { return row.nPing } },
                { tag: "static expiry", meal: 6, head: "head_expire",
                  key: function (row) { return Number(row.qjsonLine.expire_time || 0) } }]
    }
    function test_sorting(data) {
        openAndLoad(data.meal)
        var ordered = function (key, bDescending) {
            var model = lineModel(12)
            for (var i = 1; i < model.count; ++i) {
                var a = key(model.get(i - 1)), b = key(model.get(i))
                if (bDescending ? a < b : a > b)
                    return false
            }
            return model.count > 2
        }
        var head = findChild(item("equipmentLineList"), data.head)
        // The heads change with the plan: click once their row has placed the new ones.
        waitForItemPolished(head.parent)
        mouseClick(head)
        verify(ordered(data.key, false))
        mouseClick(head)
        verify(ordered(data.key, true))
        mouseClick(head)
        verify(ordered(function (row) { return row.nPing }, false))
    }

    // Save closes first, stores the choice in the operate object and posts the bind its plan
    // and "enable_different" call for; the result reaches the device page.
    function test_save_data() {
        return [
            { tag: "one device", session: "DEV-A", meal: 1, different: 0, route: "/api/client/save_device", code: 2 },
            { tag: "ticked devices, one line", session: "", meal: 3, different: 0,
              route: "/api/client/save_session_id", code: 6 },
            { tag: "ticked devices, a line each", session: "", meal: 1, different: 1,
              route: "/api/client/batch_save_device", code: 6 },
            { tag: "one device from the history", session: "DEV-B", meal: 100, different: 0,
              route: "/api/client/save_device", code: 2 }
        ]
    }
    function test_save(data) {
        rectEquipmentId.currentDeviceSession = data.session
        rectEquipmentId.currentEnableDifferent = data.different
        ProxyManager.setEquipmentStatus("DEV-C", true)
        ProxyManager.setEquipmentStatus("DEV-D", true)
        openAndLoad(data.meal)
        compare(item("enableDifferentCheck").visible, data.session === "")
        mouseClick(item("equipmentLineSave"))
        verify(!popup.opened)
        tryVerify(function () { return requests(data.route).length === 1 }, 20000)
        var form = requests(data.route)[0].form
        var operate = JSON.parse(form.pc_extra)
        compare([operate.meal_type, operate.enable_different], [data.meal, data.different])
        if (data.meal !== 100)
            compare(form.time_type, String(data.meal))
        tryVerify(function () { return rectEquipmentId.received.length === 3 }, 20000)
        compare(rectEquipmentId.received, [[179, "start", data.code, false], [176, "success", 0, false],
                                           [177, "result", data.code, false]])
    }

    // The history shows the lines bound before but the static one; the existence check marks
    // the line the service no longer has.
    function test_historyAndExistenceCheck() {
        openAndLoad(100)
        var view = findChild(item("equipmentLineHistory"), "lineView")
        compare(view.count, 4)
        compare(globleParam.nEquipmentLineHistoryDataNumbs, 3)
        tryVerify(function () { return requests("/api/sn_is_exist").length === 1 }, 20000)
        compare(requests("/api/sn_is_exist")[0].form.sn.split(",").sort(), ["SN0001", "SN0002", "SN0999"])
        var gone = function () {
            for (var i = 0; i < view.count; ++i) {
                var row = lineModel(13).get(i)
                if (row.qstrIp === "172.16.2.99")
                    return row.nOnline === 0
            }
            return false
        }
        tryVerify(gone, 20000)
    }

    // An empty history and a filter that no line of it passes say different things.
    function test_historyEmptyText_data() {
        return [{ tag: "no line", country: "", text: "Proxy history is empty," },
                { tag: "none passes", country: "JP", text: "No proxy were found matching the results." }]
    }
    function test_historyEmptyText(data) {
        if (data.country === "")
            verify(sandbox.script(JSON.stringify({ "route": "/api/client/get_todaylist", "mode": "body",
                                                   "body": "{\"code\":0,\"msg\":\"\",\"ret_data\":[]}" })))
        rectEquipmentId.currentCountryCode = data.country
        popup.windowInit(100)
        tryVerify(function () { return enabled("equipmentLineSearch") }, 20000)
        var empty = findChild(item("equipmentLineHistory"), "emptyText")
        verify(empty.visible)
        compare(empty.text, data.text)
    }

    // A transport failure or a refusal unlocks Search and the plans and says why; Save waits
    // for rows to bind to.
    function test_nothingStaysLocked_data() {
        var unreachable = "The service could not be reached. Please try again."
        return [{ tag: "line list", meal: 1, route: "/api/get_line_list", radio: "equipmentMeal1",
                  mode: "close", notice: unreachable },
                { tag: "line list refused", meal: 1, route: "/api/get_line_list", radio: "equipmentMeal1",
                  mode: "body", body: "{\"code\":5,\"msg\":\"No balance\"}", notice: "No balance" },
                { tag: "history", meal: 100, route: "/api/client/get_todaylist", radio: "equipmentMeal100",
                  mode: "close", notice: "" }]
    }
    function test_nothingStaysLocked(data) {
        var notice = findChild(popup.contentItem, "resultNoticeText")
        notice.text = ""
        verify(sandbox.script(JSON.stringify({ "route": data.route, "mode": data.mode, "body": data.body || "",
                                               "times": -1 })))
        popup.windowInit(data.meal)
        verify(!enabled("equipmentLineSearch") && !enabled(data.radio))
        tryVerify(function () { return enabled("equipmentLineSearch") && enabled(data.radio) }, 30000)
        verify(!enabled("equipmentLineSave"))
        verify(!item("equipmentLineProgress").running)
        compare(notice.text, data.notice)
        sandbox.reset()
        mouseClick(item(data.radio))
        tryVerify(function () { return enabled("equipmentLineSave") }, 20000)
    }

    function test_ipRefused() {
        rectEquipmentId.currentIpCode = "172.16"
        openAndLoad(1)
        var nSent = requests("/api/get_line_list").length
        var field = item("equipmentIpField")
        field.editModel.text = "300.1"
        mouseClick(item("equipmentLineSearch"))
        compare(item("equipmentIpMessage").text, FieldCheck.checkIpSegment("300.1"))
        verify(item("equipmentIpMessage").text !== "")
        compare([field.editModel.text, SearchManager.qstrEquipmentIpSearch], ["172.16", "172.16"])
        wait(300)
        compare(requests("/api/get_line_list").length, nSent)
    }

    function test_signedOutOpensSignIn_data() {
        return [{ tag: "Save", button: "equipmentLineSave" }, { tag: "Search", button: "equipmentLineSearch" },
                { tag: "plan card", button: "equipmentMeal3" }]
    }
    function test_signedOutOpensSignIn(data) {
        globleParam.nIsLogin = 0
        popup.windowInit(1)
        mouseClick(item(data.button))
        compare(window_main.nLogins, 1)
        verify(popup.opened)
        wait(200)
        compare(["/api/get_line_list", "/api/client/save_device"].map(function (path) {
            return requests(path).length }), [0, 0])
    }

    // The boxes show names, and the codes they hand over are the catalogue's choice.
    function test_locationSequence_data() { return sequences.sequences }
    function test_locationSequence(data) {
        openAndLoad(1)
        var boxes = ["Country", "State", "City", "Isp", "Zip"].map(function (name) { return item("equipment" + name) })
        sequences.run(testCase, boxes, data.steps, function () {
            wait(popup.nCascadeMs * 2)
            popup.handCodes()
            return [SearchManager.qstrEquipmentCurrentCountryCode, SearchManager.qstrEquipmentCurrentStateCode,
                    SearchManager.qstrEquipmentCurrentCityCode, SearchManager.qstrEquipmentCurrentIspCode,
                    SearchManager.qstrEquipmentCurrentPostalCode]
        })
    }
}
