//@mock Curl.InterfaceRecv CurlInterfaceRecv
//@mock Proxy.Param ProxyManager
//@mock QelProxy.Param ProxyGoProxy
//@mock Search.Param SearchManager
import QtQuick 2.15

// Every screen in four languages (the others in tst_ScreensLanguagesA.qml); see ScreensWalk.qml.
ScreensWalk {
    name: "ScreensLanguagesB"
    codes: ["_vi", "_ru", "_de", "_fa"]
}
