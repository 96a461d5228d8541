pragma Singleton
import QtQuick 2.15

// Stands in for the location catalogue: the entries the root window and main screen call.
// Getters are not recorded: bindings call them.
Recorder {
    property string qstrCurrentCountryCode: ""
    property string qstrDeviceCurrentCountryCode: ""
    property string qstrDeviceCurrentStatusCode: ""
    property string qstrDeviceCurrentLineStatusCode: ""
    property string qstrIpSearch: ""
    property string qstrApiCurrentCountryCode: ""
    signal signal_RefreshIsp(int nRadioSel)
    signal signal_RefreshZip(int nRadioSel)
    // The device line popup's choice.
    property string qstrEquipmentCurrentCountryCode: ""
    property string qstrEquipmentCurrentStateCode: ""
    property string qstrEquipmentCurrentCityCode: ""
    property string qstrEquipmentCurrentIspCode: ""
    property string qstrEquipmentCurrentPostalCode: ""
    property string qstrEquipmentIpSearch: ""
    signal signal_RefreshEquipmentState(int nOperate)
    signal signal_RefreshEquipmentCity(int nOperate)
    signal signal_RefreshEquipmentIsp(int nOperate)
    signal signal_RefreshEquipmentZip(int nOperate)

    function initSearch() { record("initSearch", arguments) }
    function beginRarseAreaData(bForce) { record("beginRarseAreaData", arguments) }
    function beginRarseIspData(bForce) { record("beginRarseIspData", arguments) }
    function beginRarseZipData(bForce) { record("beginRarseZipData", arguments) }
    function beginRarseAreaDataSecond(bForce) { record("beginRarseAreaDataSecond", arguments) }
    function beginRarseIspDataSecond(bForce) { record("beginRarseIspDataSecond", arguments) }
    function beginRarseZipDataSecond(bForce) { record("beginRarseZipDataSecond", arguments) }
    function beginRarseCarouselData() { record("beginRarseCarouselData", arguments) }
    function beginParseLoginImgData() { record("beginParseLoginImgData", arguments) }
    function beginParseApiAreaData(bForce) { record("beginParseApiAreaData", arguments) }
    function beginParseApiIspData(bForce) { record("beginParseApiIspData", arguments) }
    function beginParseApiZipData(bForce) { record("beginParseApiZipData", arguments) }
    function setApiCurrentCode(qstrCode, nType, nOrigin) { record("setApiCurrentCode", arguments) }
    function setEquipmentCurrentCode(qstrCode, nType) { record("setEquipmentCurrentCode", arguments) }
    function clearIspByProxyType(nValue) { record("clearIspByProxyType", arguments) }
    function clearZipByProxyType(nValue) { record("clearZipByProxyType", arguments) }
    function refreshIspByCountry(nValue) { record("refreshIspByCountry", arguments) }
    function refreshZipByCountry(nValue) { record("refreshZipByCountry", arguments) }
    function getApiDataByKeyAndType() { return [] }
    function getApiMealData() { return [] }
    function getApiParameterData() { return [] }
    function beginRarseDeviceCountryData(nMealType, bForce) { record("beginRarseDeviceCountryData", arguments) }
    function setDeviceCurrentCode(qstrCode, nType, nOrigin) { record("setDeviceCurrentCode", arguments) }
    function getDeviceDataByKeyAndType(qstrKey, nType, nOrigin) { return [] }
    function setCurrentCode(qstrValue, nType, nOrigin) { record("setCurrentCode", arguments) }
    function refershComboCountry(nValue) { record("refershComboCountry", arguments) }
    function getDataByKeyAndType(qstrKey, nType, nValue) { return [] }
    function getEquipmentNameByKey(qstrKey, nLevel) { return "" }
    function getLocalIpData() { return [] }
    property var carouselImages: []
    property var signInImages: []
}
