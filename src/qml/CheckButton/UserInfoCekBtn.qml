import QtQuick 2.15
import QtQuick.Controls 2.15
import "../Style"

// The account button of the header: the user name (the service's, shown as typed) and an
// arrow that points up while the account menu is open (checked).
Item {
    id: account

    property alias checkModel: button
    property alias textModel: label
    property url imgCeked: "qrc:/image/cek_up_logo.png"
    property url imgUnCeked: "qrc:/image/cek_down_logo.png"

    implicitWidth: row.implicitWidth
    implicitHeight: 32 * Theme.dp

    AbstractButton {
        id: button
        anchors.fill: parent
        checkable: true
        hoverEnabled: true
        FocusRing {}

        contentItem: Row {
            id: row
            spacing: 4 * Theme.dp
            Text {
                id: label
                anchors.verticalCenter: parent.verticalCenter
                textFormat: Text.PlainText
                color: button.hovered ? "#042040" : "#627489"
                font.family: Theme.fontFamily
                font.pixelSize: 14 * Theme.dp
            }
            Image {
                anchors.verticalCenter: parent.verticalCenter
                width: 14 * Theme.dp
                height: width
                source: button.checked ? account.imgCeked : account.imgUnCeked
            }
        }

        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.NoButton
            cursorShape: Qt.PointingHandCursor
        }
    }
}
