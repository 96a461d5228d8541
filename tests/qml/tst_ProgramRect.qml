//@sandbox
import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import Curl.InterfaceRecv 1.0
import Field.Check 1.0
import Globle.Param 1.0
import Proxy.Param 1.0
import "../../src/qml"
import "../../src/qml/Popup"
import "../../src/qml/Rect"
import "helpers"

// The program page with the real proxy store, field checks and service object, whose
// program-line requests reach the stand-in service.
TestCase {
    id: testCase
    name: "ProgramRect"
    width: 1000
    height: 620
    visible: true
    when: windowShown

    GlobleParam { id: globleParam }
    CurlInterfaceRecv { id: curlRecv }
    QtObject {
        id: mainLoader
        property int nRectPage: 1
        property var entries: []
        function checkEntry(nNumber) { entries = entries.concat([nNumber]) }
    }
    QtObject {
        id: window_main
        property int nSignIns: 0
        function showLogin() { ++nSignIns }
    }
    AutoProgramTimer { id: timerAutoProgram }
    ProgramMenuPopup { id: programMenuPopup }
    ProgramHistoryPopup { id: programHistoryPopup }
    ProgramRect {
        id: page
        anchors.fill: parent
    }
    MarkupProbe { id: probe }
    LocationSequences { id: sequences; service: curlRecv; page: page; nOrigin: 6 }
    SignalSpy { id: uiSpy; target: curlRecv; signalName: "signal_SetUiData" }

    // What the root window does with the messages this page's actions cause.
    Connections {
        target: curlRecv
        function onSignal_SetUiData(nType, qstrValue, nValue) {
            if (nType === 139)
                page.signal_SetUiData(nType, qstrValue, nValue)
            else if (nType === 145)
                timerAutoProgram.restart()
            else if (nType === 28)
                timerAutoProgram.stop()
        }
    }

    readonly property var programs: ProxyManager.getListModel(6)
    property string programPath: ""

    function field(name) { return findChild(page, name) }

    function shownPaths() {
        var paths = []
        for (var i = 0; i < programs.count; ++i)
            paths.push(programs.get(i).nShowType === 1 ? "add" : programs.get(i).qstrFullPath)
        return paths
    }

    function messages(nType) {
        var found = []
        for (var i = 0; i < uiSpy.count; ++i)
            if (uiSpy.signalArguments[i][0] === nType)
                found.push(uiSpy.signalArguments[i][1])
        return found
    }

    function lineRequests() {
        return JSON.parse(sandbox.log()).filter(function (entry) {
            return entry.path === "/api/get_line_list"
        })
    }

    // An entry of the context menu opened on the first program, once laid out.
    function menuEntry(name) {
        mouseClick(cell("programCell0"), 30, 30, Qt.RightButton)
        tryCompare(programMenuPopup, "opened", true)
        waitForItemPolished(programMenuPopup.contentItem)
        return findChild(programMenuPopup.contentItem, name)
    }

    function cell(name) {
        tryVerify(function () { return field(name) !== null }, 10000, name)
        return field(name)
    }

    function initTestCase() {
        sandbox.attach(curlRecv)
        programPath = proxyFixture.writeFile("my tools/run me.sh", true)
        verify(programPath.indexOf(" ") > 0)
    }

    function init() {
        globleParam.nIsLogin = 1
        globleParam.bOtherProxy = false
        window_main.nSignIns = 0
        mainLoader.entries = []
        sandbox.reset()
        uiSpy.clear()
        if (shownPaths().indexOf(programPath) < 0)
            field("programFileDialog").accept("file://" + programPath)
    }

    function cleanup() {
        timerAutoProgram.stop()
        programMenuPopup.close()
        programHistoryPopup.close()
    }

    // The chooser's address, with a space as typed or escaped, adds the program once; each
    // reload ends with the one add cell.
    function test_addThroughChooser() {
        compare(shownPaths(), [programPath, "add"])
        field("programFileDialog").accept("file://" + programPath.replace(/ /g, "%20"))
        page.signal_SetUiData(139, "refresh program", 0)
        page.signal_SetUiData(139, "refresh program", 0)
        compare(shownPaths(), [programPath, "add"])
        compare(field("programFileMessage").text, "")
    }

    // "Browse" opens the chooser in the home folder each time, offering every file.
    function test_browseStartsAtHome() {
        var chooser = field("programFileDialog")
        for (var i = 0; i < 2; ++i) {
            mouseClick(field("programBrowse"))
            tryVerify(function () { return chooser.dialog !== null && chooser.dialog.visible })
            compare(chooser.dialog.folder, chooser.dialog.shortcuts.home)
            compare(chooser.dialog.nameFilters, ["All files (*)"])
            chooser.dialog.folder = "file:///tmp"
            chooser.dialog.close()
        }
    }

    // One refusal per field: the reason beside it, nothing stored, nothing sent.
    function test_refusals() {
        var textFile = proxyFixture.writeFile("notes.txt", false)
        field("programFileDialog").accept("file://" + textFile)
        compare(field("programFileMessage").text, FieldCheck.checkProgramFile(textFile))
        verify(field("programFileMessage").text !== "")
        compare(shownPaths(), [programPath, "add"])

        var interval = field("programSwitchField").editModel
        interval.text = "4"
        interval.textEdited()
        compare(field("programSwitchMessage").text, FieldCheck.checkSwitchInterval("4"))
        verify(field("programSwitchMessage").text !== "")
        mouseClick(field("programAutoProxy"))
        wait(300)
        compare(globleParam.nProgramSwitchTime, 30)
        compare(lineRequests(), [])
        interval.text = "30"
    }

    function test_menu_data() {
        return [
            { tag: "Run", entry: "programRun", tip: "Connect the program to a proxy first",
              paths: "kept", entries: [] },
            { tag: "Romove", entry: "programRemove", tip: "", paths: "add only", entries: [] },
            { tag: "Go ProxyList", entry: "programGoProxyList", tip: "", paths: "kept", entries: [1] }
        ]
    }
    function test_menu(data) {
        var entry = menuEntry(data.entry)
        compare(programMenuPopup.program.qstrFullPath, programPath)
        mouseClick(entry)
        tryCompare(programMenuPopup, "opened", false)
        // Run reaches the store with that program, which refuses while no exit is connected.
        compare(messages(30), data.tip === "" ? [] : [data.tip])
        compare(shownPaths(), data.paths === "kept" ? [programPath, "add"] : ["add"])
        compare(mainLoader.entries, data.entries)
    }

    // Turning on asks for program lines of the chosen place; lines start the switch, none
    // (28) or a refusal before sending leave it off.
    function test_turnOn_data() {
        return [
            { tag: "lines", codes: ["US", "CA", "LAX", "att", "1000"], sent: 1, running: true },
            { tag: "no lines", codes: ["FR", "", "", "att", ""], sent: 1, running: false },
            { tag: "other proxy", codes: ["US", "", "", "", ""], otherProxy: true, sent: 0, running: false }
        ]
    }
    function test_turnOn(data) {
        globleParam.bOtherProxy = !!data.otherProxy
        for (var nLevel = 1; nLevel <= 5; ++nLevel)
            field("programBox" + nLevel).currentCode = data.codes[nLevel - 1]
        mouseClick(field("programAutoProxy"))
        if (data.sent) {
            tryVerify(function () { return messages(145).length + messages(28).length === 1 }, 10000)
            var form = lineRequests()[0].form
            compare([form.country, form.state, form.city, form.isp, form.postal], data.codes)
        } else {
            wait(300)
        }
        compare(lineRequests().length, data.sent)
        compare(timerAutoProgram.running, data.running)
        compare(globleParam.bProxyS5Run, data.running)
        compare(field("programStop").visible, data.running)
        compare(field("programAutoProxy").btnText, data.running ? "Turn off automatic proxy"
                                                                : "Turn on automatic proxy")
    }

    // Each way of stopping ends the switch and sends nothing; the programs stay.
    function test_turnOff_data() {
        return [{ tag: "Turn off", press: "programAutoProxy" }, { tag: "Stop", press: "programStop" },
                { tag: "sign-out", press: "" }]
    }
    function test_turnOff(data) {
        curlRecv.signal_SetUiData(145, "start program", 0)
        verify(globleParam.bProxyS5Run)
        if (data.press !== "") {
            mouseClick(field(data.press))
        } else {
            globleParam.nIsLogin = 0
            page.signal_SetUiData(147, "", 0)
        }
        verify(!timerAutoProgram.running)
        verify(!globleParam.bProxyS5Run)
        compare(shownPaths(), [programPath, "add"])
        wait(300)
        compare(lineRequests(), [])
    }

    function test_history() {
        proxyFixture.storeHistory([{ "ip": "172.16.0.10", "country": "US", "state": "CA", "city": "LAX" },
                                   { "ip": "172.16.3.13", "country": "FR", "state": "IDF", "city": "PAR" }], 9)
        ProxyManager.beginRarseLocalProgramHistoryData()
        mouseClick(field("programHistoryLink"))
        tryCompare(programHistoryPopup, "opened", true)
        compare(programHistoryPopup.strTitle, "Custom Proxy History")
        var list = findChild(programHistoryPopup.contentItem, "programHistoryList")
        tryCompare(list, "count", 2, 10000)
        mouseClick(findChild(programHistoryPopup.contentItem, "programHistoryClear"))
        compare(list.count, 0)
        compare(ProxyManager.getDataType(9, 0).length, 0)
    }

    // The program's name, the user's file name, shows in its tool tip as typed.
    function test_nameToolTipAsTyped() {
        var program = programs.get(0)
        var qstrName = program.qstrProgramName
        program.qstrProgramName = probe.markup
        mouseMove(cell("programCell0"), 30, 30)
        tryCompare(findChild(cell("programCell0"), "kitToolTip"), "opened", true)
        var text = findChild(cell("programCell0"), "kitToolTipText")
        compare(text.text, probe.markup)
        verify(probe.shownAsTyped(text))
        program.qstrProgramName = qstrName
    }

    // Signed out, every acting control opens the sign-in window and does nothing else.
    function test_signedOut_data() {
        return [
            { tag: "Browse", name: "programBrowse" },
            { tag: "add cell", name: "programAddCell" },
            { tag: "automatic proxy", name: "programAutoProxy" },
            { tag: "history", name: "programHistoryLink" },
            { tag: "delete mark", name: "programDelete0" },
            { tag: "Run", name: "programRun", menu: true },
            { tag: "Romove", name: "programRemove", menu: true }
        ]
    }
    function test_signedOut(data) {
        var control = data.menu ? menuEntry(data.name) : null
        if (!data.menu) {
            mouseClick(cell("programCell0"))
            control = cell(data.name)
        }
        globleParam.nIsLogin = 0
        mouseClick(control)
        compare(window_main.nSignIns, 1)
        compare(shownPaths(), [programPath, "add"])
        verify(!programHistoryPopup.opened)
        compare(messages(30), [])
        wait(300)
        compare(lineRequests(), [])
    }

    function test_locationSequence_data() { return sequences.sequences }
    function test_locationSequence(data) {
        sequences.loadCatalogue()
        // The file chooser of another test may have taken the keys.
        page.Window.window.requestActivate()
        tryVerify(function () { return page.Window.active })
        var boxes = [1, 2, 3, 4, 5].map(function (nLevel) { return field("programBox" + nLevel) })
        sequences.run(testCase, boxes, data.steps)
    }
}
