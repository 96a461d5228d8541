// Line lists, serial checks and the today and favourite sync with the service.
#include "DataManager/Proxy/ProxyManager.h"
#include "DataManager/Search/SearchManager.h"
#include "Interface/GlobleParam.h"
#include "Interface/InterfaceRecv.h"
#include "PublicModule/HttpCurl/InterfaceBase/UiCodes.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"

#include <QDebug>

#include <vector>

namespace {

constexpr int kAppendPage = 10;

const char* const kRouteLineList = "/api/get_line_list";
const char* const kRouteStaticIpList = "/api/get_static_ip_list";
const char* const kRouteUserStatic = "/api/client/user_static";
const char* const kRouteDataCenter = "/api/client/user_data_center";
const char* const kRouteSnIsExist = "/api/sn_is_exist";

struct LineRoute
{
    const char* szRoute;
    _DomainType domain;
};

LineRoute mainListRoute(int nPlan)
{
    if (nPlan == 3)
        return {kRouteStaticIpList, DOMAIN_VIP};
    if (nPlan == 6)
        return {kRouteUserStatic, DOMAIN_LOGIN};
    return {kRouteLineList, DOMAIN_VIP};
}

LineRoute staticListRoute(int nPlan)
{
    return {nPlan == 12 ? kRouteDataCenter : kRouteUserStatic, DOMAIN_LOGIN};
}

LineRoute programListRoute(int nPlan)
{
    return {nPlan == 3 ? kRouteStaticIpList : kRouteLineList, DOMAIN_VIP};
}

// "random" is the search's word for any; the service wants an empty value.
std::string locationValue(const QString& qstrCode)
{
    return qstrCode == QLatin1String("random") ? std::string() : qstrCode.toStdString();
}

struct LineQuery
{
    QString qstrCountry, qstrState, qstrCity, qstrIsp, qstrIpPart, qstrPostal;
    int nNum = 50;
    std::string strPlanText;
    int nPlan = 0;
};

LineQuery currentSearch()
{
    SearchManager* pSearch = SearchManager::GetInstance();
    LineQuery query;
    query.qstrCountry = pSearch->getCurrentCountryCode();
    query.qstrState = pSearch->getCurrentStateCode();
    query.qstrCity = pSearch->getCurrentCityCode();
    query.qstrIpPart = pSearch->getIpSearch();
    query.qstrIsp = pSearch->getCurrentOperatorCode();
    query.qstrPostal = pSearch->getCurrentPostalCode();
    return query;
}

// The device line popup's own choice.
LineQuery equipmentSearch()
{
    SearchManager* pSearch = SearchManager::GetInstance();
    LineQuery query;
    query.qstrCountry = pSearch->getEquipmentCurrentCountryCode();
    query.qstrState = pSearch->getEquipmentCurrentStateCode();
    query.qstrCity = pSearch->getEquipmentCurrentCityCode();
    query.qstrIpPart = pSearch->getEquipmentIpSearch();
    query.qstrIsp = pSearch->getEquipmentCurrentIspCode();
    query.qstrPostal = pSearch->getEquipmentCurrentPostalCode();
    return query;
}

// Plan 4 always asks for rotating lines, and so does plan 11 where `bTrafficAsOne`.
std::string planText(int nPlan, bool bTrafficAsOne)
{
    if (nPlan == 4 || (bTrafficAsOne && nPlan == 11))
        return "1";
    return std::to_string(nPlan);
}

void appendLineParams(HTTPEvent_KX* pEvent, const LineQuery& query, GlobleParam& param)
{
    const std::string strNoRepeat =
        param.getRepeatProxy() ? std::string("0") : std::to_string(param.getPushRepeatTime());
    std::vector<ParamItem>& params = pEvent->m_vetParams;
    params.push_back({"country", locationValue(query.qstrCountry)});
    params.push_back({"state", locationValue(query.qstrState)});
    params.push_back({"city", locationValue(query.qstrCity)});
    params.push_back({"isp", locationValue(query.qstrIsp)});
    params.push_back({"ip_part", locationValue(query.qstrIpPart)});
    params.push_back({"postal", locationValue(query.qstrPostal)});
    params.push_back({"num", std::to_string(query.nNum)});
    params.push_back({"user", param.getUsernameSession().toStdString()});
    params.push_back({"pwd", param.getRadiusPassSession().toStdString()});
    params.push_back({"no_repeat", strNoRepeat});
    params.push_back({"ip_time_type", query.strPlanText});
    if (query.nPlan == 6)
        params.push_back({"size", "1000"});
}

QString msgOf(const HTTPEvent_KX* pEvent)
{
    return QString::fromStdString(InterfaceRecv::answerMsg(pEvent));
}

// An answer's "data" that is a list, or an object that stands for an empty one.
bool isLineList(const Json::Value& data)
{
    return data.isObject() || data.isArray();
}

// Why a list shows nothing new: the service's words, else ours.
QString listRefusal(const HTTPEvent_KX* pEvent)
{
    return InterfaceRecv::refusalText(pEvent,
                                      InterfaceRecv::tr("The line list could not be loaded."));
}

} // namespace

void InterfacePost::pushGetLineList(int nValue)
{
    emit signal_SetUiData(kUiMainListButtons, QStringLiteral("disable"), 0);
    GlobleParam* pParam = GlobleParam::GetInstance();
    if (!pParam)
        return;
    LineQuery query = currentSearch();
    query.nPlan = pParam->getMealType();
    query.strPlanText = planText(query.nPlan, true);
    const LineRoute route = mainListRoute(query.nPlan);
    HTTPEvent_KX* pEvent = newRequest(GET_LINE_LIST_RESULT, "获取在线列表", route.szRoute, nValue);
    pEvent->m_DomainType = route.domain;
    pEvent->m_nParam7 = query.nPlan;
    appendLineParams(pEvent, query, *pParam);
    sendRequest(pEvent);
}

void InterfacePost::pushGetStaticLineList(int nValue)
{
    emit signal_SetUiData(kUiStaticListButtons, QStringLiteral("disable"), 0);
    GlobleParam* pParam = GlobleParam::GetInstance();
    if (!pParam)
        return;
    LineQuery query = currentSearch();
    query.nPlan = pParam->getMealStaticType();
    qDebug() << "nMealType:" << query.nPlan;
    query.strPlanText = planText(query.nPlan, false);
    const LineRoute route = staticListRoute(query.nPlan);
    HTTPEvent_KX* pEvent =
        newRequest(GET_STATICLINE_LIST_RESULT, "获取静态在线列表", route.szRoute, nValue);
    pEvent->m_DomainType = route.domain;
    pEvent->m_nParam7 = query.nPlan;
    appendLineParams(pEvent, query, *pParam);
    sendRequest(pEvent);
}

void InterfacePost::pushGetProgramLineList(const QString& country, const QString& state,
                                           const QString& city, const QString& isp,
                                           const QString& postal, int num, int nValue)
{
    GlobleParam* pParam = GlobleParam::GetInstance();
    if (!pParam)
        return;
    if (pParam->getOtherProxy()) {
        qDebug() << "other proxy enable is opened";
        return;
    }
    if (!pParam->getSocks5Globle() && ProxyManager::GetInstance()->getTargetName().isEmpty()) {
        emit signal_SetUiData(30, tr("The program list is empty,please add the program first!"), 0);
        return;
    }
    pParam->setSocks5Param14(pParam->getSocks5Globle() ? QStringLiteral("true")
                                                       : QStringLiteral("false"));
    const int nSwitchTime = pParam->getProgramSwitchTime();
    if (nSwitchTime < 5 || nSwitchTime > 720)
        pParam->setProgramSwitchTime(30);
    LineQuery query{country, state, city, isp, QString(), postal, num, {}, pParam->getMealType()};
    qDebug() << "nMealType:" << query.nPlan;
    query.strPlanText = planText(query.nPlan, true);
    const LineRoute route = programListRoute(query.nPlan);
    HTTPEvent_KX* pEvent =
        newRequest(GET_PROGRAM_LINE_LIST_RESULT, "获取进程代理列表", route.szRoute, nValue);
    pEvent->m_DomainType = route.domain;
    pEvent->m_nParam7 = query.nPlan;
    appendLineParams(pEvent, query, *pParam);
    sendRequest(pEvent);
}

void InterfacePost::pushGetEquipmentLineList(int nMeal, int nValue)
{
    emit signal_SetUiData(kUiDeviceLineButtons, QStringLiteral("disable"), 0);
    qDebug() << "nMealType:" << nMeal << "nValue:" << nValue;
    GlobleParam* pParam = GlobleParam::GetInstance();
    if (!pParam)
        return;
    pParam->setEquipmentMealType(nMeal);
    LineQuery query = equipmentSearch();
    query.nPlan = nMeal;
    query.strPlanText = planText(nMeal, true);
    const LineRoute route = mainListRoute(nMeal);
    HTTPEvent_KX* pEvent =
        newRequest(GET_EQUIPMENT_LINE_LIST_RESULT, "获取在线列表", route.szRoute, nValue);
    pEvent->m_DomainType = route.domain;
    pEvent->m_nParam7 = nMeal;
    appendLineParams(pEvent, query, *pParam);
    sendRequest(pEvent);
}

namespace {

HTTPEvent_KX* serialCheck(HTTPEvent_KX* pEvent, const QString& sn)
{
    pEvent->m_DomainType = DOMAIN_VIP;
    const GlobleParam* pParam = GlobleParam::GetInstance();
    pEvent->m_vetParams.push_back({"sn", sn.toStdString()});
    pEvent->m_vetParams.push_back(
        {"user_name", pParam ? pParam->getUsernameSession().toStdString() : std::string()});
    return pEvent;
}

} // namespace

void InterfacePost::pushSnIsExist(const QString& sn, int nValue)
{
    sendRequest(serialCheck(
        newRequest(SN_IS_EXIST_RESULT, "在线检测(sn是否存在)", kRouteSnIsExist, nValue), sn));
}

void InterfacePost::pushFavoriteSnIsExist(const QString& sn, int nValue)
{
    sendRequest(serialCheck(newRequest(FAVORITESN_IS_EXIST_RESULT, "收藏列表在线检测(sn是否存在)",
                                       kRouteSnIsExist, nValue),
                            sn));
}

void InterfacePost::pushEquipmentLineHistorySnIsExist(const QString& sn, int nValue)
{
    sendRequest(
        serialCheck(newRequest(EUIPMENTLINEHISTORY_IS_EXIST_RESULT,
                               "设备历史使用线路在线检测(sn是否存在)", kRouteSnIsExist, nValue),
                    sn));
}

void InterfacePost::pushGetTodaylist(int nValue)
{
    sendRequest(
        newRequest(GET_TODAY_LIST_RESULT, "获取todaylist", "/api/client/get_todaylist", nValue));
}

void InterfacePost::pushGetCollectlist(int nValue)
{
    sendRequest(
        newRequest(GET_COLLCET_LIST_RESULT, "获取收藏", "/api/client/get_collect_line", nValue));
}

void InterfacePost::pushBatchSaveTodaylist(const QString& data, int nValue)
{
    const GlobleParam* pParam = GlobleParam::GetInstance();
    const int nPlan = pParam ? pParam->getMealType() : 0;
    sendRequest(
        newRequest(BATCH_SAVE_TODAYLIST_RESULT, "批量上传todaylist",
                   "/api/client/batch_save_todaylist", nValue),
        {{"data", data.toStdString()}, {"type", "1"}, {"time_type", std::to_string(nPlan)}});
}

void InterfacePost::pushBatchSaveEquipmentlHistory(const QString& data, int nValue)
{
    const GlobleParam* pParam = GlobleParam::GetInstance();
    const int nPlan = pParam ? pParam->getEquipmentMealType() : 0;
    if (nPlan != 1 && nPlan != 3)
        return;
    sendRequest(
        newRequest(BATCH_SAVE_EQUIPMENTLISTHISTORY_RESULT, "批量上传设备线路历史记录",
                   "/api/client/batch_save_todaylist", nValue),
        {{"data", data.toStdString()}, {"type", "2"}, {"time_type", nPlan == 1 ? "1" : "2"}});
}

void InterfacePost::pushBatchSaveCollectlist(const QString& data, int nValue)
{
    sendRequest(newRequest(BATCH_SAVE_COLLECTLIST_RESULT, "批量上传收藏",
                           "/api/client/batch_save_collect_line", nValue),
                {{"data", data.toStdString()}});
}

void InterfacePost::pushUserFlow(int nValue)
{
    sendRequest(newRequest(USER_FLOW_RESULT, "用户余额", "/api/user_flow", nValue));
}

// A failed fetch stores nothing; only an answer with code 0 replaces the shown list. An
// object "data" empties the list, except on a request for one more page.
void InterfaceRecv::storeLineList(HTTPEvent_KX* pEvent,
                                  void (ProxyManager::*setList)(const Json::Value&), int nOrigin,
                                  int nStoredMessage)
{
    const Json::Value& data = JsonRead::member(pEvent->m_jsValue, "data");
    const bool bPage = pEvent->m_nParam6 == kAppendPage;
    if (answerCode(pEvent) != 0) {
        emit signal_SetUiData(kUiListRefused, listRefusal(pEvent), nOrigin);
        return;
    }
    if (!isLineList(data) || (bPage && data.isObject()))
        return;
    (ProxyManager::GetInstance()->*setList)(data);
    if (!bPage) {
        emit signal_SetUiData(nStoredMessage, msgOf(pEvent), nOrigin);
        return;
    }
    qDebug() << "slotGetLineList:" << data.size();
    emit signal_SetUiData(data.empty() ? kUiPageEmpty : kUiPageAppended, msgOf(pEvent), nOrigin);
}

void InterfaceRecv::slotGetLineList(HTTPEvent_KX* pEvent)
{
    qDebug() << "slotGetLineList...begin";
    storeLineList(pEvent, &ProxyManager::setProxyListDataJson, Proxy_Online);
    emit signal_SetUiData(kUiMainListButtons, QStringLiteral("enable"), 1);
    qDebug() << "slotGetLineList...end" << answerCode(pEvent);
}

// A null answer still says "null" to the pages, and is then refused with a reason as on the
// main list; an accepted answer without a list found nothing, which the static page says as
// the main list's empty notice does. So the static page never stays blank.
void InterfaceRecv::slotGetStaticLineList(HTTPEvent_KX* pEvent)
{
    if (pEvent->m_jsValue.isNull())
        emit signal_SetUiData(kUiPageAppended, QStringLiteral("null"), Proxy_StaticOnline);
    storeLineList(pEvent, &ProxyManager::setStaticProxyListDataJson, Proxy_StaticOnline);
    if (answerCode(pEvent) == 0 && !isLineList(JsonRead::member(pEvent->m_jsValue, "data")))
        emit signal_SetUiData(kUiPageEmpty, msgOf(pEvent), Proxy_StaticOnline);
    emit signal_SetUiData(kUiStaticListButtons, QStringLiteral("enable"), 1);
}

void InterfaceRecv::slotGetEquipmentLineList(HTTPEvent_KX* pEvent)
{
    storeLineList(pEvent, &ProxyManager::setEquipmentLineListDataJson, Proxy_EquipmentLine,
                  kUiDeviceLinesStored);
    emit signal_SetUiData(kUiDeviceLineButtons, QStringLiteral("enable"), 1);
}

void InterfaceRecv::slotGetProgramLineList(HTTPEvent_KX* pEvent)
{
    const Json::Value& data = JsonRead::member(pEvent->m_jsValue, "data");
    const int nValue = static_cast<int>(pEvent->m_nParam6);
    // The main window stopped its program timer for this request: the user learns why it
    // stays off.
    if (answerCode(pEvent) != 0) {
        emit signal_SetUiData(kUiProgramTip, listRefusal(pEvent), nValue);
        return;
    }
    if (data.isObject()) {
        emit signal_SetUiData(kUiProgramTip, msgOf(pEvent), nValue);
    } else if (data.isArray() && !data.empty()) {
        ProxyManager::GetInstance()->addDataByJsonArray(data, Proxy_ProgramLine, 0);
        emit signal_SetUiData(kUiProgramStart, QStringLiteral("start program"), nValue);
    } else if (data.isArray()) {
        qDebug() << "line list is empty";
        emit signal_SetUiData(kUiProgramTip, msgOf(pEvent), nValue);
    }
}

void InterfaceRecv::answerSerialCheck(HTTPEvent_KX* pEvent,
                                      void (ProxyManager::*setState)(const Json::Value&))
{
    const Json::Value& data = JsonRead::member(pEvent->m_jsValue, "data");
    if (answerCode(pEvent) == 0 && data.isArray())
        (ProxyManager::GetInstance()->*setState)(data);
}

void InterfaceRecv::slotSnIsExist(HTTPEvent_KX* pEvent)
{
    answerSerialCheck(pEvent, &ProxyManager::setSnState);
    emit signal_SetUiData(kUiListState, QStringLiteral("stop"),
                          static_cast<int>(pEvent->m_nParam6));
}

void InterfaceRecv::slotFavoriteSnIsExist(HTTPEvent_KX* pEvent)
{
    answerSerialCheck(pEvent, &ProxyManager::setFavoriteSnState);
    emit signal_SetUiData(kUiListState, QStringLiteral("stop"),
                          static_cast<int>(pEvent->m_nParam6));
}

void InterfaceRecv::slotEquipmentLineHistorySnIsExist(HTTPEvent_KX* pEvent)
{
    answerSerialCheck(pEvent, &ProxyManager::setEquipmentLineHistorySnState);
    emit signal_SetUiData(kUiDeviceCheckButton, QStringLiteral("enable"), 1);
}

void InterfaceRecv::slotGetTodaylist(HTTPEvent_KX* pEvent)
{
    qDebug() << "slotGetTodaylist...begin";
    const Json::Value& retData = JsonRead::member(pEvent->m_jsValue, "ret_data");
    if (answerCode(pEvent) == 0 && retData.isArray()) {
        ProxyManager::GetInstance()->setRemoteTodayListDataJson(retData);
        emit signal_SetUiData(kUiListUpdated, QString(), 0);
    }
    qDebug() << "slotGetTodaylist...end" << answerCode(pEvent);
}

void InterfaceRecv::slotGetCollectlist(HTTPEvent_KX* pEvent)
{
    qDebug() << "slotGetCollectlist...begin";
    const Json::Value& retData = JsonRead::member(pEvent->m_jsValue, "ret_data");
    if (answerCode(pEvent) == 0 && retData.isArray()) {
        ProxyManager::GetInstance()->setRemoteFavoriteListDataJson(retData);
        emit signal_SetUiData(kUiFavoritesFetched, QString(), 0);
    }
    qDebug() << "slotGetCollectlist...end" << answerCode(pEvent);
}

void InterfaceRecv::slotBatchSaveTodaylist(HTTPEvent_KX* pEvent)
{
    qDebug() << "slotBatchSaveTodaylist" << answerCode(pEvent) << msgOf(pEvent);
}

void InterfaceRecv::slotUserFlow(HTTPEvent_KX* pEvent)
{
    qDebug() << "slotUserFlow:" << answerCode(pEvent) << msgOf(pEvent);
}

// The list screens wait for an answer; a failed transfer ends the wait all the same, with
// its reason.
bool InterfaceRecv::reportProxyListFailure(HTTPEvent_KX* pEvent)
{
    switch (pEvent->m_nCmd) {
    case GET_LINE_LIST_RESULT:
        emit signal_SetUiData(kUiListRefused, unreachableText(), Proxy_Online);
        emit signal_SetUiData(kUiMainListButtons, QStringLiteral("enable"), 1);
        return true;
    case GET_STATICLINE_LIST_RESULT:
        emit signal_SetUiData(kUiListRefused, unreachableText(), Proxy_StaticOnline);
        emit signal_SetUiData(kUiStaticListButtons, QStringLiteral("enable"), 1);
        return true;
    case GET_PROGRAM_LINE_LIST_RESULT:
        emit signal_SetUiData(kUiProgramTip, unreachableText(),
                              static_cast<int>(pEvent->m_nParam6));
        return true;
    case SN_IS_EXIST_RESULT:
    case FAVORITESN_IS_EXIST_RESULT:
        emit signal_SetUiData(kUiListState, QStringLiteral("stop"),
                              static_cast<int>(pEvent->m_nParam6));
        return true;
    case EUIPMENTLINEHISTORY_IS_EXIST_RESULT:
        emit signal_SetUiData(kUiDeviceCheckButton, QStringLiteral("enable"), 1);
        return true;
    default:
        return false;
    }
}
