import QtQuick 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import Curl.InterfaceRecv 1.0
import Globle.Param 1.0

TestCase {
    name: "CurlInterfaceRecv"

    // Created the way main.qml creates them.
    CurlInterfaceRecv {
        id: curlRecv
    }
    GlobleParam {
        id: globleParam
    }

    Text {
        id: caption
        // Mutated in place, so counting does not make the binding depend on itself.
        property var evaluations: ({ "count": 0 })
        text: counted(qsTr("Update Now")) + globleParam.emptyString
        function counted(value) {
            evaluations.count += 1
            return value
        }
    }

    function test_startUpValues() {
        compare(globleParam.qstrCurrentVersion, "2.1.1")
        compare(globleParam.nBeginPort, 30000)
        compare(globleParam.emptyString, "")
        compare(curlRecv.getRecvBack(), 0)
        compare(curlRecv.getStartTimes(), 1)
        compare(curlRecv.getDpi(), false)
        compare(curlRecv.additionalUrl(), "?p=linux&c=normal&qt=1")
        compare(curlRecv.checkOpenUrl("https://a.b/?s=1"), "https://a.b/?s=1&p=linux&c=normal&qt=1")
        compare(curlRecv.VerifyUrl("a.b"), "https://a.b")
    }

    function test_assignments() {
        globleParam.qstrUpdateExeUrl = "https://files.qelproxy.invalid/pack"
        globleParam.bAutoStartClient = true
        compare(globleParam.qstrUpdateExeUrl, "https://files.qelproxy.invalid/pack")
        compare(globleParam.bAutoStartClient, true)
    }

    function test_languageChangeReevaluatesTexts() {
        var before = caption.evaluations.count
        globleParam.qstrLangCode = "_fr"
        compare(caption.evaluations.count, before)
        globleParam.languageChanged()
        compare(caption.evaluations.count, before + 1)
        compare(caption.text, "Update Now")
    }

    // main.qml's handler reads the three values by name.
    Connections {
        id: handler
        target: curlRecv
        property var received: []
        function onSignal_SetUiData(nType, qstrValue, nValue) {
            received.push([nType, qstrValue, nValue])
        }
    }

    function test_uiMessagesReachTheHandlerWithAllThreeValues() {
        handler.received = []
        curlRecv.signal_SetUiData(13, "start proxy", 1)
        curlRecv.signal_SetUiData(154, "")
        curlRecv.StartExe("/bin/true")
        compare(handler.received.length, 3)
        compare(JSON.stringify(handler.received),
                JSON.stringify([[13, "start proxy", 1], [154, "", 0], [4, "关闭程序", -1]]))
    }

    function test_windowScalingAgainstTheDesktop() {
        var w = Screen.desktopAvailableWidth
        var h = Screen.desktopAvailableHeight
        verify(w > 0 && h > 0)
        compare(curlRecv.getDpiByWidHei(w / 2, h / 2), 1.0)
        compare(curlRecv.getDpiByWidHei(w * 2, h / 2), 0.5)
        fuzzyCompare(curlRecv.getDpiByWidHei(Math.round(w * 1.1), h / 2), 0.73, 0.0001)
        compare(curlRecv.getDpiWidth(w / 2), w / 2)
        compare(curlRecv.getDpiWidth(w + 100), w - 20)
        compare(curlRecv.getDpiHeight(h + 1), h - 20)
    }
}
