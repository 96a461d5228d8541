import QtQuick 2.15
import "../Style"

// One cell of the extraction page's parameter table: name, whether it is required, and what
// it does, translated by the row's `nTranslateNum`. A header row is shaded across.
Row {
    id: parameterRow

    // The table row (an ApiParameter).
    property var row: null
    property real nCellHeight: 36 * Theme.dp
    readonly property bool bHeader: row !== null && row.nShowType === 1
    // The height this row's explanation needs, shown whole.
    readonly property real nNeededHeight: explainCell.nTextHeight + 12 * Theme.dp
    // The captions' columns are as wide as the language's captions, so they are never cut.
    readonly property real nNameWidth: Math.max(100 * Theme.dp, captionMetrics.captionWidth([qsTr("NAME") + Theme.emptyString]))
    readonly property real nRequiredWidth: Math.max(100 * Theme.dp,
                                                    captionMetrics.captionWidth([qsTr("REQUIRED") + Theme.emptyString]))

    // The row's link after its explanation (the country codes) was clicked.
    signal linkClicked()

    readonly property var explanations: [
        "",
        QT_TR_NOOP("ILLUSTRATE"),
        QT_TR_NOOP("Get the number of proxies, \u2264200"),
        QT_TR_NOOP("Country, default is all, "),
        QT_TR_NOOP("State, default is all"),
        QT_TR_NOOP("City, default is all"),
        QT_TR_NOOP("Zip, default is all"),
        QT_TR_NOOP("Isp, default is all"),
        QT_TR_NOOP("Package Type, default  is Popular Plan\n1=Popular Plan, 3= Long Acting ISP Plan"),
        QT_TR_NOOP("Data Format\n1=txt, 2=json"),
        QT_TR_NOOP("Start port, default port is 30000")
    ]

    function explanation(nTranslateNum) {
        var text = explanations[nTranslateNum]
        return text ? qsTr(text) : (row ? row.qstrIllustrate : "")
    }

    CaptionMetrics {
        id: captionMetrics
        font.pixelSize: 13 * Theme.dp
        font.bold: true
    }

    component Cell: Rectangle {
        property alias text: label.text
        readonly property real nTextHeight: label.implicitHeight
        property bool bShaded: parameterRow.bHeader
        default property alias extra: label.data

        height: parameterRow.nCellHeight
        color: bShaded ? "#F7F8FB" : "transparent"
        border.color: "#EAEFF9"

        Text {
            id: label
            x: 8 * Theme.dp
            width: parent.width - 16 * Theme.dp
            anchors.verticalCenter: parent.verticalCenter
            wrapMode: Text.Wrap
            color: "#042040"
            font.family: Theme.fontFamily
            font.pixelSize: (parameterRow.bHeader ? 13 : 12) * Theme.dp
            font.bold: parameterRow.bHeader
            lineHeight: 0.95
        }
    }

    Cell {
        width: parameterRow.nNameWidth
        bShaded: true
        text: !row ? "" : (row.nTranslateNum === 1 ? qsTr("NAME") : row.qstrName) + Theme.emptyString
    }
    // The table's "Yes" and "No" are translated in this file's context.
    Cell {
        width: parameterRow.nRequiredWidth
        text: !row ? "" : (row.nTranslateNum === 1 ? qsTr("REQUIRED") : qsTr(row.qstrRequired)) + Theme.emptyString
    }
    Cell {
        id: explainCell
        width: parameterRow.width - parameterRow.nNameWidth - parameterRow.nRequiredWidth
        text: !row ? "" : parameterRow.explanation(row.nTranslateNum) + Theme.emptyString

        Text {
            objectName: "parameterLink"
            visible: row !== null && row.nTranslateNum === 3
            x: parent.contentWidth + 2 * Theme.dp
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("country code") + Theme.emptyString
            color: "#FF5C00"
            font.family: Theme.fontFamily
            font.pixelSize: 12 * Theme.dp
            font.underline: true
            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: parameterRow.linkClicked()
            }
        }
    }
}
