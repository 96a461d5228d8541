//@sandbox
import QtQuick 2.15
import QtTest 1.15
import Curl.InterfaceRecv 1.0
import Globle.Param 1.0
import Search.Param 1.0
import "../../src/qml/View"
import "../../src/qml/Window"

// A first start: temp/ is empty, and the sign-in banner and the main carousel get their
// entries while the stand-in still sends the pictures (throttled). Neither shows a slide
// before its picture's download ends, and both show it then.
TestCase {
    id: testCase
    name: "FirstStart"
    width: 300
    height: 100
    visible: true
    when: windowShown

    GlobleParam { id: globleParam }
    // Routes the two picture lists as the root window does.
    CurlInterfaceRecv {
        id: curlRecv
        onSignal_SetUiData: {
            if (nType === 181) {
                SearchManager.beginParseLoginImgData()
                login.signal_SetUiData(181, qstrValue, nValue)
            } else if (nType === 125) {
                SearchManager.beginRarseCarouselData()
            }
        }
    }
    Login {
        id: login
        service: curlRecv
        globals: globleParam
    }
    ViewDefault {
        id: carousel
        dataModel: SearchManager.carouselImages
        width: 260
        height: 80
        service: curlRecv
        globals: globleParam
    }

    function pictureAt(view) { return findChild(view, "carouselImage") }

    function test_picturesShowOnceDownloaded() {
        sandbox.attach(curlRecv)
        var entry = function (strName) {
            var url = sandbox.resUrl + "/files/" + strName + "?rate=1"
            return [{ "img_url": url, "img_url_hk": url, "jump_url": "" }]
        }
        verify(sandbox.script(JSON.stringify({
            "route": "/api/account/get_url", "mode": "body", "times": 1,
            "body": { "code": 0, "msg": "success", "ret_data": {
                "pc_login_img_rotation": entry("banner-login.svg"),
                "pc_qt_middle_img_rotation": entry("banner-main.svg") } } })))
        var banner = findChild(login.contentItem, "loginCarousel")
        curlRecv.mainLoadReady()
        tryVerify(function () { return pictureAt(banner) !== null && pictureAt(carousel) !== null },
                  10000, "both lists arrived")
        tryCompare(pictureAt(banner), "status", Image.Ready, 10000)
        tryCompare(pictureAt(carousel), "status", Image.Ready, 10000)
        verify(pictureAt(banner).source.toString().indexOf("file:///") === 0)
        verify(pictureAt(banner).source.toString().indexOf("file:////") < 0)
    }
}
