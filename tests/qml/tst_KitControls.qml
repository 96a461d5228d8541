import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import "../../src/qml/Button"
import "../../src/qml/CheckButton"
import "../../src/qml/Edit"
import "../../src/qml/Radio"
import "../../src/qml/Rect"
import "../../src/qml/Scrollbar"
import "helpers"

TestCase {
    id: testCase
    name: "KitControls"
    width: 400
    height: 300
    visible: true
    when: windowShown

    Component { id: editLogin; EditLogin { width: 300; height: 40 } }
    Component { id: editNormal; EditTextNormal { width: 200; height: 80 } }
    Component { id: listHead; ButtonListHead { width: 120; height: 30; textShow: "Country" } }
    Component { id: rotation; ButtonRotation { width: 20; height: 20 } }
    Component { id: hoverButton; HoverButton { width: 120; height: 30 } }
    Component { id: userInfo; UserInfoCekBtn {} }
    Component { id: checkBox; CheckBoxNormal { text: "Clear Cookies Before Launch" } }
    MarkupProbe { id: probe }
    FocusProbe { id: focusProbe }
    Component { id: checkNormal; CheckBtnNormal { radioText: "Remove duplicate proxies" } }
    Component { id: settingTab; CheckBtnSettingMain { radioText: "General Settings" } }
    Component { id: noticeRow; CheckBtnNotice { radioText1: "Notice" } }
    Component { id: sideEntry; RadioMain { radioText: "Settings" } }
    Component { id: switchCheck; SwitchCheck {} }
    Component { id: pictureDelete; RectImageWithDelete {} }
    // Where Tab starts from: the controls made in a test come after it.
    Item { id: tabStart; activeFocusOnTab: true }
    ButtonGroup { id: entryGroup }
    Component { id: pressTarget; Button {} }
    Component {
        id: listComponent
        ListView {
            width: 100
            height: 100
            delegate: Rectangle { width: 100; height: 20 }
            ScrollBar.vertical: LvScrollbarVertical {}
        }
    }

    SignalSpy { id: pressSpy; signalName: "clicked" }

    // Every control of the kit loads and builds with its defaults.
    function test_loads_data() {
        return ["Animate/FishSpinner", "Button/AutoTextButton", "Button/BindPortButton",
                "Button/ButtonImage", "Button/ButtonMenu", "Button/ButtonText",
                "Button/ForwaredHoverButton", "Button/GoogleButton", "Button/IconAndBackButton",
                "Button/ImgTextRowBtn", "Button/ListHeadSortBtn", "Button/RefreshButton",
                "Button/TextAndBackButton", "CheckButton/CheckBtnNormal",
                "CheckButton/CheckBoxNormal", "CheckButton/CheckBtnNotice",
                "CheckButton/CheckBtnSettingMain",
                "CheckButton/UserInfoCekBtn", "ComboBox/ComboBoxApiCountry",
                "ComboBox/ComboBoxDeviceCountry", "ComboBox/ComboBoxEquipmentCountry",
                "ComboBox/ComboCategory", "ComboBox/ComboNormal", "Edit/ApiEdit",
                "Edit/ApiSearchIp", "Edit/EditRegister", "Edit/RemarkEdit", "Edit/SearchEdit",
                "Edit/SearchIp", "Progress/ExtraProgress", "Radio/RadioMain",
                "Rect/RectImageWithDelete", "Rect/RectWithDotLine",
                "Scrollbar/ScrollbarVerticalVerify", "Scrollbar/ScrolbarViewVertical"
               ].map(function (name) { return { tag: name } })
    }

    function test_loads(data) {
        var component = Qt.createComponent("../../src/qml/" + data.tag + ".qml")
        compare(component.status, Component.Ready, component.errorString())
        verify(createTemporaryObject(component, testCase, { width: 120, height: 32 }))
    }

    function test_editLoginLimit_data() {
        return [
            { tag: "typed past the limit", count: 101, pasted: false },
            { tag: "1000 pasted characters", count: 1000, pasted: true }
        ]
    }

    function test_editLoginLimit(data) {
        var edit = createTemporaryObject(editLogin, testCase)
        var text = "x".repeat(data.count)
        if (data.pasted) {
            edit.editModel.insert(0, text)
        } else {
            edit.editModel.forceActiveFocus()
            for (var i = 0; i < data.count; ++i)
                keyClick(Qt.Key_X)
        }
        compare(edit.editModel.text, "x".repeat(100))
    }

    function test_editLoginMasking_data() {
        return [
            { tag: "masked", show: false, echo: TextInput.Password },
            { tag: "shown", show: true, echo: TextInput.Normal }
        ]
    }

    function test_editLoginMasking(data) {
        var edit = createTemporaryObject(editLogin, testCase, { bshowpass: data.show })
        compare(edit.editModel.echoMode, data.echo)
    }

    function test_editLoginReturnPressesTheButton() {
        var button = createTemporaryObject(pressTarget, testCase)
        var edit = createTemporaryObject(editLogin, testCase, { loginbtn: button })
        pressSpy.target = button
        pressSpy.clear()
        edit.editModel.forceActiveFocus()
        keyClick(Qt.Key_Return)
        keyClick(Qt.Key_Enter)
        compare(pressSpy.count, 2)
    }

    function test_editTextNormalUndoesOverflow() {
        var area = createTemporaryObject(editNormal, testCase)
        var input = area.editModel
        input.forceActiveFocus()
        keyClick(Qt.Key_A)
        keyClick(Qt.Key_B)
        compare(input.text, "ab")
        input.insert(input.length, " word".repeat(200))
        compare(input.text, "ab")
        for (var i = 0; i < 200; ++i)
            keyClick(Qt.Key_W)
        verify(input.text.length > 2)
        verify(input.contentHeight <= input.height - input.topPadding - input.bottomPadding)
    }

    function test_listHeadIcon_data() {
        return [
            { tag: "unsorted", sort: 0, allow: true, icon: "qrc:/image/sort_nor.png" },
            { tag: "ascending", sort: 1, allow: true, icon: "qrc:/image/sort_down.png" },
            { tag: "descending", sort: 2, allow: true, icon: "qrc:/image/sort_up.png" },
            { tag: "no sort", sort: 1, allow: false, icon: "" }
        ]
    }

    function test_listHeadIcon(data) {
        var head = createTemporaryObject(listHead, testCase, { nSort: data.sort, bAllowSort: data.allow })
        compare(head.sortIcon.toString(), data.icon)
        compare(head.btnModel.enabled, data.allow)
        compare(findChild(head, "sortIcon").visible, data.allow)
        pressSpy.target = head.btnModel
        pressSpy.clear()
        mouseClick(head)
        compare(pressSpy.count, data.allow ? 1 : 0)
    }

    function test_rotation() {
        var spinner = createTemporaryObject(rotation, testCase)
        verify(!spinner.running)
        mouseClick(spinner)
        verify(spinner.running)
        spinner.btnRomationControl(0)
        verify(!spinner.running)
        spinner.btnRomationControl(2)
        verify(spinner.running)
        spinner.visible = false
        verify(!spinner.running)
        spinner.visible = true
        verify(!spinner.running)
    }

    // A tool tip shows its text as given, as the service or the user wrote it.
    function test_toolTipAsTyped_data() {
        return [{ tag: "HoverButton", component: hoverButton, property: "toolTips" },
                { tag: "ButtonListHead", component: listHead, property: "textShow" },
                { tag: "ButtonRotation", component: rotation, property: "tipShow" }]
    }

    function test_toolTipAsTyped(data) {
        var control = createTemporaryObject(data.component, testCase)
        control[data.property] = probe.markup
        mouseMove(control, control.width / 2, control.height / 2)
        tryCompare(findChild(control, "kitToolTip"), "opened", true)
        var text = findChild(control, "kitToolTipText")
        compare(text.text, probe.markup)
        verify(probe.shownAsTyped(text))
    }

    // A label filled from outside, a profile name or the user name, shows its text as typed.
    function test_labelAsTyped_data() {
        return [{ tag: "HoverButton", component: hoverButton,
                  fill: function (control) { control.btnText = probe.markup } },
                { tag: "UserInfoCekBtn", component: userInfo,
                  fill: function (control) { control.textModel.text = probe.markup } }]
    }

    function test_labelAsTyped(data) {
        var control = createTemporaryObject(data.component, testCase)
        data.fill(control)
        compare(control.textModel.text, probe.markup)
        verify(probe.shownAsTyped(control.textModel))
    }

    // A check box is as tall as its text line, so a form's rows keep one spacing.
    function test_checkBoxAsTallAsItsText() {
        var box = createTemporaryObject(checkBox, testCase)
        compare(box.height, box.contentItem.implicitHeight)
    }

    // A click shows no focus ring; Tab gives each control its ring, and then Space, Return
    // and Enter act as a click does.
    function test_focusByKeyboard_data() {
        return [
            { tag: "HoverButton", component: hoverButton, button: "btnModel" },
            { tag: "ButtonListHead", component: listHead, button: "btnModel" },
            { tag: "ButtonRotation", component: rotation, button: "btnModel" },
            { tag: "RectImageWithDelete", component: pictureDelete, button: "btnModel" },
            { tag: "UserInfoCekBtn", component: userInfo, button: "checkModel" },
            { tag: "CheckBoxNormal", component: checkBox, button: "" },
            { tag: "CheckBtnNormal", component: checkNormal, button: "radioModel" },
            { tag: "CheckBtnSettingMain", component: settingTab, button: "radioModel" },
            { tag: "CheckBtnNotice", component: noticeRow, button: "radioModel" },
            { tag: "RadioMain", component: sideEntry, button: "radioModel" },
            { tag: "SwitchCheck", component: switchCheck, button: "" }
        ]
    }

    function test_focusByKeyboard(data) {
        var control = createTemporaryObject(data.component, testCase, { width: 120, height: 32 })
        var button = data.button ? control[data.button] : control
        mouseClick(button)
        verify(!focusProbe.ringShown(Window.activeFocusItem))
        pressSpy.target = button
        pressSpy.clear()
        tabStart.forceActiveFocus()
        keyClick(Qt.Key_Tab)
        verify(focusProbe.isIn(Window.activeFocusItem, control))
        verify(focusProbe.ringShown(Window.activeFocusItem))
        var bChecked = button.checked
        var keys = [Qt.Key_Space, Qt.Key_Return, Qt.Key_Enter]
        keys.forEach(function (key, i) {
            keyClick(key)
            compare(pressSpy.count, i + 1)
            if (button.checkable)
                compare(button.checked, bChecked === (i % 2 === 1))
        })
    }

    // Return on the chosen entry of a group keeps it chosen, as Space does; on another entry
    // it chooses that one.
    function test_returnInAGroup() {
        var chosen = createTemporaryObject(sideEntry, testCase, { exclusiveGroup: entryGroup, checked: true })
        var other = createTemporaryObject(sideEntry, testCase, { exclusiveGroup: entryGroup, y: 50 })
        tabStart.forceActiveFocus()
        keyClick(Qt.Key_Tab)
        keyClick(Qt.Key_Return)
        compare([chosen.checked, other.checked], [true, false])
        keyClick(Qt.Key_Tab)
        keyClick(Qt.Key_Return)
        compare([chosen.checked, other.checked], [false, true])
    }

    function test_scrollbarEnd_data() {
        return [
            { tag: "fits", rows: 3, atEnd: false, shown: false, end: false },
            { tag: "longer, at the top", rows: 20, atEnd: false, shown: true, end: false },
            { tag: "longer, at the end", rows: 20, atEnd: true, shown: true, end: true }
        ]
    }

    function test_scrollbarEnd(data) {
        var list = createTemporaryObject(listComponent, testCase, { model: data.rows })
        if (data.atEnd)
            list.positionViewAtEnd()
        var bar = list.ScrollBar.vertical
        compare(bar.bScrollbarDefault, data.shown)
        compare(bar.bScrollbarEnd, data.end)
    }
}
