import QtQuick 2.15
import QtTest 1.15
import "../../src/qml/View"

TestCase {
    id: testCase
    name: "ViewDefault"
    width: 400
    height: 300
    visible: true
    when: windowShown

    QtObject {
        id: curlRecv
        property var opened: []
        function checkOpenUrl(qstrUrl) { return qstrUrl + "?p=linux" }
        function openUrlExternally(qstrUrl, nValue) { opened.push([qstrUrl, nValue]) }
    }
    QtObject {
        id: globleParam
        property string qstrLangCode: "_en"
    }

    Component {
        id: viewComponent
        ViewDefault {
            width: 200
            height: 80
            service: curlRecv
            globals: globleParam
            pathDuration: 10
            timerInterval: 40
        }
    }

    function entry(qstrCode) {
        return { qstrCode: qstrCode, qstrLocalPath: "qrc:/image/main_logo.png",
                 qstrLocalHkPath: "qrc:/image/google_logo.png" }
    }

    function init() {
        curlRecv.opened = []
        globleParam.qstrLangCode = "_en"
    }

    function test_sliding_data() {
        return [
            { tag: "empty", entries: 0, slides: false },
            { tag: "one entry", entries: 1, slides: false },
            { tag: "two entries", entries: 2, slides: true }
        ]
    }

    function test_sliding(data) {
        var entries = []
        for (var i = 0; i < data.entries; ++i)
            entries.push(entry(""))
        var view = createTemporaryObject(viewComponent, testCase, { dataModel: entries })
        if (data.slides) {
            tryCompare(view, "currentIndex", 1)
            tryCompare(view, "currentIndex", 0)
        } else {
            wait(200)
            compare(view.currentIndex, 0)
        }
    }

    // A new model of two or more entries slides at once, not a whole interval later.
    function test_replacedModelSlidesAtOnce() {
        var view = createTemporaryObject(viewComponent, testCase, { dataModel: [entry("")], timerInterval: 60000 })
        wait(100)
        view.dataModel = [entry(""), entry(""), entry("")]
        tryCompare(view, "currentIndex", 1, 1000)
    }

    function test_hidingStopsSliding() {
        var view = createTemporaryObject(viewComponent, testCase, { dataModel: [entry(""), entry("")] })
        tryCompare(view, "currentIndex", 1)
        view.visible = false
        var nIndex = view.currentIndex
        wait(200)
        compare(view.currentIndex, nIndex)
        view.visible = true
        tryVerify(function () { return view.currentIndex !== nIndex })
    }

    function test_pictureByLanguage_data() {
        return [
            { tag: "English", lang: "_en", source: "qrc:/image/main_logo.png" },
            { tag: "Hong Kong", lang: "_zh_hk", source: "qrc:/image/google_logo.png" }
        ]
    }

    function test_pictureByLanguage(data) {
        globleParam.qstrLangCode = data.lang
        var view = createTemporaryObject(viewComponent, testCase, { dataModel: [entry("")] })
        compare(findChild(view, "carouselImage").source.toString(), data.source)
    }

    function test_click_data() {
        return [
            { tag: "link", code: "https://ad.example/x", fallback: "",
              opened: [["https://ad.example/x?p=linux&la=_en", 0]] },
            { tag: "no link, no fallback", code: "", fallback: "", opened: [] },
            { tag: "no link, fallback", code: "", fallback: "https://pay.example/?la=_en",
              opened: [["https://pay.example/?la=_en", 0]] }
        ]
    }

    function test_click(data) {
        var view = createTemporaryObject(viewComponent, testCase,
                                         { dataModel: [entry(data.code)], fallbackUrl: data.fallback })
        mouseClick(view)
        compare(curlRecv.opened, data.opened)
    }
}
