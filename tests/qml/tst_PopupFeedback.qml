import QtQuick 2.15
import QtTest 1.15
import "../../src/qml/Window"

TestCase {
    id: testCase
    name: "PopupFeedback"
    width: 800
    height: 760
    visible: true
    when: windowShown

    QtObject {
        id: curlRecv
        property var calls: []
        function getFeedbackCategory() { calls.push(["categories"]) }
        function uploadFeedbackPicture(qstrPath) { calls.push(["upload", qstrPath]) }
        function pushFeedbackInfo(qstrCategory, qstrEmail, qstrContent, qstrImages) {
            calls.push(["submit", qstrCategory, qstrEmail, qstrContent, qstrImages])
        }
    }
    QtObject {
        id: globleParam
        property int nIsLogin: 1
    }

    Component {
        id: popupComponent
        PopupFeedback {
            service: curlRecv
            globals: globleParam
        }
    }

    property var popup: null

    function init() {
        curlRecv.calls = []
        globleParam.nIsLogin = 1
        popup = createTemporaryObject(popupComponent, testCase)
        popup.windowInit(0)
        tryCompare(popup, "opened", true)
    }

    function picture(qstrName) {
        popup.signal_SetUiData(141, "/home/u/" + qstrName + ".png|https://res/" + qstrName, 0)
    }

    function test_escapeCloses() {
        keyClick(Qt.Key_Escape)
        tryCompare(popup, "opened", false)
    }

    function test_categoriesAskedForUntilThereAreSome() {
        compare(curlRecv.calls, [["categories"]])
        popup.signal_SetUiData(140, '{"id": 1}', 0) // no list: nothing changes
        popup.windowInit(0)
        compare(curlRecv.calls.length, 2)
        popup.signal_SetUiData(140, '[{"id": 4, "title": "Speed"}, {"id": "b", "title": "Bill"}]', 0)
        compare(popup.categoryModel.count, 2)
        popup.windowInit(0)
        compare(curlRecv.calls.length, 2)
    }

    // What the category box shows: its choice, else its hint.
    function shownCategory() {
        var edit = findChild(popup.contentItem, "categoryBox").editTextModel
        return edit.text !== "" ? edit.text : edit.placeholderText
    }

    // The box reads "Please select" until a choice, and again on the next opening.
    function test_categoryBox() {
        popup.signal_SetUiData(140, '[{"id": 4, "title": "Speed"}, {"id": "b", "title": "Bill"}]', 0)
        compare(shownCategory(), "Please select")
        var box = findChild(popup.contentItem, "categoryBox")
        mouseClick(box)
        var rows = box.comboBoxModel.contentItem
        tryVerify(function () { return rows.itemAtIndex(1) !== null })
        mouseClick(rows.itemAtIndex(1))
        compare([shownCategory(), popup.currentCode], ["Bill", "b"])
        popup.windowInit(0)
        compare([shownCategory(), popup.currentCode], ["Please select", ""])
    }

    function test_threePictureSlots() {
        var addButton = findChild(popup.contentItem, "addPicture")
        picture("a")
        picture("b")
        verify(addButton.visible)
        picture("c")
        verify(!addButton.visible)
        picture("d") // no room: dropped
        compare(popup.imgBacks, ["file:///home/u/a.png", "file:///home/u/b.png",
                                 "file:///home/u/c.png"])
        compare(popup.imagesText(), "https://res/a,https://res/b,https://res/c,")

        popup.setSlot(1, "", "")
        verify(addButton.visible) // any free slot takes the next picture
        compare(popup.imagesText(), "https://res/a,https://res/c,")
        picture("e") // takes the freed slot
        compare(popup.imgCodes, ["https://res/a", "https://res/e", "https://res/c"])

        popup.windowInit(0) // every opening starts with empty slots
        compare(popup.imagesText(), "")
    }

    function test_pathsWithUrlCharacters() {
        compare(popup.fileUrlOf("/tmp/a #1?.png"), "file:///tmp/a%20%231%3F.png")
        compare(popup.localPathOf("file:///tmp/a%20%231%3F.png"), "/tmp/a #1?.png")
    }

    function test_submitChecksInOrder_data() {
        return [
            {tag: "signed out", login: 0, category: false, email: "u@x.org", problem: "p",
             message: "", sent: false},
            {tag: "no category", login: 1, category: false, email: "u@x.org", problem: "p",
             message: "Please selete category", sent: false},
            {tag: "no email", login: 1, category: true, email: "", problem: "p",
             message: "Please input your email", sent: false},
            {tag: "no problem", login: 1, category: true, email: "u@x.org", problem: "",
             message: "Please input your problem", sent: false},
            {tag: "complete", login: 1, category: true, email: "u@x.org", problem: "p",
             message: "", sent: true}
        ]
    }

    function test_submitChecksInOrder(data) {
        popup.signal_SetUiData(140, '[{"id": 4, "title": "Speed"}]', 0)
        globleParam.nIsLogin = data.login
        if (data.category)
            popup.currentCode = "4"
        findChild(popup.contentItem, "emailField").text = data.email
        findChild(popup.contentItem, "problemArea").text = data.problem
        // A picture that exists: a missing one would only add a load warning.
        var qstrPicture = String(Qt.resolvedUrl("../../src/qml/pictures/Popup/close.svg")).replace(/^file:\/\//, "")
        popup.signal_SetUiData(141, qstrPicture + "|https://res/a", 0)
        curlRecv.calls = []
        popup.submit()
        compare(popup.messageText, data.message)
        compare(curlRecv.calls, data.sent ? [["submit", "4", "u@x.org", "p", "https://res/a,"]] : [])
        if (data.message !== "")
            tryCompare(popup, "messageText", "", 3000)
    }

    function test_answers() {
        popup.signal_SetUiData(141, "upload failed", 2)
        compare(popup.messageText, "upload failed")
        compare(popup.imagesText(), "")
        popup.signal_SetUiData(142, "Too many", 1)
        compare(popup.messageText, "Too many")
        verify(popup.opened)
        popup.signal_SetUiData(142, "ok", 0)
        compare(popup.messageText, "Thanks! We have received your feedback.")
        wait(1000)
        verify(popup.opened)
        tryCompare(popup, "opened", false, 1500)
    }
}
