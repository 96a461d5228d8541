// The group control page's requests: the device list, the device line history and the
// device saves.
#include "DataManager/Proxy/ProxyManager.h"
#include "Interface/GlobleParam.h"
#include "Interface/InterfaceRecv.h"
#include "PublicModule/HttpCurl/InterfaceBase/UiCodes.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"

#include <QDebug>

#include <vector>

namespace {

constexpr int kRefreshInPlace = 1;
constexpr int kOpRemarkSelected = 4;
constexpr int kOpProxyOffSelected = 5;
constexpr int kOpProxyOnSelected = 8;

const char* const kSaveDescription = "pc批量设置代理";

std::string utf8(const QString& qstrText)
{
    return qstrText.toUtf8().toStdString();
}

std::string equipmentPlan()
{
    const GlobleParam* pParam = GlobleParam::GetInstance();
    return std::to_string(pParam ? pParam->getEquipmentMealType() : 0);
}

int tagOf(const HTTPEvent_KX* pEvent)
{
    return static_cast<int>(pEvent->m_nParam6);
}

} // namespace

void InterfacePost::pushGetDeviceList(int nValue)
{
    emit signal_SetUiData(kUiDeviceListSent, QStringLiteral("unenable"), nValue);
    sendRequest(newRequest(GET_DEVICE_LIST_RESULT, "get device list", "/api/client/get_device_list",
                           nValue));
}

void InterfacePost::pushGetEquipmentListHistory(int nMeal, int nValue)
{
    emit signal_SetUiData(kUiHistoryButtons, QStringLiteral("disable"), 0);
    qDebug() << "nMealType:" << nMeal;
    sendRequest(newRequest(CLIENT_GET_TODAYLIST_RESULT, "获取设备线路历史使用记录列表",
                           "/api/client/get_todaylist", nValue),
                {{"type", "2"}, {"time_type", "0"}});
}

void InterfacePost::pushBatchSaveDevice(const QString& deviceSn, const QString& remark,
                                        const QString& outIp, const QString& countryCode,
                                        const QString& stCode, const QString& cityCode,
                                        const QString& ipSn, const QString& serverIp,
                                        const QString& proxyStatus, const QString& sessionId,
                                        const QString& ispCode, const QString& zipCode,
                                        const QString& continent, const QString& pcExtra,
                                        int nValue)
{
    emit signal_SetUiData(kUiDeviceSaveStart, QStringLiteral("start"), nValue);
    HTTPEvent_KX* pEvent = newRequest(BATCH_SAVE_DEVICE_RESULT, "pc批量修改移动端设备信息",
                                      "/api/client/save_device", nValue);
    std::vector<ParamItem>& params = pEvent->m_vetParams;
    params.push_back({"device_sn", utf8(deviceSn)});
    if (nValue == kOpRemarkSelected) {
        params.push_back({"remark", utf8(remark)});
    } else if (nValue == kOpProxyOffSelected || nValue == kOpProxyOnSelected) {
        params.push_back({"proxy_status", utf8(proxyStatus)});
    } else {
        params.insert(params.end(), {{"remark", utf8(remark)},
                                     {"time_type", equipmentPlan()},
                                     {"out_ip", utf8(outIp)},
                                     {"country_code", utf8(countryCode)},
                                     {"st_code", utf8(stCode)},
                                     {"city_code", utf8(cityCode)},
                                     {"ip_sn", utf8(ipSn)},
                                     {"server_ip", utf8(serverIp)},
                                     {"proxy_status", utf8(proxyStatus)},
                                     {"session_id", utf8(sessionId)},
                                     {"isp_code", utf8(ispCode)},
                                     {"zip_code", utf8(zipCode)},
                                     {"continent", utf8(continent)},
                                     {"pc_extra", utf8(pcExtra)}});
    }
    sendRequest(pEvent);
}

void InterfacePost::pushBatchSaveSessionId(const QString& data, const QString& outIp,
                                           const QString& countryCode, const QString& stCode,
                                           const QString& cityCode, const QString& ipSn,
                                           const QString& serverIp, const QString&,
                                           const QString& ispCode, const QString& zipCode,
                                           const QString& continent, const QString& pcExtra,
                                           int nValue)
{
    emit signal_SetUiData(kUiDeviceSaveStart, QStringLiteral("start"), nValue);
    sendRequest(newRequest(BATCH_SAVE_DEVICE_RESULT, kSaveDescription,
                           "/api/client/save_session_id", nValue),
                {{"data", utf8(data)},
                 {"time_type", equipmentPlan()},
                 {"out_ip", utf8(outIp)},
                 {"country_code", utf8(countryCode)},
                 {"st_code", utf8(stCode)},
                 {"city_code", utf8(cityCode)},
                 {"ip_sn", utf8(ipSn)},
                 {"server_ip", utf8(serverIp)},
                 {"isp_code", utf8(ispCode)},
                 {"zip_code", utf8(zipCode)},
                 {"continent", utf8(continent)},
                 {"pc_extra", utf8(pcExtra)}});
}

void InterfacePost::pushBatchSaveEnableDifferent(const QString& data, const QString& pcExtra,
                                                 int nValue)
{
    emit signal_SetUiData(kUiDeviceSaveStart, QStringLiteral("start"), nValue);
    sendRequest(
        newRequest(BATCH_SAVE_DEVICE_RESULT, kSaveDescription, "/api/client/batch_save_device",
                   nValue),
        {{"data", utf8(data)}, {"time_type", equipmentPlan()}, {"pc_extra", utf8(pcExtra)}});
}

void InterfaceRecv::slotGetDeviceList(HTTPEvent_KX* pEvent)
{
    const int nValue = tagOf(pEvent);
    const QString qstrMsg = QString::fromStdString(answerMsg(pEvent));
    if (answerCode(pEvent) != 0) {
        emit signal_SetUiData(kUiDeviceListRefused, QStringLiteral("stop"), Proxy_Equipment);
    } else {
        const Json::Value& retData = JsonRead::member(pEvent->m_jsValue, "ret_data");
        ProxyManager::GetInstance()->setDataJsonByProxyType(JsonRead::member(retData, "list"),
                                                            Proxy_Equipment);
        emit signal_SetUiData(nValue == kRefreshInPlace ? kUiDevicesUpdated : kUiDevicesRebuilt,
                              qstrMsg, Proxy_Equipment);
    }
    emit signal_SetUiData(kUiDeviceListDone, QStringLiteral("enable"), nValue);
}

void InterfaceRecv::slotGetEquipmentListHistory(HTTPEvent_KX* pEvent)
{
    const Json::Value& retData = JsonRead::member(pEvent->m_jsValue, "ret_data");
    if (answerCode(pEvent) == 0 && retData.isArray()) {
        ProxyManager::GetInstance()->setDataJsonByProxyType(retData, Proxy_EquipmentLineHistory);
        emit signal_SetUiData(kUiHistoryStored, QString::fromStdString(answerMsg(pEvent)),
                              Proxy_EquipmentLineHistory);
    }
    emit signal_SetUiData(kUiHistoryButtons, QStringLiteral("enable"), 1);
}

void InterfaceRecv::slotBatchSaveDevice(HTTPEvent_KX* pEvent)
{
    emit signal_SetUiData(kUiDeviceSaved, QString::fromStdString(answerMsg(pEvent)),
                          answerCode(pEvent));
    emit signal_SetUiData(kUiDeviceSaveDone, QStringLiteral("result"), tagOf(pEvent));
}

// The device screens lock themselves while a request runs; a lost one must unlock them too.
bool InterfaceRecv::reportDeviceFailure(HTTPEvent_KX* pEvent)
{
    const int nValue = tagOf(pEvent);
    switch (pEvent->m_nCmd) {
    case GET_DEVICE_LIST_RESULT:
        emit signal_SetUiData(kUiDeviceListRefused, QStringLiteral("stop"), Proxy_Equipment);
        emit signal_SetUiData(kUiDeviceListDone, QStringLiteral("enable"), nValue);
        return true;
    case GET_EQUIPMENT_LINE_LIST_RESULT:
        emit signal_SetUiData(kUiListRefused, unreachableText(), Proxy_EquipmentLine);
        emit signal_SetUiData(kUiDeviceLineButtons, QStringLiteral("enable"), 1);
        return true;
    case CLIENT_GET_TODAYLIST_RESULT:
        emit signal_SetUiData(kUiHistoryButtons, QStringLiteral("enable"), 1);
        return true;
    case BATCH_SAVE_DEVICE_RESULT:
        emit signal_SetUiData(kUiDeviceSaved, unreachableText(), -1);
        emit signal_SetUiData(kUiDeviceSaveDone, QStringLiteral("result"), nValue);
        return true;
    default:
        return false;
    }
}
