import QtQuick 2.15
import QtQuick.Controls 2.15
import "../Button"
import "../Style"

// The outside browser's windows beside the port under the pointer: a click binds the chosen
// row to that port and hands the window over with it. Shown only while binding to the
// browser is on, and only with windows to show.
// Relies on the ids: globleParam, browserWndModel, popupBrowser, popupForwared.
Popup {
    id: browserPopup

    property string currentPort: ""

    function showFor(qstrPort) {
        currentPort = qstrPort
        if (!globleParam.bBrowserBindOpen || browserWndModel.count === 0) {
            close()
            return
        }
        open()
        popupForwared.place()
    }

    width: 220 * Theme.dp
    height: 35 * Theme.dp + Math.min(browserWndModel.count, 10) * 30 * Theme.dp
    margins: 0
    padding: 0
    closePolicy: Popup.NoAutoClose

    background: Rectangle {
        radius: 4 * Theme.dp
        color: "white"
        border.color: Theme.border
    }

    contentItem: Column {
        Row {
            x: 10 * Theme.dp
            height: 35 * Theme.dp
            spacing: 6 * Theme.dp
            Image {
                anchors.verticalCenter: parent.verticalCenter
                width: 18 * Theme.dp
                height: width
                source: "qrc:/image/ico_bitbrowser.png"
            }
            Text {
                objectName: "browserWndTitle"
                anchors.verticalCenter: parent.verticalCenter
                text: "BitBrowser-" + browserPopup.currentPort
                color: Theme.textDark
                font.family: Theme.fontFamily
                font.pixelSize: 13 * Theme.dp
                font.bold: true
            }
        }
        ListView {
            id: wndList
            objectName: "browserWndList"
            width: parent.width
            height: parent.height - 35 * Theme.dp
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            model: browserPopup.visible ? browserWndModel : null
            ScrollBar.vertical: ScrollBar { width: 4 * Theme.dp }
            delegate: BindPortButton {
                objectName: "browserWnd" + model.id
                width: wndList.width
                height: 30 * Theme.dp
                nRadius: 0
                nPixelSize: 13
                imgAfter: ""
                btnText: popupBrowser.rowText(model.seq, model.name)
                btnModel.onClicked: popupForwared.bindBrowserWnd(model.id, browserPopup.currentPort)
            }
        }
    }
}
