pragma Singleton
import QtQuick 2.15

// Stands in for the proxy store: the entries the root window and main screen call.
Recorder {
    signal signal_InitApiUrl()
    signal signal_ResetApiUrl(string qstrValue, int nValue)

    // The model every page's view shows: empty.
    readonly property ListModel emptyRows: ListModel {}

    function addPortData(nBegin, nCount) { record("addPortData", arguments) }
    function initProgram() { record("initProgram", arguments) }
    function refreshPortByUser() { record("refreshPortByUser", arguments) }
    function parseApiRecv(qstrValue, nValue) { record("parseApiRecv", arguments) }
    function runFavoriteCache() { record("runFavoriteCache", arguments) }
    function beginParseApiTodayListData() { record("beginParseApiTodayListData", arguments) }
    function beginParseFreePortData() { record("beginParseFreePortData", arguments) }
    function autoProgramConnect() { record("autoProgramConnect", arguments) }
    function beginRarseProxyListData() { record("beginRarseProxyListData", arguments) }
    function beginRarseStaticProxyListData() { record("beginRarseStaticProxyListData", arguments) }
    function beginRarseLocalTodayListData() { record("beginRarseLocalTodayListData", arguments) }
    function beginRarseRemoteTodayListData() { record("beginRarseRemoteTodayListData", arguments) }
    function beginRarseLocalFavouriteListData() { record("beginRarseLocalFavouriteListData", arguments) }
    function beginRarseRemoteFavoriteListData() { record("beginRarseRemoteFavoriteListData", arguments) }
    function beginRarseLocalApiHistoryData() { record("beginRarseLocalApiHistoryData", arguments) }
    function beginRarseLocalProgramHistoryData() { record("beginRarseLocalProgramHistoryData", arguments) }
    function beginRarseEquipmentLineListData() { record("beginRarseEquipmentLineListData", arguments) }
    function beginParseListDataByProxyType(nType, nValue) { record("beginParseListDataByProxyType", arguments) }
    function modifyParseListDataByProxyType(nType, nValue) { record("modifyParseListDataByProxyType", arguments) }
    function checkArraySn(nValue) { record("checkArraySn", arguments) }
    function checkFavoriteArraySn(nValue) { record("checkFavoriteArraySn", arguments) }
    function clearDataByType(nType) { record("clearDataByType", arguments) }
    function appendRarseProxyListData() { record("appendRarseProxyListData", arguments) }
    function getDataType(nValue) { return [] }
    function showView(nType, nValue) { record("showView", arguments) }
    function getListModel(nType) { return emptyRows }
    function searchDeviceByKey(qstrText, nValue) { record("searchDeviceByKey", arguments); return [] }
    function getSizeEquipmentAppend(nType) { return 0 }
    function rowCount(nType) { return 0 }
    function setAllEquipmentStatus(bStatus) { record("setAllEquipmentStatus", arguments) }
    function refreshPortList() { return [] }
    function setCopyUrlByParam() { record("setCopyUrlByParam", arguments) }
    function clearApiHistoryData() { record("clearApiHistoryData", arguments) }
}
