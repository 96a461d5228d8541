import QtQuick 2.15

// Stands in for the service object: records requests and link openings; the local-IP
// result is whatever the test puts in localIpResult.
Recorder {
    property int nRecvBack: 0
    property var localIpResult: ({})

    signal signal_SetUiData(int nType, string qstrValue, int nValue)

    function getDomain() { record("getDomain", arguments) }
    function mainLoadReady() { record("mainLoadReady", arguments) }
    function getRecvBack() { return nRecvBack }
    function getStartTimes() { return 1 }
    function openCheckLocalIp(nValue) { record("openCheckLocalIp", arguments) }
    function pushGetServerStatus() { record("pushGetServerStatus", arguments) }
    function pushGetIpNum(nValue) { record("pushGetIpNum", arguments) }
    function pushGetLineList(nValue) { record("pushGetLineList", arguments) }
    function pushGetMsgUnreadNum() { record("pushGetMsgUnreadNum", arguments) }
    function pushVersionInfo(nValue) { record("pushVersionInfo", arguments) }
    function pushLogOut() { record("pushLogOut", arguments) }
    function pushLogin(qstrUser, qstrPassword) { record("pushLogin", arguments) }
    function pushSetPortScope() { record("pushSetPortScope", arguments) }
    function pushSaveRepeatTime() { record("pushSaveRepeatTime", arguments) }
    function autoStartClient(qstrPath, bStart) { record("autoStartClient", arguments); return true }
    function downloadUpdateExe() { record("downloadUpdateExe", arguments) }
    function cancelDownloadUpdateExe() { record("cancelDownloadUpdateExe", arguments) }
    function checkRefershWebPage() { return false }
    function openUrlExternally(qstrUrl, nValue) { record("openUrlExternally", arguments) }
    function additionalUrl(nValue) { return "?p=linux" }
    function checkOpenUrl(qstrUrl) { return qstrUrl + "&p=linux" }
    function languagePageUrl(qstrUrl) { return qstrUrl + "&p=linux&la=_en" }
    function rechargeUrl(nMealType, bStatic) { return "recharge:" + nMealType + ":" + !!bStatic }
    function hideIPPart(ip) { return "hidden:" + ip }
    function formatTimeFromTimeStamp(t) { return "time:" + t }
    function applyLocalIpResult(qstrReply) { record("applyLocalIpResult", arguments); return localIpResult }
    function pushGetMsgList() {}
    function pushSaveReadMsg(qstrId) {}
    function getFeedbackCategory() {}
    function buildGoogleLoginUrl(qstrKey) { return "google" }
    function pushCheckGoogleLogin(nValue) {}
    function pushUseCDK(qstrCdk) { record("pushUseCDK", arguments) }
    function pushGetDeviceList(nValue) { record("pushGetDeviceList", arguments) }
}
