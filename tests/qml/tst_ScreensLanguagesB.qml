//@mock Curl.InterfaceRecv CurlInterfaceRecv
//@mock QelProxy.Param ProxyGoProxy
import QtQuick 2.15

// Every screen in four languages (the others in tst_ScreensLanguagesA.qml); see ScreensWalk.qml.
ScreensWalk {
    name: "ScreensLanguagesB"
    codes: ["_vi", "_ru", "_de", "_fa"]
}
