import QtQuick 2.15
import Proxy.Param 1.0

// The automatic program switch: connects the programs at once and then every
// nProgramSwitchTime minutes. globleParam.bProxyS5Run follows whether it runs, so the
// program page shows what really happens: started by a program-line answer, stopped by
// the page, by sign-out or when no lines came.
Timer {
    property int nMinuteMs: 60 * 1000

    interval: globleParam.nProgramSwitchTime * nMinuteMs
    repeat: true
    triggeredOnStart: true
    onTriggered: ProxyManager.autoProgramConnect()
    onRunningChanged: globleParam.bProxyS5Run = running
}
