import QtQuick 2.15
import QtQuick.Controls 2.15
import "../Style"

// The base of the kit's buttons: a text with optional icons on a background, each with a
// colour while hovered; a pointing hand over it and a tool tip when one is given. Pages
// handle `btnModel.onClicked`. The text is plain: some rows show names from outside, such
// as the browser's profiles.
Item {
    id: control

    property alias btnModel: button
    property alias textModel: label
    property string btnText: ""
    property color colorBackNor: "#F6F7F8"
    property color colorBackHot: "#F2F2F2"
    property color colorUnEnable: colorBackNor
    property color colorTextNor: "#55687D"
    property color colorTextHot: "#042040"
    property color colorTextDisable: "#B4BCCC"
    property color colorBorder: "transparent"
    property real nRadius: 3
    property real nPixelSize: 14
    property bool bBold: false
    // Icons: `imgNor` / `imgHot` before the text, `imgAfter` behind it.
    property url imgNor: ""
    property url imgHot: imgNor
    property url imgAfter: ""
    property real nIconSize: 16
    property bool bAlignLeft: false
    property real nLeftPadding: 12
    // A button of a row of equal buttons is at least this wide, and wider where its text
    // needs it.
    property real nMinWidth: 0
    property string toolTips: ""

    readonly property bool hovered: button.hovered

    implicitWidth: Math.max(nMinWidth * Theme.dp, content.implicitWidth + 2 * nLeftPadding * Theme.dp)
    implicitHeight: 32 * Theme.dp

    Button {
        id: button
        anchors.fill: parent
        hoverEnabled: true
        padding: 0
        KitToolTip {
            visible: control.toolTips !== "" && button.hovered
            text: control.toolTips
        }
        FocusRing { nRadius: control.nRadius }

        background: Rectangle {
            radius: control.nRadius * Theme.dp
            border.color: control.colorBorder
            color: !button.enabled ? control.colorUnEnable
                 : button.hovered ? control.colorBackHot : control.colorBackNor
        }

        contentItem: Item {
            Row {
                id: content
                x: control.bAlignLeft ? control.nLeftPadding * Theme.dp : (parent.width - width) / 2
                anchors.verticalCenter: parent.verticalCenter
                spacing: 6 * Theme.dp

                Image {
                    anchors.verticalCenter: parent.verticalCenter
                    visible: control.imgNor.toString() !== ""
                    width: control.nIconSize * Theme.dp
                    height: width
                    source: button.hovered ? control.imgHot : control.imgNor
                }
                Text {
                    id: label
                    anchors.verticalCenter: parent.verticalCenter
                    visible: text !== ""
                    textFormat: Text.PlainText
                    text: control.btnText
                    font.family: Theme.fontFamily
                    font.pixelSize: control.nPixelSize * Theme.dp
                    font.bold: control.bBold
                    color: !button.enabled ? control.colorTextDisable
                         : button.hovered ? control.colorTextHot : control.colorTextNor
                }
                Image {
                    anchors.verticalCenter: parent.verticalCenter
                    visible: control.imgAfter.toString() !== ""
                    width: control.nIconSize * Theme.dp
                    height: width
                    source: control.imgAfter
                }
            }
        }

        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.NoButton
            cursorShape: Qt.PointingHandCursor
        }
    }
}
