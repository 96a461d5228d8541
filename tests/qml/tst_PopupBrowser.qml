import QtQuick 2.15
import QtTest 1.15
import Data.ListModel 1.0
import "../../src/qml/Window"

TestCase {
    id: testCase
    name: "PopupBrowser"
    width: 640
    height: 640
    visible: true
    when: windowShown

    // Stand-ins named like main.qml's objects, handed in the way main.qml hands them.
    QtObject {
        id: curlRecv
        property var calls: []
        function pushGetBrowserList() { calls.push(["list"]) }
        function checkOpenUrl(qstrUrl) { return qstrUrl + "?p=linux" }
        function openUrlExternally(qstrUrl) { calls.push(["open", qstrUrl]) }
    }
    QtObject {
        id: globleParam
        property bool bBrowserBindOpen: true
        property bool bBrowserWndReStart: false
        property bool bClearBrowserCookie: false
        property string qstrBrowserBindHelpUrl: "https://help.example/59.html"
        property string qstrLangCode: "_en"
    }
    BrowserWndModel {
        id: browserWndModel
    }

    Component {
        id: popupComponent
        PopupBrowser {
            service: curlRecv
            globals: globleParam
            profiles: browserWndModel
        }
    }

    property var popup: null

    function init() {
        curlRecv.calls = []
        globleParam.bBrowserBindOpen = true
        browserWndModel.clear()
        popup = createTemporaryObject(popupComponent, testCase)
        popup.windowInit(0)
        tryCompare(popup, "opened", true)
    }

    function child(name) { return findChild(popup.contentItem, name) }

    function rowTexts() {
        var list = child("profileList")
        list.forceLayout()
        var texts = []
        for (var i = 0; i < list.count; ++i)
            texts.push(list.itemAtIndex(i).text)
        return texts
    }

    function test_escapeCloses() {
        keyClick(Qt.Key_Escape)
        tryCompare(popup, "opened", false)
    }

    function test_rowsFollowTheListAndTheSwitch() {
        verify(child("profilesEmpty").visible)
        browserWndModel.setJsonText(JSON.stringify([
            {"id": "a", "seq": 1, "name": "Shop"}, {"id": "b", "seq": 2, "name": ""},
            {"id": "c", "seq": 3}]))
        compare(rowTexts(), ["1-Shop", "2-Unnamed", "3-Unnamed"])
        verify(!child("profilesEmpty").visible)

        mouseClick(child("refreshButton"))
        compare(curlRecv.calls, [["list"]])

        mouseClick(child("bindSwitch"))
        compare(globleParam.bBrowserBindOpen, false)
        compare(rowTexts(), [])
        verify(child("profilesEmpty").visible)
        verify(!child("refreshButton").enabled)

        mouseClick(child("bindSwitch"))
        browserWndModel.setJsonText("[]") // an empty answer empties the list
        compare(rowTexts(), [])
        verify(child("profilesEmpty").visible)
    }

    function test_optionsTipAndSave() {
        mouseClick(child("restartBox"))
        mouseClick(child("cookieBox"))
        verify(globleParam.bBrowserWndReStart && globleParam.bClearBrowserCookie)

        popup.signal_SetUiData(143, "[]", 0)
        compare(child("tip").text, "Successfully!")
        tryCompare(child("tip"), "text", "", 3000)

        mouseClick(child("saveButton"))
        compare(child("tip").text, "Successfully!")
        verify(popup.opened)
        tryCompare(popup, "opened", false, 4000)
    }

    function test_tutorialOpensTheHelpPage() {
        popup.openTutorial()
        compare(curlRecv.calls, [["open", "https://help.example/59.html?p=linux&la=_en"]])
    }
}
