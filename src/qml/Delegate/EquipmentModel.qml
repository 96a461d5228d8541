import QtQuick 2.15
import QtQuick.Controls 2.15
import "../Button"
import "../CheckButton"
import "../Style"

// One device row of the group control page. `row` is the device object; its cells take the
// widths of `columnWidths`, the same the list header uses. The page acts on the signals.
Rectangle {
    id: device

    property var row: null
    property var columnWidths: []
    readonly property var line: row ? row.qjsonLine : ({})
    readonly property string key: row ? row.qstrSession : ""
    readonly property bool bOnline: Number(line.online_status) === 1

    signal tickClicked()
    signal siteClicked()
    signal switchClicked()
    signal remarkClicked()

    component Cell: Text {
        textFormat: Text.PlainText
        height: device.height
        verticalAlignment: Text.AlignVCenter
        leftPadding: 8 * Theme.dp
        rightPadding: 4 * Theme.dp
        elide: Text.ElideRight
        color: "#042040"
        font.family: Theme.fontFamily
        font.pixelSize: 13 * Theme.dp
    }

    objectName: "device_" + key
    height: 48 * Theme.dp
    color: hoverArea.containsMouse ? "#FAFBFD" : "white"

    MouseArea {
        id: hoverArea
        anchors.fill: parent
        hoverEnabled: true
        acceptedButtons: Qt.NoButton
    }

    Row {
        anchors.fill: parent

        Item {
            width: device.columnWidths[0]
            height: device.height
            EquipmentCheck {
                objectName: "rowTick_" + device.key
                anchors.centerIn: parent
                checked: device.row ? device.row.bSelected : false
                onClicked: device.tickClicked()
            }
        }
        Cell {
            width: device.columnWidths[1]
            text: device.line.name || ""
        }
        Cell {
            width: device.columnWidths[2]
            text: (device.bOnline ? qsTr("Online") : qsTr("Offline")) + Theme.emptyString
            color: device.bOnline ? "#01C195" : "#E30B34"
        }
        Cell {
            width: device.columnWidths[3]
            text: device.line.out_ip || ""
        }
        Cell {
            width: device.columnWidths[4]
            text: device.line.country_code || ""
        }
        Cell {
            width: device.columnWidths[5]
            text: (device.row && device.row.bIsProxy ? qsTr("Online") : qsTr("Dropped")) + Theme.emptyString
            color: device.row && device.row.bIsProxy ? "#01C195" : "#E30B34"
        }
        Item {
            width: device.columnWidths[6]
            height: device.height
            Cell {
                id: remarkText
                width: Math.min(implicitWidth, parent.width - remarkButton.width - 4 * Theme.dp)
                text: device.line.remark_decode || ""
            }
            ButtonImage {
                id: remarkButton
                objectName: "remarkButton_" + device.key
                anchors.left: remarkText.right
                anchors.verticalCenter: parent.verticalCenter
                width: 22 * Theme.dp
                height: width
                imgNor: "qrc:/image/equipment_remark_edit.png"
                btnModel.onClicked: device.remarkClicked()
            }
        }
        Item {
            width: device.columnWidths[7]
            height: device.height
            Row {
                x: 8 * Theme.dp
                anchors.verticalCenter: parent.verticalCenter
                spacing: 12 * Theme.dp
                AutoTextButton {
                    objectName: "siteButton_" + device.key
                    anchors.verticalCenter: parent.verticalCenter
                    height: 26 * Theme.dp
                    textValue: qsTr("Site") + Theme.emptyString
                    btnModel.onClicked: device.siteClicked()
                }
                DisconnectCheck {
                    objectName: "connectSwitch_" + device.key
                    anchors.verticalCenter: parent.verticalCenter
                    enabled: device.bOnline
                    checked: device.row ? device.row.bIsProxy : false
                    onClicked: device.switchClicked()
                }
            }
        }
    }

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: "#EBEDF4"
    }
}
