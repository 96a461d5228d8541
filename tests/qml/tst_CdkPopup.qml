import QtQuick 2.15
import QtTest 1.15
import "../../src/qml/Popup"

TestCase {
    id: testCase
    name: "CdkPopup"
    width: 600
    height: 400
    visible: true
    when: windowShown

    QtObject {
        id: curlRecv
        property var calls: []
        signal signal_SetUiData(int nType, string qstrValue, int nValue)
        function pushUseCDK(qstrCdk) { calls.push(["cdk", qstrCdk]) }
        function checkOpenUrl(qstrUrl) { return qstrUrl + "&p=linux" }
        function openUrlExternally(qstrUrl, nValue) { calls.push(["open", qstrUrl, nValue]) }
    }
    QtObject {
        id: globleParam
        property string qstrCdkHelpUrl: "https://help.example/cdk?a=1"
        property string qstrLangCode: "_de"
    }

    SignalSpy { id: uiSpy; target: curlRecv; signalName: "signal_SetUiData" }

    Component {
        id: popupComponent
        CdkPopup {
            service: curlRecv
            globals: globleParam
        }
    }

    property var popup: null

    function init() {
        curlRecv.calls = []
        uiSpy.clear()
        popup = createTemporaryObject(popupComponent, testCase)
        popup.signal_SetUiData(100, "", 1)
        tryCompare(popup, "opened", true)
    }

    function test_escapeCloses() {
        keyClick(Qt.Key_Escape)
        tryCompare(popup, "opened", false)
    }

    // The popup is there to take a code: it can be typed at once.
    function test_opensForTyping() {
        keyClick(Qt.Key_A)
        keyClick(Qt.Key_Return)
        compare(curlRecv.calls, [["cdk", "a"]])
    }

    function test_emptyCodeIsNotSent() {
        popup.confirm()
        compare(popup.messageText, "Please input your CDKEY")
        compare(curlRecv.calls, [])
        tryCompare(popup, "messageText", "", 3000)
    }

    function test_confirmWaitsForTheAnswer() {
        var field = findChild(popup.contentItem, "codeField")
        field.forceActiveFocus()
        keyClick(Qt.Key_A)
        keyClick(Qt.Key_7)
        keyClick(Qt.Key_Enter)
        compare(curlRecv.calls, [["cdk", "a7"]])
        verify(!popup.confirmEnabled)
        keyClick(Qt.Key_Return) // still waiting: nothing more is sent
        compare(curlRecv.calls.length, 1)

        popup.signal_SetUiData(166, "Code used", 1002)
        verify(popup.confirmEnabled)
        compare(popup.messageText, "Code used")
        verify(popup.opened)

        popup.signal_SetUiData(166, "The service could not be reached. Please try again.", -1)
        verify(popup.confirmEnabled)

        popup.confirm()
        popup.signal_SetUiData(166, "", 0)
        verify(popup.confirmEnabled)
        tryCompare(popup, "opened", false)
        compare(uiSpy.count, 1)
        compare(Array.from(uiSpy.signalArguments[0]), [25, "Successfully", 0])
    }

    function test_helpLinkOpensThroughTheService() {
        mouseClick(findChild(popup.contentItem, "helpLink"))
        compare(curlRecv.calls,
                [["open", "https://help.example/cdk?a=1&p=linux&la=_de", 0]])
    }
}
