pragma Singleton
import QtQuick 2.15

// Stands in for the location catalogue: the entries the root window and main screen call.
// Getters are not recorded: bindings call them.
Recorder {
    function initSearch() { record("initSearch", arguments) }
    function beginRarseAreaData(bForce) { record("beginRarseAreaData", arguments) }
    function beginRarseIspData(bForce) { record("beginRarseIspData", arguments) }
    function beginRarseZipData(bForce) { record("beginRarseZipData", arguments) }
    function beginRarseAreaDataSecond(bForce) { record("beginRarseAreaDataSecond", arguments) }
    function beginRarseIspDataSecond(bForce) { record("beginRarseIspDataSecond", arguments) }
    function beginRarseZipDataSecond(bForce) { record("beginRarseZipDataSecond", arguments) }
    function beginRarseCarouselData() { record("beginRarseCarouselData", arguments) }
    function beginParseLoginImgData() { record("beginParseLoginImgData", arguments) }
    function setCurrentCode(qstrCode, nType, nOrigin) { record("setCurrentCode", arguments) }
    function clearIspByProxyType(nOrigin) { record("clearIspByProxyType", arguments) }
    function clearZipByProxyType(nOrigin) { record("clearZipByProxyType", arguments) }
    function getDataByKeyAndType(qstrKey, nType, nOrigin) { return [] }
    function getLocalIpData() { return [] }
    function getCarouseData() { return [] }
    function getLoginImgData() { return [] }
}
