import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Window 2.15
import Search.Param 1.0
import "../Style"
import "../Button"
import "../CheckButton"
import "../Edit"
import "../View"

// The sign-in window: account and password, the failure text of the last try, web
// sign-in with polling, and links to the password and registration pages. The root window
// creates it hidden, hands in curlRecv as `service` and globleParam as `globals`, and
// forwards the sign-in messages to `signal_SetUiData`.
Window {
    id: login

    property var service: null
    property var globals: null
    // Whether the next web sign-in poll may be sent (one poll answered at a time).
    property bool bCheckEnable: true
    property int nCount: 0
    property bool bSigningIn: false
    property int nPollInterval: 2000
    property int nPollLimit: 150
    property int nTipsInterval: 3000
    // The failure text shown: a source text, translated anew on each change of language, or
    // the service's own text.
    property string qstrTip: ""
    readonly property bool bEnableGoogle: globals !== null && globals.bEnableGoogle
    readonly property alias tipsText: tipsTextId.text
    readonly property alias polling: pollTimer.running

    signal signal_SetUiData(int nType, string qstrValue, int nValue)

    function logIn() {
        qstrTip = ""
        if (bSigningIn)
            return
        if (usernameEditID.editModel.text === "") {
            qstrTip = QT_TR_NOOP("Please enter email or username")
        } else if (passwordEditID.editModel.text === "") {
            qstrTip = QT_TR_NOOP("Please enter password")
        } else {
            bSigningIn = true
            service.pushLogin(usernameEditID.editModel.text, passwordEditID.editModel.text)
        }
    }

    function startGoogle() {
        qstrTip = ""
        service.openUrlExternally(service.buildGoogleLoginUrl(globals.qstrGoogleLoginUrl), 0)
        nCount = 0
        pollTimer.restart()
    }

    function pollOnce() {
        if (bCheckEnable)
            service.pushCheckGoogleLogin(nCount)
        nCount += 1
        if (nCount >= nPollLimit)
            stopPolling()
    }

    function stopPolling() {
        signal_SetUiData(183, "enable", nCount)
        googleButton.btnModel.enabled = true
        googleButton.imgLoadModel.visible = false
        nCount = 0
        pollTimer.stop()
    }

    function openPage(qstrUrl, bWithToken) {
        var qstrFull = service.checkOpenUrl(qstrUrl) + "&la=" + globals.qstrLangCode
        if (bWithToken && globals.nIsLogin === 1)
            qstrFull += "&s=" + globals.qstrToken
        service.openUrlExternally(qstrFull, 0)
    }

    // Opens centred on its screen, ready for typing: in the password field when the account
    // is filled in already, else in the account field.
    function open() {
        if (!visible) {
            x = Screen.virtualX + (Screen.width - width) / 2
            y = Screen.virtualY + (Screen.height - height) / 2
        }
        show()
        requestActivate()
        var field = usernameEditID.editModel.text === "" ? usernameEditID : passwordEditID
        field.editModel.forceActiveFocus()
    }

    function closeWindow() {
        stopPolling()
        close()
    }

    onSignal_SetUiData: {
        switch (nType) {
        case 1:
            open()
            break
        case 7:
            usernameEditID.editModel.text = qstrValue
            break
        case 8:
            passwordEditID.editModel.text = qstrValue
            break
        case 9:
            logIn()
            break
        case 10:
            close()
            break
        case 22:
            qstrTip = qstrValue
            bSigningIn = false
            stopPolling()
            break
        // Signed out: whoever sits at the machine next must type the password again.
        case 23:
            passwordEditID.editModel.text = ""
            break
        case 182:
            googleButton.btnModel.enabled = false
            googleButton.imgLoadModel.visible = true
            bCheckEnable = false
            break
        case 183:
            bCheckEnable = true
            break
        case 184:
            stopPolling()
            break
        }
    }

    onVisibleChanged: {
        qstrTip = ""
        if (visible)
            bSigningIn = false
        else if (service)
            service.signal_SetUiData(123, "unchecked", 0)
    }

    width: (bEnableGoogle ? 375 : 395) * Theme.dp
    height: (bEnableGoogle ? 560 : 486) * Theme.dp
    flags: Qt.Window | Qt.FramelessWindowHint
    title: qsTr("Log In") + Theme.emptyString
    color: "white"

    Timer {
        id: pollTimer
        interval: login.nPollInterval
        repeat: true
        onTriggered: login.pollOnce()
    }

    Shortcut {
        sequence: StandardKey.Cancel
        onActivated: login.closeWindow()
    }

    Rectangle {
        anchors.fill: parent
        color: "white"
        border.color: "#EBEDF4"

        DragHandler {
            target: null
            onActiveChanged: if (active) login.startSystemMove()
        }
    }

    ViewDefault {
        id: carousel
        objectName: "loginCarousel"
        visible: login.bEnableGoogle
        dataModel: SearchManager.signInImages
        width: parent.width
        height: 120 * Theme.dp
        service: login.service
        globals: login.globals
    }

    ButtonImage {
        objectName: "loginClose"
        anchors.right: parent.right
        anchors.rightMargin: 10 * Theme.dp
        y: 10 * Theme.dp
        imgNor: "qrc:/image/ico_closeblack_nor.png"
        imgHot: "qrc:/image/ico_closeblack_press.png"
        btnModel.onClicked: login.closeWindow()
    }

    Column {
        id: form
        x: 32 * Theme.dp
        y: login.bEnableGoogle ? carousel.height + 24 * Theme.dp : (parent.height - height) / 2
        width: parent.width - 2 * x
        spacing: 14 * Theme.dp

        Row {
            spacing: 8 * Theme.dp
            Image {
                anchors.verticalCenter: parent.verticalCenter
                width: 28 * Theme.dp
                height: width
                source: "qrc:/image/main_logo.png"
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Log In") + Theme.emptyString
                color: "#042040"
                font.family: Theme.fontFamily
                font.pixelSize: 22 * Theme.dp
                font.bold: true
            }
        }

        EditLogin {
            id: usernameEditID
            objectName: "usernameEditID"
            width: parent.width
            height: 42 * Theme.dp
            imghead: "qrc:/image/login_user.png"
            bshowpass: true
            inputDefaultText: qsTr("Please enter account or email") + Theme.emptyString
            loginbtn: loginButton.btnModel
            nextField: passwordEditID.editModel
        }

        EditLogin {
            id: passwordEditID
            objectName: "passwordEditID"
            width: parent.width
            height: 42 * Theme.dp
            imghead: "qrc:/image/login_lock.png"
            bshowpass: eyeButton.bOpen
            inputDefaultText: qsTr("Please enter password") + Theme.emptyString
            loginbtn: loginButton.btnModel
            editModel.rightPadding: 40 * Theme.dp
            prevField: usernameEditID.editModel

            ButtonImage {
                id: eyeButton
                objectName: "eyeButton"
                property bool bOpen: false
                anchors.right: parent.right
                anchors.rightMargin: 12 * Theme.dp
                anchors.verticalCenter: parent.verticalCenter
                width: 20 * Theme.dp
                height: width
                imgNor: bOpen ? "qrc:/image/eye_open.png" : "qrc:/image/eye_close.png"
                btnModel.onClicked: bOpen = !bOpen
            }
        }

        Item {
            width: parent.width
            height: 18 * Theme.dp

            Row {
                spacing: 6 * Theme.dp
                Image {
                    id: tipsIcon
                    visible: tipsTextId.text !== ""
                    anchors.verticalCenter: parent.verticalCenter
                    width: 14 * Theme.dp
                    height: width
                    source: "qrc:/image/ico_fail.png"
                    onVisibleChanged: if (visible) tipsTimer.restart()
                }
                Text {
                    textFormat: Text.PlainText
                    id: tipsTextId
                    objectName: "tipsTextId"
                    text: qsTr(login.qstrTip) + Theme.emptyString
                    anchors.verticalCenter: parent.verticalCenter
                    width: form.width - 20 * Theme.dp
                    elide: Text.ElideRight
                    color: "#F43D60"
                    font.family: Theme.fontFamily
                    font.pixelSize: 12 * Theme.dp
                }
            }
            Timer {
                id: tipsTimer
                interval: login.nTipsInterval
                onTriggered: login.qstrTip = ""
            }
        }

        Item {
            width: parent.width
            height: 20 * Theme.dp

            CheckBoxNormal {
                id: autoLogin
                objectName: "autoLogin"
                anchors.verticalCenter: parent.verticalCenter
                checked: login.globals !== null && login.globals.bAutoLogin
                text: qsTr("Auto Log In") + Theme.emptyString
                onToggled: login.globals.bAutoLogin = checked
            }
            AutoTextButton {
                objectName: "forgetLink"
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                height: parent.height
                nPixelSize: 13
                textValue: qsTr("Forgot Password?") + Theme.emptyString
                btnModel.onClicked: login.openPage(login.globals.qstrForgetPassUrl, true)
            }
        }

        RefreshButton {
            id: loginButton
            objectName: "loginButton"
            width: parent.width
            height: 44 * Theme.dp
            nRadius: 4
            nPixelSize: 16
            btnText: qsTr("Log In") + Theme.emptyString
            btnModel.onClicked: login.logIn()

            Image {
                objectName: "loginSpinner"
                visible: login.bSigningIn
                anchors.verticalCenter: parent.verticalCenter
                x: parent.width / 2 + loginButton.textModel.width / 2 + 8 * Theme.dp
                width: 18 * Theme.dp
                height: width
                source: "qrc:/image/login_loading.png"
                RotationAnimator on rotation {
                    running: login.bSigningIn
                    from: 0
                    to: 360
                    duration: 1000
                    loops: Animation.Infinite
                }
            }
        }

        Text {
            visible: login.bEnableGoogle
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Or login with") + Theme.emptyString
            color: "#8C92AC"
            font.family: Theme.fontFamily
            font.pixelSize: 12 * Theme.dp
        }

        GoogleButton {
            id: googleButton
            objectName: "googleButton"
            visible: login.bEnableGoogle
            width: parent.width
            height: 40 * Theme.dp
            btnText: "Google"
            btnModel.onClicked: login.startGoogle()
        }

        // The link goes below the question where both do not fit on one line.
        Flow {
            anchors.horizontalCenter: parent.horizontalCenter
            width: Math.min(parent.width, notRegistered.implicitWidth + registerLink.implicitWidth)
            Text {
                id: notRegistered
                height: registerLink.height
                verticalAlignment: Text.AlignVCenter
                text: qsTr("Not registered yet ?  ") + Theme.emptyString
                color: "#55687D"
                font.family: Theme.fontFamily
                font.pixelSize: 13 * Theme.dp
            }
            AutoTextButton {
                id: registerLink
                objectName: "registerLink"
                height: 20 * Theme.dp
                nLeftPadding: 0
                nPixelSize: 13
                textValue: qsTr("Creat an Account") + Theme.emptyString
                btnModel.onClicked: login.openPage(login.globals.qstrRegisterUrl, false)
            }
        }
    }
}
