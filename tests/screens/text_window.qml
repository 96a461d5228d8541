import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Window 2.15

Window {
    width: 1210
    height: 800
    visible: true

    Label {
        anchors.centerIn: parent
        text: "The quick brown fox jumps over the lazy dog"
        font.family: "Open Sans"
        font.pixelSize: 13
    }
}
