import QtQuick 2.15
import "../Button"
import "../Style"

// A row of the device line list (Rect/RectEquimentLine); a static line can be renewed.
LineRowBase {
    id: equipmentLine

    ButtonText {
        objectName: "renewButton"
        anchors.centerIn: parent
        visible: equipmentLine.table.bStatic && !equipmentLine.bRandom
        height: 26 * Theme.dp
        nPixelSize: 12
        colorText: "#FF5C00"
        textShow: qsTr("Renew") + Theme.emptyString
        btnModel.onClicked: equipmentLine.table.renew(equipmentLine.row.qstrIp)
    }
}
