pragma Singleton
import QtQuick 2.15

// Stands in for the engine controller.
Recorder {
    property int nApiPort: 0

    function startProxy(nValue) { record("startProxy", arguments) }
    function stopProxy() { record("stopProxy", arguments) }
    function startMonitorProxyProcess() { record("startMonitorProxyProcess", arguments) }
}
