import QtQuick 2.15
import QtQuick.Window 2.15
import "qrc:/Popup"

// The notice popup with the list filled and an unread notice just opened.
Window {
    width: 960
    height: 640
    color: "#F4F6FB"

    QtObject {
        id: curlRecv
        function pushGetMsgList() {}
        function pushSaveReadMsg(qstrId) {}
    }
    QtObject {
        id: globleParam
        property int nUnreadMsgNum: 2
    }

    PopupNotice {
        id: popup
        service: curlRecv
        globals: globleParam
    }

    Component.onCompleted: {
        var now = 1733738400
        popup.windowInit(0)
        popup.signal_SetUiData(153, JSON.stringify([
            {"id": 31, "title": "Scheduled maintenance on 12 December", "read": 0,
             "start_time": now,
             "info": "Between 02:00 and 03:00 (UTC) we upgrade the servers of the US and Canada pools. Connections through these pools may drop for a few seconds; ports bound before the work stay valid.\n\nThank you for your patience."},
            {"id": 30, "title": "New exits in Brazil and Mexico", "read": 0,
             "start_time": (now - 86400 * 3) * 1000,
             "info": "More than 40,000 new residential exits are available."},
            {"id": 27, "title": "Your plan renews in 7 days", "read": 1,
             "start_time": now - 86400 * 9, "info": "Renew now to keep your ports."},
            {"id": 22, "title": "Welcome to QelProxy", "read": 1,
             "start_time": now - 86400 * 40, "info": "Thanks for joining us."}]), 0)
        popup.openNotice(0)
    }
}
