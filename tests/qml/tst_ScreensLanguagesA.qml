//@mock Curl.InterfaceRecv CurlInterfaceRecv
//@mock Proxy.Param ProxyManager
//@mock QelProxy.Param ProxyGoProxy
//@mock Search.Param SearchManager
import QtQuick 2.15

// Every screen in four languages (the others in tst_ScreensLanguagesB.qml); see ScreensWalk.qml.
ScreensWalk {
    name: "ScreensLanguagesA"
    codes: ["_en", "_zh_hk", "_ja", "_es"]
}
