import QtQuick 2.15
import QtQuick.Controls 2.15
import "../Style"

// A side-bar entry: an icon and a text; while checked or hovered a white glow fades to the
// right behind it and the marker stands at its left edge.
Item {
    id: entry

    property alias radioModel: button
    property alias checked: button.checked
    property string radioText: ""
    property url pathLogo: ""
    property url pathLogo2: pathLogo
    property var exclusiveGroup: null
    property color radioColor: "transparent"
    property color textColor: "#E1E2E5"
    property color textColorActive: "#FFFFFF"
    property real fontSize: 14
    // A small mark such as "new"; none while empty.
    property string badgeText: ""

    readonly property bool active: button.checked || button.hovered

    // Wide enough for the whole text, clear of the bar's edge.
    implicitWidth: Math.max(180 * Theme.dp, label.x + label.implicitWidth + 12 * Theme.dp)
    implicitHeight: 44 * Theme.dp

    AbstractButton {
        id: button
        anchors.fill: parent
        checkable: true
        hoverEnabled: true
        ButtonGroup.group: entry.exclusiveGroup
        FocusRing { nOutset: -2 }

        background: Rectangle {
            color: entry.radioColor
            Rectangle {
                anchors.fill: parent
                visible: entry.active
                gradient: Gradient {
                    orientation: Gradient.Horizontal
                    GradientStop { position: 0.0; color: "#40FFFFFF" }
                    GradientStop { position: 1.0; color: "#00FFFFFF" }
                }
            }
            Image {
                visible: entry.active
                anchors.verticalCenter: parent.verticalCenter
                width: 4 * Theme.dp
                height: 24 * Theme.dp
                source: "qrc:/image/rad_proxy_logo.png"
            }
        }

        contentItem: Row {
            leftPadding: 24 * Theme.dp
            spacing: 10 * Theme.dp
            Image {
                objectName: "entryIcon"
                anchors.verticalCenter: parent.verticalCenter
                width: 18 * Theme.dp
                height: width
                source: entry.active ? entry.pathLogo2 : entry.pathLogo

                // On the icon's corner, above the text, so that it never covers a long text.
                Rectangle {
                    objectName: "entryBadge"
                    x: parent.width - 6 * Theme.dp
                    y: -9 * Theme.dp
                    visible: entry.badgeText !== ""
                    width: badge.implicitWidth + 8 * Theme.dp
                    height: 12 * Theme.dp
                    radius: height / 2
                    color: "#FF583E"
                    Text {
                        id: badge
                        anchors.centerIn: parent
                        text: entry.badgeText
                        color: "white"
                        font.family: Theme.fontFamily
                        font.pixelSize: 8 * Theme.dp
                    }
                }
            }
            Text {
                id: label
                textFormat: Text.PlainText
                anchors.verticalCenter: parent.verticalCenter
                width: Math.min(implicitWidth, entry.width - x - 12 * Theme.dp)
                elide: Text.ElideRight
                text: entry.radioText
                color: entry.active ? entry.textColorActive : entry.textColor
                font.family: Theme.fontFamily
                font.pixelSize: entry.fontSize * Theme.dp
            }
        }

        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.NoButton
            cursorShape: Qt.PointingHandCursor
        }
    }
}
