import QtQuick 2.15
import QtTest 1.15
import "../../src/qml/Window"

TestCase {
    id: testCase
    name: "TipsCustomPopup"
    width: 600
    height: 400
    visible: true
    when: windowShown

    QtObject {
        id: curlRecv
        signal signal_SetUiData(int nType, string qstrValue, int nValue)
    }
    SignalSpy { id: uiSpy; target: curlRecv; signalName: "signal_SetUiData" }

    Component { id: tipsComponent; TipsCustomPopup { service: curlRecv } }

    function init() {
        uiSpy.clear()
    }

    function test_messages_data() {
        return [
            { tag: "1 plain", type: 1, value: 0, opens: true, button: "Sure", sent: [] },
            { tag: "29 recharge", type: 29, value: 3, opens: true, button: "Recharge Now",
              sent: [161, "jump recharge", 3] },
            { tag: "30 program", type: 30, value: 0, opens: true, button: "Sure",
              sent: [162, "jump program", 0] },
            { tag: "20 ignored", type: 20, value: 0, opens: false, button: "Sure", sent: [] },
            { tag: "29 closed by Escape", type: 29, value: 3, opens: true, button: "Recharge Now",
              sent: [], escape: true }
        ]
    }

    function test_messages(data) {
        var tips = createTemporaryObject(tipsComponent, testCase)
        tips.signal_SetUiData(data.type, "Balance is low", data.value)
        compare(tips.opened || tips.visible, data.opens)
        if (!data.opens)
            return
        tryCompare(tips, "opened", true)
        compare(tips.messageText, "Balance is low")
        compare(tips.buttonText, data.button)
        if (data.escape)
            keyClick(Qt.Key_Escape)
        else
            mouseClick(findChild(tips.contentItem, "tipsAction"))
        tryCompare(tips, "visible", false)
        compare(uiSpy.count, data.sent.length ? 1 : 0)
        if (data.sent.length)
            compare(Array.from(uiSpy.signalArguments[0]), data.sent)
    }

    // A refusal's "msg" is service text: markup in it is shown, never loaded.
    function test_markupInAMessageLoadsNothing() {
        var tips = createTemporaryObject(tipsComponent, testCase)
        tips.signal_SetUiData(1, '<img src="http://127.0.0.1:' + connectionCounter.port + '/t.png">', 0)
        tryCompare(tips, "opened", true)
        wait(500)
        compare(connectionCounter.count(), 0)
    }

    function test_laterPlainMessageResetsTheButton() {
        var tips = createTemporaryObject(tipsComponent, testCase)
        tips.signal_SetUiData(29, "Recharge", 6)
        compare(tips.buttonText, "Recharge Now")
        tips.signal_SetUiData(1, "Saved", 0)
        compare(tips.buttonText, "Sure")
        tryCompare(tips, "opened", true)
        mouseClick(findChild(tips.contentItem, "tipsClose"))
        tryCompare(tips, "visible", false)
        compare(uiSpy.count, 0)
    }
}
