import QtQuick 2.15
import QtTest 1.15
import Curl.InterfaceRecv 1.0
import Globle.Param 1.0
import Proxy.Param 1.0
import QelProxy.Param 1.0
import Search.Param 1.0
import System.Clip 1.0
import "../../src/qml/Popup"
import "../../src/qml/Rect"
import "helpers"

// The extraction page and its history popup against the real managers, service object and
// link opener (its desktop side caught by the runner as openedUrls).
TestCase {
    id: testCase
    LocationSequences { id: sequences; service: curlRecv; page: page; nOrigin: 4 }
    name: "RectAPISecond"
    width: 1000
    height: 760
    visible: true
    when: windowShown

    GlobleParam { id: globleParam }
    CurlInterfaceRecv { id: curlRecv }
    SystemClip { id: clipBoard }
    QtObject { id: mainLoader; property int nRectPage: 1 }
    QtObject {
        id: window_main
        property int nSignIns: 0
        function showLogin() { nSignIns += 1 }
    }
    QtObject {
        id: popupPortForwardList
        property int nOpened: 0
        function windowInit(nValue) { nOpened += 1 }
    }
    TextEdit { id: clipReader; visible: false }

    RectAPISecond { id: page; anchors.fill: parent }
    ApiHistoryPopup { id: apiHistoryPopup }

    SignalSpy { id: linkSpy; target: ProxyManager; signalName: "signal_ResetApiUrl" }
    SignalSpy { id: portSpy; target: ProxyGoProxy; signalName: "nApiPortChanged" }
    SignalSpy { id: uiSpy; target: curlRecv; signalName: "signal_SetUiData" }

    // An objectName, or "outer/inner" for one inside another.
    function item(name) {
        var names = name.split("/")
        var found = findChild(page, names[0]) || findChild(apiHistoryPopup.contentItem, names[0])
        return names.length > 1 ? findChild(found, names[1]) : found
    }
    function field(name) { return item(name).editModel }
    function linkText() { return field("apiLinkField").text }

    function clipboardText() {
        clipReader.text = ""
        clipReader.paste()
        return clipReader.text
    }

    function typeInto(name, qstrText) {
        var input = field(name)
        input.forceActiveFocus()
        input.selectAll()
        keyClick(Qt.Key_Delete)
        for (var i = 0; i < qstrText.length; ++i)
            keyClick(qstrText[i])
    }

    // What the link builder gives for the page's current inputs.
    function builtLink() {
        var boxes = ["apiCountryBox", "apiStateBox", "apiCityBox", "apiIspBox", "apiZipBox"].map(
                    function (name) { return item(name).currentCode })
        linkSpy.clear()
        ProxyManager.setCopyUrlByParam(globleParam.nApiMealType, item("apiCountField").goodText,
                                       boxes[0], boxes[1], boxes[2], boxes[3], boxes[4],
                                       item("apiSegmentField").goodText, 2)
        return linkSpy.signalArguments[0][0]
    }

    function chooseFirst(name) {
        var box = item(name)
        box.choose(box.dataModel[0])
    }

    function rowNames(name) {
        var rows = item(name).dataModel
        var names = []
        for (var i = 0; i < rows.length; ++i)
            names.push(rows[i].qstrName)
        return names
    }

    // As a person does: a click into the box, then keys sent to the window.
    function typeIntoBox(name, qstrText) {
        mouseClick(item(name).editTextModel)
        for (var i = 0; i < qstrText.length; ++i)
            keyClick(qstrText[i])
    }

    // A country, then a state, chosen by name.
    function chooseParents(names) {
        names.forEach(function (qstrName, nLevel) {
            var parent = item(["apiCountryBox", "apiStateBox"][nLevel])
            parent.choose(parent.dataModel[rowNames(parent.objectName).indexOf(qstrName)])
        })
    }

    function clickRow(name, qstrName) {
        var box = item(name)
        var rows = box.comboBoxModel.contentItem
        var nRow = rowNames(name).indexOf(qstrName)
        tryVerify(function () { return rows.itemAtIndex(nRow) !== null })
        mouseClick(rows.itemAtIndex(nRow))
    }

    function initTestCase() {
        globleParam.bProxyRun = true
        SearchManager.beginRarseAreaData(true)
    }

    function init() {
        globleParam.nIsLogin = 1
        globleParam.nApiMealType = 1
        page.signal_SetUiData(110, "", 0)
        window_main.nSignIns = 0
        popupPortForwardList.nOpened = 0
        mouseClick(item("apiClearAll"))
        item("apiCountField").reset("")
        wait(10) // messages the reset queued
        openedUrls.clear()
        linkSpy.clear()
        portSpy.clear()
        uiSpy.clear()
    }

    function test_visiblePageNumber() {
        page.visible = false
        page.visible = true
        compare(mainLoader.nRectPage, 4)
    }

    // The field shows what the builder makes of the same inputs.
    function test_linkFollowsInputs_data() {
        return [
            { tag: "count and segment typed", step: "edit", part: "num=12" },
            { tag: "plan chosen", step: "plan", part: "ip_time=3" },
            { tag: "Clear All", step: "clear", part: "country=all" }
        ]
    }
    function test_linkFollowsInputs(data) {
        chooseFirst("apiCountryBox")
        typeInto("apiSegmentField", "71.183")
        keyClick(Qt.Key_Return)
        typeInto("apiCountField", "12")
        verify(linkText().indexOf("&ip_part=71.183") > 0, linkText())
        if (data.step === "plan") {
            var plans = item("apiMealBox")
            plans.choose(plans.dataModel[1])
        } else if (data.step === "clear") {
            mouseClick(item("apiClearAll"))
            compare(linkText().indexOf("ip_part"), -1)
        }
        verify(linkText().indexOf(data.part) > 0, linkText())
        compare(linkText(), builtLink())
    }

    // A box cleared after a narrowed choice offers its whole level again, under the levels
    // chosen above it.
    function test_clearedBoxWidens_data() {
        return [
            { tag: "city by its clear icon", parents: ["United States", "California"], box: "apiCityBox",
              typed: "San", picked: "San Francisco", byKeys: false, level: ["Los Angeles", "San Francisco"] },
            { tag: "city text deleted", parents: ["United States", "California"], box: "apiCityBox",
              typed: "San", picked: "San Francisco", byKeys: true, level: ["Los Angeles", "San Francisco"] },
            { tag: "state", parents: ["United States"], box: "apiStateBox",
              typed: "Cal", picked: "California", byKeys: false, level: ["California", "New York"] },
            { tag: "country", parents: [], box: "apiCountryBox",
              typed: "Fr", picked: "France", byKeys: true, level: ["United States", "France"] }
        ]
    }
    function test_clearedBoxWidens(data) {
        chooseParents(data.parents)
        typeIntoBox(data.box, data.typed)
        compare(rowNames(data.box), [data.picked])
        clickRow(data.box, data.picked)
        compare(item(data.box).editTextModel.text, data.picked)
        if (data.byKeys) {
            mouseClick(item(data.box).editTextModel)
            keyClick(Qt.Key_A, Qt.ControlModifier)
            keyClick(Qt.Key_Backspace)
        } else {
            mouseClick(findChild(item(data.box), "comboClear"))
        }
        compare(item(data.box).editTextModel.text, "")
        compare(rowNames(data.box), data.level)
    }

    // An open box with nothing typed still reads its name, its only label.
    function test_openEmptyBoxShowsItsName_data() {
        return [
            { tag: "country", parents: [], box: "apiCountryBox", name: "Country" },
            { tag: "city", parents: ["United States", "California"], box: "apiCityBox", name: "City" }
        ]
    }
    function test_openEmptyBoxShowsItsName(data) {
        chooseParents(data.parents)
        var box = item(data.box)
        var edit = box.editTextModel
        mouseClick(box, box.width - 15, box.height / 2)
        verify(box.comboBoxModel.visible)
        verify(edit.activeFocus)
        var shown = []
        for (var i = 0; i < edit.children.length; ++i) {
            if (edit.children[i].visible && edit.children[i].text)
                shown.push(edit.children[i].text)
        }
        compare(shown, [data.name])
    }

    // Typed while the plan's catalogue had not come yet: its arrival answers the search.
    function test_lateCatalogue() {
        globleParam.nApiMealType = 3
        page.signal_SetUiData(110, "", 0)
        typeIntoBox("apiCityBox", "San")
        compare(rowNames("apiCityBox"), [])
        proxyFixture.storeAreaList(3)
        page.signal_SetUiData(110, "init", 0)
        compare(rowNames("apiCityBox"), ["San Francisco"])
        verify(item("apiCityBox").comboBoxModel.visible)
    }

    function test_copies_data() {
        return [
            { tag: "link", name: "apiCopyLink", copied: function () { return linkText() } },
            { tag: "example", name: "apiExample2", copied: function () {
                return "http://" + globleParam.qstrInternalNetIP + ":" + ProxyGoProxy.nApiPort
                        + "/api/get_ip_list?num=1&country=US&state=NewYork" } },
            { tag: "error", name: "apiError3", copied: function () { return "No port set" } }
        ]
    }
    function test_copies(data) {
        var examples = item("apiExamples")
        var target = item(data.name)
        if (target.parent.parent === examples.contentItem)
            examples.contentY = Math.min(target.y, examples.contentHeight - examples.height)
        mouseClick(target, 10, 10)
        compare(clipboardText(), data.copied())
        verify(item("apiNotice").visible)
        verify(item("apiNotice").bSuccess)
    }

    function test_openLink() {
        var openButton = item("apiOpenLink")
        field("apiLinkField").text = ""
        verify(!openButton.btnModel.enabled)
        typeInto("apiLinkField", "file:///etc/passwd")
        mouseClick(openButton)
        tryCompare(uiSpy, "count", 1)
        compare(uiSpy.signalArguments[0][0], 144)
        verify(uiSpy.signalArguments[0][1] !== "")
        typeInto("apiLinkField", "http://127.0.0.1:42333/api/get_ip_list?num=1")
        mouseClick(openButton)
        tryVerify(function () { return openedUrls.opened().length === 1 })
        compare(openedUrls.opened(), ["http://127.0.0.1:42333/api/get_ip_list?num=1"])
    }

    function test_pageLinks_data() {
        return [
            { tag: "guide", name: "apiGuideLink", property: "qstrGuideUrl" },
            { tag: "error section", name: "apiError0/titleLink", property: "qstrCountryCodeUrl" }
        ]
    }
    function test_pageLinks(data) {
        globleParam[data.property] = "https://help.example/" + data.tag.replace(" ", "-")
        var examples = item("apiExamples")
        examples.contentY = item("apiError0").y
        mouseClick(item(data.name))
        tryVerify(function () { return openedUrls.opened().length === 1 })
        compare(openedUrls.opened(), [curlRecv.languagePageUrl(globleParam[data.property])])
    }

    // Each field's refused text: the reason beside it, the last good text back, nothing sent.
    function test_refusals_data() {
        return [
            { tag: "count", name: "apiCountField", text: "0", finish: null },
            { tag: "IP segment", name: "apiSegmentField", text: "300.1", finish: Qt.Key_Return },
            { tag: "API port", name: "apiPortField", text: "65536", finish: "apiRestart" }
        ]
    }
    function test_refusals(data) {
        var checked = item(data.name)
        var before = [checked.goodText, linkText(), ProxyGoProxy.nApiPort]
        typeInto(data.name, data.text)
        if (data.finish === Qt.Key_Return)
            keyClick(Qt.Key_Return)
        else if (data.finish)
            mouseClick(item(data.finish))
        verify(checked.reason !== "")
        compare(item(data.name.replace("Field", "Reason")).text, checked.reason)
        compare([checked.text, linkText(), ProxyGoProxy.nApiPort], before)
        compare(linkSpy.count, 0)
        compare(portSpy.count, 0)
    }

    function test_historyPopup() {
        ProxyManager.clearApiHistoryData()
        var ips = ["10.1.0.1", "10.1.0.2"]
        ips.forEach(function (ip) {
            ProxyManager.parseApiRecv(JSON.stringify({ code: 1, data: { ip: ip, port: "30001",
                country: "US", state: "NewYork", city: "newyork" } }))
        })
        ProxyManager.beginParseApiTodayListData()
        apiHistoryPopup.signal_SetUiData(163, "", 0)
        mouseClick(item("apiHistoryLink"))
        verify(apiHistoryPopup.opened)
        compare(apiHistoryPopup.strTitle, "API Proxy History")
        var list = item("apiHistoryList")
        tryCompare(list, "count", 2, 10000)
        mouseClick(item("apiHistoryClear"))
        compare(list.count, 0)
        keyClick(Qt.Key_Escape)
        tryCompare(apiHistoryPopup, "opened", false)
    }

    // Signed out, an acting button only asks for the sign-in.
    function test_signedOut_data() {
        return ["apiRestart", "apiClearAll", "apiCopyLink", "apiOpenLink", "apiHistoryLink",
                "apiPortForwardList", "apiRefresh"].map(function (name) {
            return { tag: name, name: name }
        })
    }
    function test_signedOut(data) {
        field("apiLinkField").text = "http://127.0.0.1:42333/api/get_ip_list?num=1"
        field("apiPortField").text = "42444"
        clipBoard.setText("before")
        globleParam.nIsLogin = 0
        mouseClick(item(data.name))
        wait(20)
        compare(window_main.nSignIns, 1)
        compare([linkSpy.count, portSpy.count, uiSpy.count, openedUrls.opened().length,
                 popupPortForwardList.nOpened], [0, 0, 0, 0, 0])
        verify(!apiHistoryPopup.opened)
        compare(clipboardText(), "before")
    }

    // The operator and postal lists follow the page's own country.
    function test_locationSequence_data() { return sequences.sequences }
    function test_locationSequence(data) {
        var boxes = ["Country", "State", "City", "Isp", "Zip"].map(function (name) { return item("api" + name + "Box") })
        sequences.run(testCase, boxes, data.steps)
    }
}
