import QtQuick 2.15
import QtTest 1.15
import Globle.Param 1.0
import Search.Param 1.0
import Data.ListModel 1.0
import "../../src/qml/ComboBox"

TestCase {
    id: testCase
    name: "Combos"
    width: 400
    height: 400
    visible: true
    when: windowShown

    QtObject {
        id: curlRecv
        signal signal_SetUiData(int nType, string qstrValue, int nValue)
    }
    GlobleParam {
        id: globleParam
    }
    SignalSpy { id: uiSpy; target: curlRecv; signalName: "signal_SetUiData" }

    Component { id: countryBox; ComboBoxCountry { width: 240; service: curlRecv } }
    Component { id: searchBox; ComboBoxSearch { width: 240; service: curlRecv } }
    Component { id: apiBox; ComboBoxApiCountry { width: 240; service: curlRecv } }
    Component { id: statusBox; ComboBoxDeviceStatus { width: 240 } }
    Component { id: mealBox; ComboBoxApiMeal { width: 240; globals: globleParam } }
    Component { id: localIpBox; LocalIpComboBox { width: 240; globals: globleParam } }
    Component { id: hoursBox; ComboNormal { width: 80 } }
    Component { id: categoryBox; ComboCategory { width: 240 } }
    FeedbackCategoryModel { id: manyCategories }
    Component { id: nextField; TextInput { y: 300; width: 80; height: 20; activeFocusOnTab: true } }

    // The runner's two countries, "United States" and "France", in the lists' catalogue.
    function initTestCase() {
        globleParam.nMealType = 1
        globleParam.nApiMealType = 1
        SearchManager.beginRarseAreaData(true)
        SearchManager.beginParseApiAreaData(true)
    }

    function init() {
        uiSpy.clear()
    }

    function pageMessages() {
        var sent = []
        for (var i = 0; i < uiSpy.count; ++i)
            sent.push([uiSpy.signalArguments[i][0], uiSpy.signalArguments[i][2]])
        return sent
    }

    function clickRow(box, nRow) {
        box.comboBoxModel.open()
        var rows = box.comboBoxModel.contentItem
        tryVerify(function () { return rows.itemAtIndex(nRow) !== null })
        mouseClick(rows.itemAtIndex(nRow))
    }

    function test_location_data() {
        return [
            { tag: "country box, proxy list", component: countryBox, origin: 1 },
            { tag: "country box, favourites", component: countryBox, origin: 3 },
            { tag: "search box, static list", component: searchBox, origin: 10 },
            { tag: "search box, programs", component: searchBox, origin: 6 },
            { tag: "extraction page", component: apiBox, origin: 4 }
        ]
    }

    // Typing filters and opens; a choice and a clear both have the page reload its states
    // and cities; deleting the typed text clears the choice.
    function test_location(data) {
        var box = createTemporaryObject(data.component, testCase, { nOrigin: data.origin })
        var clickSpy = createTemporaryObject(spyComponent, testCase, { target: box, signalName: "signal_ClickSel" })
        box.editTextModel.forceActiveFocus()
        keyClick(Qt.Key_F)
        compare(box.dataModel.length, 1)
        compare(box.dataModel[0].qstrName, "France")
        compare(box.currentCode, "f")
        verify(box.comboBoxModel.visible)
        // A filter matching nothing keeps the list closed, so it covers no button below.
        keyClick(Qt.Key_Z)
        compare([box.dataModel.length, box.currentCode], [0, "fz"])
        verify(!box.comboBoxModel.visible)
        keyClick(Qt.Key_Backspace)
        verify(box.comboBoxModel.visible)

        clickRow(box, 0)
        compare(box.currentCode, "FR")
        compare(box.currentName, "France")
        compare(box.editTextModel.text, "France")
        verify(!box.comboBoxModel.visible)
        // Left, the box shows the beginning of the name.
        box.editTextModel.focus = false
        compare(box.editTextModel.cursorPosition, 0)
        compare(pageMessages(), [[120, data.origin], [121, data.origin]])
        compare(clickSpy.count, 1)

        uiSpy.clear()
        mouseClick(findChild(box, "comboClear"))
        compare(box.currentCode, "")
        compare(box.editTextModel.text, "")
        compare(pageMessages(), [[120, data.origin], [121, data.origin]])
        compare(clickSpy.count, 2)

        box.editTextModel.forceActiveFocus()
        keyClick(Qt.Key_U)
        compare(box.currentCode, "u")
        uiSpy.clear()
        keyClick(Qt.Key_Backspace)
        compare(box.currentCode, "")
        compare(pageMessages(), [[120, data.origin], [121, data.origin]])
    }

    function test_emptyListStaysClosed_data() {
        return [
            { tag: "arrow of a country box", component: countryBox, at: 0.97 },
            { tag: "title of a country box", component: countryBox, at: 0.05 },
            { tag: "read-only status box", component: statusBox, at: 0.6 }
        ]
    }

    function test_emptyListStaysClosed(data) {
        var box = createTemporaryObject(data.component, testCase, { textTitle: "Country", dataModel: [] })
        mouseClick(box, box.width * data.at, box.height / 2)
        wait(50)
        verify(!box.comboBoxModel.visible)
    }

    function test_resetMessageEmptiesTheText() {
        var box = createTemporaryObject(countryBox, testCase, {
            nOrigin: 2, dataModel: SearchManager.getDataByKeyAndType("", 1, 0)
        })
        clickRow(box, 0)
        compare(box.editTextModel.text, "United States")
        compare(box.editTextModel.cursorPosition, 0)
        verify(box.currentCode !== "")
        box.signal_SetUiData(0, "", 2)
        compare(box.editTextModel.text, "")
        compare(box.currentCode, "")
        box.signal_SetUiData(3, "", 2)
        box.signal_SetUiData(210, "", 2)
    }

    Component { id: spyComponent; SignalSpy {} }

    function test_deviceStatus() {
        var box = createTemporaryObject(statusBox, testCase, {
            dataModel: [{ qstrCode: "0", qstrName: "", enumDataType: 8, nStatus: 0 },
                        { qstrCode: "1", qstrName: "", enumDataType: 8, nStatus: 1 },
                        { qstrCode: "2", qstrName: "", enumDataType: 8, nStatus: 2 }]
        })
        verify(box.editTextModel.readOnly)
        box.editTextModel.forceActiveFocus()
        keyClick(Qt.Key_A)
        compare(box.editTextModel.text, "")
        compare([0, 1, 2].map(function (n) { return box.rowText(box.dataModel[n]) }),
                ["Offline", "Online", "Dropped"])
        clickRow(box, 2)
        compare(box.currentStatus, 2)
        box.signal_SetUiData(0, "", 11)
        compare(box.currentStatus, -1)
    }

    function test_planBox() {
        globleParam.nApiMealType = 3
        var box = createTemporaryObject(mealBox, testCase, {
            dataModel: [{ nMealData: 1 }, { nMealData: 3 }, { nMealData: 6 }, { nMealData: 11 }]
        })
        var clickSpy = createTemporaryObject(spyComponent, testCase, { target: box, signalName: "signal_ClickSel" })
        compare(box.editTextModel.text, "Long Acting ISP Plan")
        compare(box.rowText(box.dataModel[3]), "Random")
        clickRow(box, 2)
        compare(globleParam.nApiMealType, 6)
        compare(box.editTextModel.text, "Static ISP Proxy")
        mouseClick(findChild(box, "comboClear"))
        compare(globleParam.nApiMealType, 1)
        compare(box.editTextModel.text, "Popular Plan")
        compare(clickSpy.count, 2)
    }

    function test_localIpWritesTheListenAddress() {
        globleParam.qstrInternalNetIP = "127.0.0.1"
        var box = createTemporaryObject(localIpBox, testCase, {
            dataModel: [{ qstrName: "192.168.7.20" }, { qstrName: "10.0.0.3" }]
        })
        compare(box.editTextModel.text, "127.0.0.1:random")
        clickRow(box, 1)
        compare(globleParam.qstrInternalNetIP, "10.0.0.3")
        compare(box.currentName, "10.0.0.3")
        compare(box.editTextModel.text, "10.0.0.3:random")
    }

    // A box with no text to type, at the keyboard as with the mouse: Space or Return opens
    // it, Down moves down its rows, Return chooses, Escape closes and the focus stays.
    function test_readOnlyBoxByKeys_data() {
        var addresses = [{ qstrName: "192.168.7.20" }, { qstrName: "10.0.0.3" }]
        var hours = [2, 4, 6].map(function (n) { return { name: String(n), value: n } })
        return [
            { tag: "local address, Space", component: localIpBox, rows: addresses, key: Qt.Key_Space,
              shown: "10.0.0.3:random" },
            { tag: "hours, Return", component: hoursBox, rows: hours, key: Qt.Key_Return, shown: "4" }
        ]
    }
    function test_readOnlyBoxByKeys(data) {
        var box = createTemporaryObject(data.component, testCase, { dataModel: data.rows })
        box.editTextModel.forceActiveFocus(Qt.TabFocusReason)
        keyClick(data.key)
        verify(box.comboBoxModel.visible)
        keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Return)
        verify(!box.comboBoxModel.visible)
        compare(box.editTextModel.text, data.shown)
        keyClick(data.key)
        verify(box.comboBoxModel.visible)
        keyClick(Qt.Key_Escape)
        verify(!box.comboBoxModel.visible)
        verify(box.editTextModel.activeFocus)
    }

    // An open list goes when Tab or Shift+Tab takes the focus out of its box, so no two boxes
    // look active.
    function test_listGoesWithTheFocus_data() {
        return [
            { tag: "country box, Tab", component: countryBox, key: Qt.Key_Tab },
            { tag: "country box, Shift+Tab", component: countryBox, key: Qt.Key_Backtab },
            { tag: "local address, Tab", component: localIpBox, key: Qt.Key_Tab }
        ]
    }
    function test_listGoesWithTheFocus(data) {
        var box = createTemporaryObject(data.component, testCase, {
            dataModel: SearchManager.getDataByKeyAndType("", 1, 0)
        })
        var next = createTemporaryObject(nextField, testCase)
        box.editTextModel.forceActiveFocus(Qt.TabFocusReason)
        box.comboBoxModel.open()
        keyClick(data.key, data.key === Qt.Key_Backtab ? Qt.ShiftModifier : Qt.NoModifier)
        verify(next.activeFocus)
        verify(!box.comboBoxModel.visible)
    }

    // A box opened by a click on its triangle takes the keys from the box that had them.
    function test_clickedBoxTakesTheKeys() {
        var first = createTemporaryObject(countryBox, testCase, {
            dataModel: SearchManager.getDataByKeyAndType("", 1, 0)
        })
        var second = createTemporaryObject(countryBox, testCase, {
            y: 200, dataModel: SearchManager.getDataByKeyAndType("", 1, 0)
        })
        first.editTextModel.forceActiveFocus()
        mouseClick(second, second.width - 15, second.height / 2)
        verify(second.comboBoxModel.visible)
        keyClick(Qt.Key_F)
        compare(second.editTextModel.text, "f")
        compare(first.editTextModel.text, "")
    }

    function numberedRows(nCount, makeRow) {
        var rows = []
        for (var i = 0; i < nCount; ++i)
            rows.push(makeRow(i))
        return rows
    }

    function paintedRows(box) {
        var rows = box.comboBoxModel.contentItem
        return numberedRows(rows.count, function (i) { return i }).filter(function (i) {
            var row = rows.itemAtIndex(i)
            return row !== null && Qt.colorEqual(row.color, "#FFEFEB")
        })
    }

    // Return chooses the row Down highlighted after the wheel has scrolled it out of sight
    // under a resting mouse.
    function test_returnAfterScroll_data() {
        var hours = numberedRows(60, function (i) { return { name: "h" + i, value: i } })
        manyCategories.setJsonText(JSON.stringify(numberedRows(60, function (i) { return { id: i, title: "c" + i } })))
        return [
            { tag: "array rows", component: hoursBox, rows: hours },
            { tag: "item model rows", component: categoryBox, rows: manyCategories }
        ]
    }
    function test_returnAfterScroll(data) {
        var box = createTemporaryObject(data.component, testCase, { dataModel: data.rows })
        var rows = box.comboBoxModel.contentItem
        mouseMove(testCase, box.width / 2, box.height + 100)
        box.editTextModel.forceActiveFocus(Qt.TabFocusReason)
        keyClick(Qt.Key_Space)
        keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Down)
        for (var i = 0; i < 10; ++i)
            mouseWheel(testCase, box.width / 2, box.height + 100, 0, -360)
        tryVerify(function () { return rows.itemAtIndex(1) === null })
        keyClick(Qt.Key_Return)
        verify(!box.comboBoxModel.visible)
        compare(box.currentName, data.component === hoursBox ? "h1" : "c1")
    }

    // One row is highlighted: the mouse moves the highlight, the keys move it on from there
    // while the mouse rests.
    function test_oneHighlightedRow() {
        var box = createTemporaryObject(hoursBox, testCase, {
            dataModel: numberedRows(6, function (i) { return { name: "h" + i, value: i } })
        })
        var rows = box.comboBoxModel.contentItem
        box.editTextModel.forceActiveFocus(Qt.TabFocusReason)
        keyClick(Qt.Key_Space)
        keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Down)
        tryVerify(function () { return rows.itemAtIndex(3) !== null })
        mouseMove(rows.itemAtIndex(2), 20, 10)
        mouseMove(rows.itemAtIndex(3), 20, 10)
        compare(paintedRows(box), [3])
        keyClick(Qt.Key_Down)
        wait(50)
        compare(paintedRows(box), [4])
        keyClick(Qt.Key_Return)
        compare(box.currentName, "h4")
    }
}
