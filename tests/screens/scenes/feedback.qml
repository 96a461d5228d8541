import QtQuick 2.15
import QtQuick.Window 2.15
import "qrc:/Window"

// The feedback window filled in, with two pictures uploaded.
Window {
    width: 960
    height: 760
    color: "#F4F6FB"

    QtObject {
        id: curlRecv
        function getFeedbackCategory() {}
    }
    QtObject {
        id: globleParam
        property int nIsLogin: 1
    }

    PopupFeedback {
        id: popup
        service: curlRecv
        globals: globleParam
    }

    function find(item, qstrName) {
        if (item.objectName === qstrName)
            return item
        for (var i = 0; i < item.children.length; ++i) {
            var found = find(item.children[i], qstrName)
            if (found)
                return found
        }
        return null
    }

    Component.onCompleted: {
        popup.windowInit(0)
        popup.signal_SetUiData(140, JSON.stringify([{"id": 1, "title": "Connection"},
                                                    {"id": 2, "title": "Speed"},
                                                    {"id": 3, "title": "Billing"}]), 0)
        find(popup.contentItem, "categoryBox").choose({ "title": "Speed", "id": 2 })
        find(popup.contentItem, "emailField").text = "jane.doe@example.com"
        find(popup.contentItem, "problemArea").text =
            "Ports bound to the Brazil pool stop answering after about ten minutes. " +
            "Rebinding helps for a while. The two pictures show the port list before and after."
        popup.signal_SetUiData(141, sampleDir + "/sample1.png|https://res.example/fb/1.png", 0)
        popup.signal_SetUiData(141, sampleDir + "/sample2.png|https://res.example/fb/2.png", 0)
    }
}
