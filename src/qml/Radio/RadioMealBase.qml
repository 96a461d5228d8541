import QtQuick 2.15
import QtQuick.Controls 2.15
import "../Style"

// A plan card: caption, balance, refresh and recharge. The three plan cards set what differs.
// Relies on the root window's dp, openSans, globleParam and curlRecv.
Item {
    id: card

    // A ButtonGroup.
    property var exclusiveGroup: null
    property alias checked: radio.checked
    property alias textModel: caption
    property alias radioModel: radio
    property alias rechargeBtn: recharge
    property color radioColor: "#00ffffff"
    property color textColor: "#042040"
    property color textColorActive: "#6A3314"
    property int fontSize: 11
    property int nIpNumbs: 0
    property real fFlowNums: 0.00
    property int nMealType: 0
    property int nUiStyleType: 0
    property string radioText: ""
    property string pathLogo: "../image/proxy_logo.png"
    property string textUnit: "KB"
    property bool bIsCompleted: false
    property bool bShowRecharge: true

    // What the three cards differ in.
    property string strPlanKey: "nMealType"
    property bool bGrowWhenChecked: true
    property bool bAlwaysDecimals: false
    property color colorBalanceIdle: "#042040"
    property int nMargin: 4

    readonly property bool bHot: checked || hover.containsMouse
    readonly property string balanceText: nUiStyleType === 1
        ? (fFlowNums === 0 && !bAlwaysDecimals ? "0" : fFlowNums.toFixed(2)) + textUnit
        : nIpNumbs + " " + qsTr("IPs") + globleParam.emptyString

    signal signal_SetUiData(int nType, string qstrValue, int nValue)
    // The user chose this card.
    signal chosen()

    // As wide as its plan name needs, so the name is drawn whole at its size.
    width: Math.max(180 * dp, caption.implicitWidth + 66 * dp) + (checked && bGrowWhenChecked ? 2 * nMargin * dp : 0)
    height: 76 * dp

    onSignal_SetUiData: {
        if (nType === 22 && nMealType === globleParam[strPlanKey]) {
            bIsCompleted = nValue === 100
            checked = true
        } else if (nType === 155 && nValue === nMealType) {
            refreshSpin.running = false
        } else if (nType === 161 && nValue === nMealType) {
            recharge.clicked()
        }
    }

    Rectangle {
        anchors.fill: parent
        radius: 6 * dp
        color: card.checked ? "#FFF7F2" : "#FFFFFF"
        border.width: card.checked ? (card.bGrowWhenChecked ? 4 : 3) * dp : 1
        border.color: card.checked ? "#FFE2CF" : "transparent"
    }
    Image {
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        width: 24 * dp
        height: 24 * dp
        visible: card.checked && card.bGrowWhenChecked
        source: "qrc:/image/meal_right_logo.png"
    }

    MouseArea {
        id: hover
        anchors.fill: parent
        hoverEnabled: true
        acceptedButtons: Qt.NoButton
    }
    AbstractButton {
        id: radio
        objectName: "planRadio" + card.nMealType
        anchors.fill: parent
        checkable: true
        ButtonGroup.group: card.exclusiveGroup
        onClicked: if (checked) card.chosen()
        FocusRing { nRadius: 6 }
    }

    Row {
        x: 12 * dp
        y: 12 * dp
        spacing: 6 * dp
        Rectangle {
            anchors.verticalCenter: parent.verticalCenter
            width: 14 * dp
            height: width
            radius: width / 2
            color: card.bHot ? "#FF583E" : "#D5D7DC"
            Rectangle {
                anchors.centerIn: parent
                width: (card.bHot ? 6 : 12) * dp
                height: width
                radius: width / 2
                color: "#FFFFFF"
            }
        }
        Text {
            id: caption
            text: card.radioText
            color: card.checked ? card.textColorActive : card.textColor
            font.pixelSize: 14 * dp
            font.family: openSans.name
        }
        Image {
            id: refresh
            objectName: "refreshPlan" + card.nMealType
            anchors.verticalCenter: parent.verticalCenter
            width: 16 * dp
            height: 16 * dp
            visible: card.checked && card.bShowRecharge
            source: "qrc:/image/meal_refresh_hot.png"
            RotationAnimation on rotation {
                id: refreshSpin
                objectName: "refreshSpin"
                running: false
                loops: Animation.Infinite
                from: 0
                to: 360
                duration: 1000
            }
            MouseArea {
                anchors.fill: parent
                onClicked: {
                    curlRecv.pushGetIpNum(card.nMealType)
                    refreshSpin.running = true
                }
            }
        }
    }

    Text {
        objectName: "balance" + card.nMealType
        x: 12 * dp
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 10 * dp
        text: card.balanceText
        color: card.checked ? "#FF583E" : card.colorBalanceIdle
        font.pixelSize: 18 * dp
        font.family: openSans.name
    }

    Button {
        id: recharge
        objectName: "recharge" + card.nMealType
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 8 * dp
        visible: card.bShowRecharge && globleParam.nIsLogin === 1
        flat: true
        padding: 4 * dp
        contentItem: Text {
            text: qsTr("Recharge") + globleParam.emptyString
            color: recharge.hovered ? "#FF583E" : "#55687D"
            font.pixelSize: 12 * dp
            font.underline: recharge.hovered
            font.family: openSans.name
        }
        background: Item {}
        FocusRing {}
    }
}
