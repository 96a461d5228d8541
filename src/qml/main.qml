import QtQuick 2.15
import QtQuick.Window 2.15
import Curl.InterfaceRecv 1.0
import Data.ListModel 1.0
import Globle.Param 1.0
import Proxy.Param 1.0
import Search.Param 1.0
import "Window"

// The root window until the real screens exist: it creates the service object and the
// global parameters, asks for the service domain and shows the program's name, version
// and the last message the native side sent.
Window {
    id: root
    width: 480
    height: 320
    visible: true
    title: Qt.application.name

    property string lastMessage: ""
    // The automatic sign-in hands over the account (7) and password (8), then asks for the
    // sign-in (9); the password is kept here only and never shown.
    property string signInAccount: ""
    property string signInPassword: ""

    GlobleParam {
        id: globleParam
    }

    CurlInterfaceRecv {
        id: curlRecv
        onSignal_SetUiData: {
            switch (nType) {
            case 1:
                root.show()
                root.raise()
                root.requestActivate()
                break
            case 7:
                root.signInAccount = qstrValue
                break
            case 8:
                root.signInPassword = qstrValue
                root.lastMessage = nType
                return
            case 9:
                curlRecv.pushLogin(root.signInAccount, root.signInPassword)
                break
            case 100:
                curlRecv.mainLoadReady()
                break
            case 110:
            case 111:
            case 112:
                root.parseCatalogue(nType, nValue)
                break
            case 113:
                if (nValue === 1)
                    ProxyManager.beginRarseProxyListData()
                else if (nValue === 10)
                    ProxyManager.beginRarseStaticProxyListData()
                break
            case 114:
                ProxyManager.beginRarseLocalTodayListData()
                break
            case 115:
                ProxyManager.beginRarseRemoteTodayListData()
                break
            case 134:
                ProxyManager.beginRarseLocalFavouriteListData()
                break
            case 136:
                ProxyManager.beginRarseRemoteFavoriteListData()
                break
            case 137:
                favoriteSaveTimer.restart()
                break
            case 143:
                browserWndModel.setJsonText(qstrValue)
                popupBrowser.signal_SetUiData(nType, qstrValue, nValue)
                break
            case 163:
                ProxyManager.beginRarseLocalApiHistoryData()
                break
            case 164:
                ProxyManager.beginRarseLocalProgramHistoryData()
                break
            }
            root.lastMessage = nType + (qstrValue.length ? ": " + qstrValue.replace(/\s+/g, " ") : "")
        }
    }

    // Catalogue data is ready (110 areas, 111 operators, 112 postal codes): 0 reads it, 1
    // reads it anew, 2 reads it anew for the second (static) catalogue.
    function parseCatalogue(nType, nValue) {
        var strKind = ["Area", "Isp", "Zip"][nType - 110]
        if (nValue === 0)
            SearchManager["beginRarse" + strKind + "Data"]()
        else if (nValue === 1)
            SearchManager["beginRarse" + strKind + "Data"](true)
        else if (nValue === 2)
            SearchManager["beginRarse" + strKind + "DataSecond"](true)
    }

    // The outside browser's profiles, shown by its settings popup and by port binding.
    BrowserWndModel {
        id: browserWndModel
    }

    PopupBrowser {
        id: popupBrowser
        service: curlRecv
        globals: globleParam
        profiles: browserWndModel
    }

    // Favourite edits are saved once, 3 seconds after the last one.
    Timer {
        id: favoriteSaveTimer
        interval: 3000
        repeat: false
        onTriggered: ProxyManager.runFavoriteCache()
    }

    Component.onCompleted: curlRecv.getDomain()
    onClosing: globleParam.clearConfig()

    Rectangle {
        anchors.fill: parent
        color: "#f4f6fb"

        Column {
            anchors.centerIn: parent
            spacing: 8

            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: "QelProxy"
                font.pixelSize: 32
                font.bold: true
                color: "#1f3a93"
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: qsTr("Version") + " " + Qt.application.version + globleParam.emptyString
                font.pixelSize: 16
                color: "#555"
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: globleParam.qstrLangCode
                font.pixelSize: 12
                color: "#888"
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: (globleParam.nIsLogin === 1
                       ? qsTr("Signed in as %1").arg(globleParam.qstrLoginName)
                       : qsTr("Not signed in")) + globleParam.emptyString
                font.pixelSize: 14
                color: "#1f3a93"
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                width: root.width - 40
                horizontalAlignment: Text.AlignHCenter
                elide: Text.ElideRight
                maximumLineCount: 1
                visible: root.lastMessage.length > 0
                text: root.lastMessage
                font.pixelSize: 12
                color: "#888"
            }
        }
    }
}
