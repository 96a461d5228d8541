import QtQuick 2.15
import QtQuick.Controls 2.15
import Language.Param 1.0
import "../Style"

// The language choice of the settings page. Its user fills comboBoxModel.model from
// LanguageManager.getLanguageList() and defaultText from getCurrentLanguageShow().
// Relies on the root window's `dp`, `openSans` and the service object `curlRecv`.
Item {
    id: comboLanguage

    property alias comboBoxModel: comboBox
    property var dataModel: null
    property string defaultText: ""
    // The flag shown before the text; none while empty.
    property url flagSource: ""
    property int typeFlag: 0
    property string currentCode: ""
    property string currentName: ""
    property int indHeight: 4
    property int indWidth: 8

    signal signal_SetUiData(int nType, string qstrValue, int nValue)

    implicitWidth: comboBox.implicitWidth
    implicitHeight: comboBox.implicitHeight

    function chooseLanguage(entry) {
        currentName = entry.qstrLanguageName
        defaultText = currentName
        currentCode = entry.qstrLanguageCode
        LanguageManager.changeLanguage(currentCode)
        curlRecv.signal_SetUiData(154, "", 0)
    }

    ComboBox {
        id: comboBox
        anchors.fill: parent
        implicitWidth: 120
        implicitHeight: 40
        model: comboLanguage.dataModel
        leftPadding: 10
        font.family: openSans.name
        font.pixelSize: 13 * dp
        font.weight: Font.Normal

        onActivated: comboLanguage.chooseLanguage(model[index])

        FocusRing { nRadius: 2 }

        delegate: ItemDelegate {
            id: entry
            width: comboBox.width
            height: 25
            hoverEnabled: true
            padding: 0
            // Follows the pointer and the arrow keys alike.
            highlighted: comboBox.highlightedIndex === index

            background: Rectangle {
                color: entry.highlighted ? "#FFEFEB" : "#001c1b40"
            }
            contentItem: Item {
                Row {
                    x: 10 * dp
                    anchors.verticalCenter: parent.verticalCenter
                    width: parent.width - x
                    spacing: 10

                    Image {
                        anchors.verticalCenter: parent.verticalCenter
                        width: 12
                        height: 12
                        fillMode: Image.Stretch
                        source: modelData.qstrFilePath
                    }
                    Text {
                        anchors.verticalCenter: parent.verticalCenter
                        width: parent.width - 22
                        text: modelData.qstrLanguageName
                        elide: Text.ElideRight
                        color: entry.highlighted ? "#FF5C00" : "#55687D"
                        font: comboBox.font
                    }
                }
            }
        }

        contentItem: Item {
            Image {
                id: flag
                objectName: "languageFlag"
                visible: comboLanguage.flagSource.toString() !== ""
                anchors.verticalCenter: parent.verticalCenter
                width: 18 * dp
                height: 12 * dp
                source: comboLanguage.flagSource
            }
            Text {
                anchors.left: flag.visible ? flag.right : parent.left
                anchors.leftMargin: flag.visible ? 6 * dp : 0
                anchors.right: parent.right
                height: parent.height
                text: comboLanguage.defaultText
                color: "#042040"
                font: comboBox.font
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
            }
        }

        background: Rectangle {
            color: "#FBFCFF"
            border.width: 1
            border.color: "#EBEDF4"
            radius: 2 * dp
        }

        indicator: Canvas {
            id: arrow
            x: comboBox.width - width - comboBox.rightPadding
            y: (comboBox.height - height) / 2
            width: comboLanguage.indWidth
            height: comboLanguage.indHeight
            contextType: "2d"

            Connections {
                target: comboBox.popup
                function onVisibleChanged() { arrow.requestPaint() }
            }

            onPaint: {
                var ctx = getContext("2d")
                ctx.reset()
                if (comboBox.popup.visible) {
                    ctx.moveTo(0, height)
                    ctx.lineTo(width, height)
                    ctx.lineTo(width / 2, 0)
                } else {
                    ctx.moveTo(0, 0)
                    ctx.lineTo(width, 0)
                    ctx.lineTo(width / 2, height)
                }
                ctx.closePath()
                ctx.fillStyle = "#8C92AC"
                ctx.fill()
            }
        }

        popup: Popup {
            y: comboBox.height
            width: comboBox.width
            padding: 1 * dp

            onAboutToShow: height = comboBox.count * 29 * dp + 2 * dp

            contentItem: GridView {
                id: languageGrid
                clip: true
                cellWidth: width
                cellHeight: 29 * dp
                model: comboBox.popup.visible ? comboBox.delegateModel : null
                currentIndex: comboBox.highlightedIndex

                ScrollBar.vertical: ScrollBar {
                    policy: ScrollBar.AlwaysOn
                    width: 4 * dp
                    contentItem: Rectangle {
                        implicitWidth: 4 * dp
                        radius: 4 * dp
                        color: "#D1D9E7"
                    }
                    background: Rectangle {
                        radius: 4 * dp
                        color: "#00ccbfbf"
                    }
                }
            }

            // The shadow is drawn by rings fading outwards rather than by an effect: an
            // effect loads the GL driver even under the software backend, which draws no
            // effect at all.
            background: Item {
                Repeater {
                    model: 4
                    Rectangle {
                        anchors.fill: parent
                        anchors.margins: -(4 - index) * 2
                        radius: 4 * dp + (4 - index) * 2
                        color: "#0C181C32"
                    }
                }
                Rectangle {
                    anchors.fill: parent
                    color: "white"
                    radius: 4 * dp
                }
            }
        }
    }
}
