import QtQuick 2.15
import "../Style"

// The image carousel: one picture at a time, sliding to the next every `timerInterval`
// while shown and when there is more than one. A click opens the picture's link, or
// `fallbackUrl` (when not empty) for a picture without one. The screen hands in curlRecv as
// `service` and globleParam as `globals`.
PathView {
    id: view

    property var service: null
    property var globals: null
    property var dataModel: []
    property int pathDuration: 3000
    property int timerInterval: 2 * pathDuration
    property real indicatorWidth: 12
    property string fallbackUrl: ""

    function openEntry(entry) {
        var qstrUrl = entry.qstrCode !== ""
                ? service.checkOpenUrl(entry.qstrCode) + "&la=" + globals.qstrLangCode
                : fallbackUrl
        if (qstrUrl !== "")
            service.openUrlExternally(qstrUrl, 0)
    }

    model: dataModel
    clip: true
    interactive: false
    pathItemCount: 2
    preferredHighlightBegin: 0.5
    preferredHighlightEnd: 0.5
    highlightRangeMode: PathView.StrictlyEnforceRange
    highlightMoveDuration: pathDuration
    onDataModelChanged: if (slideTimer.running) slideTimer.restart()

    path: Path {
        startX: -view.width / 2
        startY: view.height / 2
        PathLine {
            x: 2 * view.width - view.width / 2
            y: view.height / 2
        }
    }

    delegate: Rectangle {
        readonly property var entry: model.modelData !== undefined ? model.modelData : model

        width: view.width
        height: view.height
        color: "transparent"

        Image {
            objectName: "carouselImage"
            anchors.fill: parent
            fillMode: Image.Stretch
            source: view.globals && view.globals.qstrLangCode === "_zh_hk"
                    ? parent.entry.qstrLocalHkPath : parent.entry.qstrLocalPath
        }
        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            onClicked: view.openEntry(parent.entry)
        }
    }

    Timer {
        id: slideTimer
        interval: view.timerInterval
        repeat: true
        triggeredOnStart: true
        running: view.visible
        onTriggered: if (view.count > 1) view.incrementCurrentIndex()
    }
}
