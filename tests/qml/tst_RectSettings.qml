import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import Globle.Param 1.0
import "../../src/qml/Rect"
import "helpers"

// The settings page against the real global parameters and settings file.
TestCase {
    id: testCase
    name: "RectSettings"
    width: 1000
    height: 600
    visible: true
    when: windowShown

    property real dp: 1
    QtObject { id: openSans; property string name: "Open Sans" }
    QtObject { id: mainLoader; property int nRectPage: 1 }
    QtObject {
        id: curlRecv
        property var calls: []
        property bool bAutoStartDone: true
        signal signal_SetUiData(int nType, string qstrValue, int nValue)
        function pushSetPortScope() { calls.push("pushSetPortScope") }
        function pushSaveRepeatTime() { calls.push("pushSaveRepeatTime") }
        function autoStartClient(qstrPath, bStart) { calls.push("autoStart " + bStart); return bAutoStartDone }
    }
    GlobleParam { id: globleParam }
    Component { id: freshParam; GlobleParam {} }

    RectSettings {
        id: page
        anchors.fill: parent
        nBandMs: 60000
    }
    SignalSpy { id: loginSpy; target: page; signalName: "loginRequested" }
    FocusProbe { id: probe }

    readonly property string beginRange: "Begin Port 1-65534"
    readonly property string countRange: "Port Number 1-200, Begin Port + Port Number \u2264 65535"

    function field(name) { return findChild(page, name) }

    function save(begin, count) {
        field("beginPortField").text = begin
        field("portNumberField").text = count
        mouseClick(field("saveButton"))
    }

    function init() {
        curlRecv.calls = []
        curlRecv.bAutoStartDone = true
        loginSpy.clear()
        globleParam.nIsLogin = 1
        globleParam.nBeginPort = 30000
        globleParam.nPortNumber = 50
    }

    function test_visiblePageNumber() {
        page.visible = false
        mainLoader.nRectPage = 1
        page.visible = true
        compare(mainLoader.nRectPage, 8)
    }

    function test_signedOutShowsSignIn() {
        globleParam.nIsLogin = 0
        save("40000", "20")
        compare(loginSpy.count, 1)
        compare([globleParam.nBeginPort, globleParam.nPortNumber], [30000, 50])
    }

    // A refused field is shown again with the stored value; the failure band names the range
    // it accepts.
    function test_portRange_data() {
        return [
            { tag: "both valid", begin: "40000", count: "120", stored: [40000, 120], sent: 1, band: "Successfully" },
            { tag: "unchanged", begin: "30000", count: "50", stored: [30000, 50], sent: 0, band: "Successfully" },
            { tag: "begin 0", begin: "0", count: "50", stored: [30000, 50], sent: 0, band: "Not saved: " + beginRange },
            { tag: "begin 65535", begin: "65535", count: "50", stored: [30000, 50], sent: 0,
              band: "Not saved: " + beginRange },
            { tag: "letters", begin: "abc", count: "5x", stored: [30000, 50], sent: 0,
              band: "Not saved: " + beginRange + "; " + countRange },
            { tag: "count 201", begin: "30000", count: "201", stored: [30000, 50], sent: 0,
              band: "Not saved: " + countRange },
            { tag: "new begin, count past the last port", begin: "65500", count: "50", stored: [65500, 50],
              sent: 1, band: "Not saved: " + countRange }
        ]
    }
    function test_portRange(data) {
        save(data.begin, data.count)
        compare([globleParam.nBeginPort, globleParam.nPortNumber], data.stored)
        compare([field("beginPortField").text, field("portNumberField").text],
                [String(data.stored[0]), String(data.stored[1])])
        compare(curlRecv.calls.length, data.sent)
        compare(field("resultBandText").text, data.band)
        compare(field("resultBand").bSuccess, data.band === "Successfully")
        verify(field("resultBand").visible)
    }

    // Port range, repeat time and start with the system reach QelProxy.ini and come back.
    function test_savedToSettingsFile() {
        save("41000", "150")
        save("0", "201")
        var hours = field("hoursBox")
        hours.choose(hours.dataModel[3])
        compare(hours.editTextModel.text, "12")
        mouseClick(field("autoStartSwitch"))
        compare(curlRecv.calls, ["pushSetPortScope", "pushSaveRepeatTime", "autoStart true"])
        globleParam.clearConfig()
        var reread = createTemporaryObject(freshParam, testCase)
        compare([reread.nBeginPort, reread.nPortNumber, reread.nRepeatProxyTime, reread.bAutoStartClient],
                [41000, 150, 12, true])
    }

    // A start entry the service refused leaves the switch as it was and says why.
    function test_autoStartRefused_data() {
        return [
            { tag: "on", was: false, band: "Not turned on: a start entry cannot name this program's folder, or could not be written" },
            { tag: "off", was: true, band: "Not turned off: the start entry could not be removed" }
        ]
    }
    function test_autoStartRefused(data) {
        var bBefore = globleParam.bAutoStartClient
        globleParam.bAutoStartClient = data.was
        curlRecv.bAutoStartDone = false
        mouseClick(field("autoStartSwitch"))
        var bAfter = [globleParam.bAutoStartClient, field("autoStartSwitch").checked]
        globleParam.bAutoStartClient = bBefore
        compare(bAfter, [data.was, data.was])
        compare(field("resultBandText").text, data.band)
        verify(!field("resultBand").bSuccess && field("resultBand").visible)
    }

    // The start-with-the-system switch is reached by Tab, shows its focus, and Space
    // toggles it as a click does.
    function test_switchByKeyboard() {
        var toggle = field("autoStartSwitch")
        var bWas = globleParam.bAutoStartClient
        field("portNumberField").forceActiveFocus()
        for (var i = 0; i < 20 && !toggle.activeFocus; ++i)
            keyClick(Qt.Key_Tab)
        verify(toggle.activeFocus)
        verify(findChild(toggle, "focusRing").visible)
        keyClick(Qt.Key_Space)
        compare(globleParam.bAutoStartClient, !bWas)
        keyClick(Qt.Key_Space)
        compare(curlRecv.calls, ["autoStart " + !bWas, "autoStart " + bWas])
        compare(globleParam.bAutoStartClient, bWas)
    }

    // Tab goes round every control of the page, each ringed in turn, and stops at nothing a
    // key cannot use.
    function test_tabRings() {
        var order = ["beginPortField", "portNumberField", "saveButton", "keepDuplicates",
                     "removeDuplicates", "hoursBox", "languageBox", "autoStartSwitch"].map(field)
        verify(probe.reach(testCase, Window.window, Qt.Key_Tab, order[0], 20))
        verify(probe.ringShown(Window.activeFocusItem))
        compare(probe.walk(testCase, Window.window, Qt.Key_Tab, order.slice(1).concat([order[0]])), [])
    }
}
