//@sandbox
import QtQuick 2.15
import QtTest 1.15
import Curl.InterfaceRecv 1.0
import Globle.Param 1.0

// A test that asks for the stand-in service talks to it through the real service object.
TestCase {
    name: "Sandbox"

    GlobleParam { id: globleParam }
    CurlInterfaceRecv { id: curlRecv }
    SignalSpy { id: uiSpy; target: curlRecv; signalName: "signal_SetUiData" }

    function signInResult() {
        for (var i = 0; i < uiSpy.count; ++i)
            if (uiSpy.signalArguments[i][0] === 22)
                return uiSpy.signalArguments[i]
        return null
    }

    function test_scriptedSignInFailure() {
        sandbox.attach(curlRecv)
        sandbox.reset()
        verify(sandbox.script(JSON.stringify({ "route": "/api/socks/login", "mode": "status",
                                               "status": 500, "times": -1 })))
        curlRecv.pushLogin("demo_user", "QelDemo#2024")
        tryVerify(function () { return signInResult() !== null }, 10000)
        verify(signInResult()[2] !== 1)
        compare(globleParam.nIsLogin, 0)
        var log = JSON.parse(sandbox.log())
        verify(log.some(function (entry) { return entry.path === "/api/socks/login" }))
        sandbox.reset()
    }
}
