//@mock Curl.InterfaceRecv CurlInterfaceRecv
//@mock QelProxy.Param ProxyGoProxy
import QtQuick 2.15

// Every screen in four languages (the others in tst_ScreensLanguagesB.qml); see ScreensWalk.qml.
ScreensWalk {
    name: "ScreensLanguagesA"
    codes: ["_en", "_zh_hk", "_ja", "_es"]
}
