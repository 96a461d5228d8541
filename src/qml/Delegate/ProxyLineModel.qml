import QtQuick 2.15
import "../Button"
import "../CheckButton"
import "../Style"

// One exit row of the proxy and static list pages. Its text cells follow the page's
// `columns` (key and share of twenty); the last twentieth holds the favourite star, or
// "Renew" for a static exit. Any button chooses the row; the right button also asks for the row menu.
// Relies on the root's ids: window_main, globleParam, curlRecv.
Rectangle {
    id: line

    property var row: null
    property int nIndex: 0
    property var columns: []
    property bool bChosen: false
    property bool bStaticPlan: false
    property int nListType: 1
    // Proxy list look: chosen or hovered grey with a line below; static list look: odd
    // rows tinted, chosen or hovered orange-white.
    property bool bStaticLook: false

    readonly property var record: row ? row.qjsonLine : ({})
    readonly property bool bHot: bChosen || rowArea.containsMouse

    signal chosen(int nIndex, var row)
    // x and y in this row's coordinates.
    signal menuAsked(real nX, real nY, var row)

    function cellText(strKey) {
        if (!row)
            return ""
        switch (strKey) {
        case "ip":
            return bStaticPlan ? row.qstrIp : window_main.hideIPPart(row.qstrIp)
        case "ping":
            return String(row.nPing)
        case "expire":
            return record.expire_time ? window_main.formatTimeFromTimeStamp(Number(record.expire_time)) : ""
        default:
            return record[strKey] !== undefined ? String(record[strKey]) : ""
        }
    }

    height: 40 * Theme.dp
    color: bStaticLook ? (bHot ? "#FFEFEB" : nIndex % 2 === 1 ? "#FDFDFE" : "white")
                       : (bHot ? "#F6F7F8" : "white")

    MouseArea {
        id: rowArea
        anchors.fill: parent
        hoverEnabled: true
        acceptedButtons: Qt.LeftButton | Qt.RightButton | Qt.MiddleButton
        onPressed: {
            line.chosen(line.nIndex, line.row)
            if (mouse.button === Qt.RightButton)
                line.menuAsked(mouse.x, mouse.y, line.row)
        }
    }

    Row {
        anchors.fill: parent
        Repeater {
            model: line.columns.filter(function (column) { return column.key !== "last" })
            delegate: Text {
                textFormat: Text.PlainText
                objectName: "cell" + modelData.key
                width: line.width * modelData.share / 20
                height: line.height
                leftPadding: 12 * Theme.dp
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
                text: line.cellText(modelData.key)
                color: "#042040"
                font.family: Theme.fontFamily
                font.pixelSize: 13 * Theme.dp
            }
        }
        Item {
            width: line.width / 20
            height: line.height
            CollectCheck {
                objectName: "collectCheck"
                visible: !line.bStaticPlan
                anchors.centerIn: parent
                row: line.row
                nListType: line.nListType
                strSession: line.row ? line.row.qstrSession : ""
            }
            ButtonText {
                objectName: "renewButton"
                visible: line.bStaticPlan
                // Kept clear of the list's edge; a longer word grows to the left.
                anchors.right: parent.right
                anchors.rightMargin: 8 * Theme.dp
                anchors.verticalCenter: parent.verticalCenter
                height: 26 * Theme.dp
                nLeftPadding: 4
                nPixelSize: 13
                colorText: "#FF5C00"
                textShow: qsTr("Renew") + globleParam.emptyString
                btnModel.onClicked: {
                    if (globleParam.nIsLogin !== 1)
                        window_main.showLogin()
                    else if (line.row)
                        curlRecv.checkUserStaticIPExpire(line.row.qstrIp)
                }
            }
        }
    }

    Rectangle {
        visible: !line.bStaticLook
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: "#ECEEF4"
    }
}
