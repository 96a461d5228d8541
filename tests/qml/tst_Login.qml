import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Window 2.15
import QtTest 1.15
import "../../src/qml/Window"
import "helpers"

TestCase {
    id: testCase
    name: "Login"
    width: 100
    height: 100
    visible: true
    when: windowShown

    property var login: null

    // Records what the window asks of the service. A poll reports 182 as the native side
    // does; with `answerPolls` its answer (183) follows at once.
    QtObject {
        id: curlRecv
        property var calls: []
        property bool answerPolls: false
        signal signal_SetUiData(int nType, string qstrValue, int nValue)
        function pushLogin(qstrAccount, qstrPassword) { calls.push(["login", qstrAccount, qstrPassword]) }
        function buildGoogleLoginUrl(qstrKey) { return qstrKey + "?device_token=m" }
        function pushCheckGoogleLogin(nCount) {
            calls.push(["poll", nCount])
            testCase.login.signal_SetUiData(182, "unable", nCount)
            if (answerPolls)
                testCase.login.signal_SetUiData(183, "enable", nCount)
        }
        function checkOpenUrl(qstrUrl) { return qstrUrl + "?p=linux" }
        function openUrlExternally(qstrUrl, nValue) { calls.push(["open", qstrUrl]) }
    }
    QtObject {
        id: globleParam
        property bool bEnableGoogle: true
        property bool bAutoLogin: false
        property int nIsLogin: 0
        property string qstrLangCode: "_en"
        property string qstrToken: "tok"
        property string qstrGoogleLoginUrl: "https://sign.example/g"
        property string qstrForgetPassUrl: "https://sign.example/forget"
        property string qstrRegisterUrl: "https://sign.example/register"
    }

    Component {
        id: loginComponent
        Login {
            service: curlRecv
            globals: globleParam
            nPollInterval: 10
            nPollLimit: 5
            nTipsInterval: 100
        }
    }

    function init() {
        curlRecv.calls = []
        curlRecv.answerPolls = false
        globleParam.bEnableGoogle = true
        login = createTemporaryObject(loginComponent, testCase)
        login.signal_SetUiData(1, "show", 1)
        verify(waitForRendering(login.contentItem))
    }

    function item(name) {
        return findChild(login.contentItem, name)
    }

    function test_size_data() {
        return [
            { tag: "with web sign-in", google: true, width: 375, height: 560 },
            { tag: "without", google: false, width: 395, height: 486 }
        ]
    }

    function test_size(data) {
        globleParam.bEnableGoogle = data.google
        compare(login.width, data.width)
        compare(login.height, data.height)
        compare(item("googleButton").visible, data.google)
        compare(item("loginCarousel").visible, data.google)
    }

    function test_rememberedAccount_data() {
        return [
            { tag: "auto-login", messages: [[7, "alice"], [8, "s3cret"], [9, "alice"]],
              password: "s3cret", calls: [["login", "alice", "s3cret"]] },
            { tag: "account only", messages: [[7, "alice"]], password: "", calls: [] },
            { tag: "signed out", messages: [[7, "alice"], [8, "s3cret"], [23, ""]], password: "",
              calls: [] }
        ]
    }

    function test_rememberedAccount(data) {
        data.messages.forEach(function (m) { login.signal_SetUiData(m[0], m[1], 0) })
        compare(item("usernameEditID").editModel.text, "alice")
        compare(item("passwordEditID").editModel.text, data.password)
        compare(curlRecv.calls, data.calls)
        compare(login.bSigningIn, data.calls.length > 0)
    }

    function test_refusedInput_data() {
        return [
            { tag: "no account", account: "", password: "pw", tip: "Please enter email or username" },
            { tag: "no password", account: "bob", password: "", tip: "Please enter password" }
        ]
    }

    function test_refusedInput(data) {
        item("usernameEditID").editModel.text = data.account
        item("passwordEditID").editModel.text = data.password
        mouseClick(item("loginButton"))
        compare(login.tipsText, data.tip)
        compare(curlRecv.calls, [])
        tryCompare(login, "tipsText", "")
    }

    // A failed answer (whatever went wrong: the native side always sends a text) is shown,
    // goes after its time, and Log In sends again.
    function test_failedAnswerThenRetry() {
        item("usernameEditID").editModel.text = "bob"
        item("passwordEditID").editModel.text = "pw"
        item("passwordEditID").editModel.forceActiveFocus()
        keyClick(Qt.Key_Return)
        keyClick(Qt.Key_Return)
        compare(curlRecv.calls.length, 1)
        login.signal_SetUiData(22, "Sign-in failed. Please check your account and try again.", 0)
        compare(login.tipsText, "Sign-in failed. Please check your account and try again.")
        verify(!login.bSigningIn)
        tryCompare(login, "tipsText", "")
        mouseClick(item("loginButton"))
        compare(curlRecv.calls, [["login", "bob", "pw"], ["login", "bob", "pw"]])
    }

    function test_passwordMaskedUntilTheEye() {
        var field = item("passwordEditID").editModel
        compare(field.echoMode, TextInput.Password)
        compare(item("usernameEditID").editModel.echoMode, TextInput.Normal)
        mouseClick(item("eyeButton"))
        compare(field.echoMode, TextInput.Normal)
        mouseClick(item("eyeButton"))
        compare(field.echoMode, TextInput.Password)
    }

    function test_webSignInPolling_data() {
        return [
            { tag: "answers never come", answer: false, polls: 1 },
            { tag: "each poll answered", answer: true, polls: 5 }
        ]
    }

    function test_webSignInPolling(data) {
        curlRecv.answerPolls = data.answer
        mouseClick(item("googleButton"))
        compare(curlRecv.calls[0], ["open", "https://sign.example/g?device_token=m"])
        verify(login.polling)
        tryCompare(login, "polling", false)
        var polls = curlRecv.calls.filter(function (c) { return c[0] === "poll" })
        compare(polls.length, data.polls)
        compare(polls[0], ["poll", 0])
        verify(login.bCheckEnable)
        verify(item("googleButton").btnModel.enabled)
        compare(login.nCount, 0)
    }

    function test_pollingStopsOnAnswer_data() {
        return [ { tag: "184", type: 184 }, { tag: "22", type: 22 } ]
    }

    function test_pollingStopsOnAnswer(data) {
        mouseClick(item("googleButton"))
        login.signal_SetUiData(data.type, "", 0)
        verify(!login.polling)
        verify(item("googleButton").btnModel.enabled)
    }

    function test_links_data() {
        return [
            { tag: "forgotten, signed out", link: "forgetLink", signedIn: 0,
              url: "https://sign.example/forget?p=linux&la=_en" },
            { tag: "forgotten, signed in", link: "forgetLink", signedIn: 1,
              url: "https://sign.example/forget?p=linux&la=_en&s=tok" },
            { tag: "register", link: "registerLink", signedIn: 1,
              url: "https://sign.example/register?p=linux&la=_en" }
        ]
    }

    function test_links(data) {
        globleParam.nIsLogin = data.signedIn
        mouseClick(item(data.link))
        compare(curlRecv.calls, [["open", data.url]])
        globleParam.nIsLogin = 0
    }

    function test_escapeClosesAndStopsPolling() {
        mouseClick(item("googleButton"))
        verify(login.polling)
        login.requestActivate()
        tryCompare(login, "active", true)
        keyClick(Qt.Key_Escape)
        tryCompare(login, "visible", false)
        verify(!login.polling)
    }

    function test_hidingTellsTheMainScreen() {
        var spy = serviceSpy
        spy.clear()
        login.signal_SetUiData(10, "", 0)
        verify(!login.visible)
        compare(spy.count, 1)
        compare(Array.from(spy.signalArguments[0]), [123, "unchecked", 0])
    }

    // Declared rather than temporary: a destroyed spy stayed connected to the service.
    SignalSpy { id: serviceSpy; target: curlRecv; signalName: "signal_SetUiData" }
    FocusProbe { id: probe }

    function type(qstrText) {
        qstrText.split("").forEach(function (c) { keyClick(c) })
    }

    // Each opening takes typing at once, in the account field or, with the account filled
    // in, in the password field; the window stands in the middle of its screen.
    function test_typedAtOnce_data() {
        return [
            { tag: "first opening", messages: [], account: "pw", password: "" },
            { tag: "account remembered", messages: [[7, "alice"]], account: "alice", password: "pw" },
            { tag: "after sign-out", messages: [[7, "alice"], [8, "s3cret"], [23, ""]],
              account: "alice", password: "pw" }
        ]
    }

    function test_typedAtOnce(data) {
        login.signal_SetUiData(10, "", 0)
        data.messages.forEach(function (m) { login.signal_SetUiData(m[0], m[1], 0) })
        login.signal_SetUiData(1, "show", 1)
        tryCompare(login, "active", true)
        type("pw")
        compare([item("usernameEditID").editModel.text, item("passwordEditID").editModel.text],
                [data.account, data.password])
        verify(Math.abs(login.x - (Screen.width - login.width) / 2) <= 1, login.x)
        verify(Math.abs(login.y - (Screen.height - login.height) / 2) <= 1, login.y)
    }

    // Tab and Shift+Tab go round the form in reading order, each control ringed in turn.
    function test_tabOrder() {
        var order = ["usernameEditID", "passwordEditID", "eyeButton", "autoLogin", "forgetLink",
                     "loginButton", "googleButton", "registerLink", "loginClose", "usernameEditID"].map(item)
        tryCompare(login, "active", true)
        compare(probe.walk(testCase, login, Qt.Key_Tab, order.slice(1)), [])
        compare(probe.walk(testCase, login, Qt.Key_Backtab, order.reverse().slice(1)), [])
    }

    // Signed in by the keyboard alone: the account typed at once, Tab, the password, and
    // Return in either field.
    function test_signInByKeyboard_data() {
        return [{ tag: "Return in the password field", back: false },
                { tag: "Return in the account field", back: true }]
    }

    function test_signInByKeyboard(data) {
        tryCompare(login, "active", true)
        type("bob")
        keyClick(Qt.Key_Tab)
        type("pw")
        if (data.back)
            keyClick(Qt.Key_Backtab)
        keyClick(Qt.Key_Return)
        compare(curlRecv.calls, [["login", "bob", "pw"]])
    }
}
