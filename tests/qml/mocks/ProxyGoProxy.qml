pragma Singleton
import QtQuick 2.15

// Stands in for the engine controller.
Recorder {
    property int nApiPort: 0

    signal signal_ResetApiPort(int nPort)

    function startProxy(nValue) { record("startProxy", arguments) }
    function stopProxy() { record("stopProxy", arguments) }
    function resetApiPort(qstrPort) { record("resetApiPort", arguments) }
    function startMonitorProxyProcess() { record("startMonitorProxyProcess", arguments) }
}
