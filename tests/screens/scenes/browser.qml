import QtQuick 2.15
import QtQuick.Window 2.15
import Data.ListModel 1.0
import "qrc:/Window"

// The outside browser's settings with the switch on and three profiles listed.
Window {
    width: 760
    height: 640
    color: "#F4F6FB"

    QtObject {
        id: curlRecv
        function pushGetBrowserList() {}
    }
    QtObject {
        id: globleParam
        property bool bBrowserBindOpen: true
        property bool bBrowserWndReStart: true
        property bool bClearBrowserCookie: false
    }
    BrowserWndModel {
        id: profiles
    }

    PopupBrowser {
        id: popup
        service: curlRecv
        globals: globleParam
        profiles: profiles
    }

    Component.onCompleted: {
        profiles.setJsonText(JSON.stringify([{"id": "a", "seq": 1, "name": "Shop"},
                                             {"id": "b", "seq": 2, "name": ""},
                                             {"id": "c", "seq": 3, "name": "Café Ads"}]))
        popup.windowInit(0)
    }
}
