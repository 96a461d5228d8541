#include "Interface/GlobleParam.h"
#include "Interface/InterfaceRecv.h"
#include "PublicModule/HttpCurl/InterfaceBase/UiCodes.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"

#include <QDebug>

namespace {

constexpr int kStartUpTag = 0;

constexpr int kCodeUpdate = 1;
constexpr int kCodeNoUpdate = 2;
constexpr int kCodeAbnormal = 3;

using TextSetter = void (GlobleParam::*)(const QString&);

// The configuration keys that always set their property (missing reads as empty).
struct ConfigText
{
    const char* szKey;
    TextSetter setter;
};
const ConfigText kConfigTexts[] = {
    {"s5_help_url", &GlobleParam::setS5HelpUrl},
    {"pay_url_qt", &GlobleParam::setRechargeInlineUrl},
    {"ucenter_url", &GlobleParam::setRegisterUrl},
    {"guide_url", &GlobleParam::setGuideUrl},
    {"country_url", &GlobleParam::setCountryCodeUrl},
    {"ip_renewal_url", &GlobleParam::setUserStaticRenewUrl},
    {"pay_static_url", &GlobleParam::setPayStaticUrl},
    {"pay_flow_url", &GlobleParam::setWebsitePayUrl},
    {"settings_url", &GlobleParam::setProgramSettingUrl},
    {"device_url", &GlobleParam::setTutorialHelpUrl},
};
// The configuration keys that set their property only when not empty.
const ConfigText kConfigNonEmptyTexts[] = {
    {"web_pay_popular", &GlobleParam::setWebPayPopular},
    {"web_pay_long", &GlobleParam::setWebPayLong},
    {"web_pay_static", &GlobleParam::setWebPayStatic},
};

} // namespace

void InterfacePost::pushVersionInfo(int nValue)
{
    HTTPEvent_KX* pEvent = newRequest(VERSIONINFO_RESULT, "更新接口",
                                      "/api/client/socks_check_update_v1", nValue);
    sendRequest(pEvent, {{"version", kClientVersion}, {"is_qt", "1"}});
}

void InterfacePost::mainLoadReady(int)
{
    emit signal_SetUiData(kUiMainReady, QStringLiteral("success"), 0);
    if (GlobleParam* pParam = GlobleParam::GetInstance())
        pParam->initSideBar();
    pushGetConfig(0);
    pushGetUrl(0);
    pushGetColumn(0);
    autoLogin(0);
}

void InterfacePost::pushGetConfig(int nValue)
{
    sendRequest(newRequest(CONFIG_RESULT, "config", "/api/socks/config", nValue));
}

void InterfaceRecv::versionInfoSuccess(int nValue)
{
    emit signal_SetUiData(kUiStartDone, QStringLiteral("init success"), nValue);
}

// At start (tag 0) every outcome but "abnormal" lets the main screen load: an answer with
// a code this client does not know (or no object at all) counts as "no update" so the user
// is never left on the start screen. It changes nothing else, and a later check never
// turns it into "no update" for the user.
void InterfaceRecv::slotVersionInfo(HTTPEvent_KX* pEvent)
{
    GlobleParam* pParam = GlobleParam::GetInstance();
    if (!pParam)
        return;
    const int nCode = answerCode(pEvent);
    const int nTag = static_cast<int>(pEvent->m_nParam6);
    const Json::Value& retData = JsonRead::member(pEvent->m_jsValue, "ret_data");
    const bool bPayload = retData.isObject();
    if (nCode < kCodeUpdate || nCode > kCodeAbnormal) {
        if (nTag == kStartUpTag)
            versionInfoSuccess(0);
        return;
    }
    if (bPayload)
        pParam->setDomain(answerText(retData, "website_domain"));
    if (nCode == kCodeUpdate) {
        const int nState = bPayload ? offerUpdate(retData) : 0;
        if (nTag == kStartUpTag)
            versionInfoSuccess(nState);
    } else if (nCode == kCodeNoUpdate) {
        if (bPayload) {
            // This build is the newest one.
            const QString qstrVersion = pParam->getCurrentVersion();
            qDebug() << "current version:" << qstrVersion;
            pParam->setLatestVersion(qstrVersion);
        }
        if (nTag == kStartUpTag)
            versionInfoSuccess(0);
        else
            emit signal_SetUiData(kUiNoUpdate, QStringLiteral("no update"), nTag);
        pParam->setUpdateImmediately(false);
    } else {
        emit signal_SetUiData(kUiUpdateAbnormal, QStringLiteral("update abnormal"), 0);
        pParam->setUpdateImmediately(true);
    }
}

int InterfaceRecv::offerUpdate(const Json::Value& retData)
{
    GlobleParam* pParam = GlobleParam::GetInstance();
    pParam->setUpdateExeUrl(answerText(retData, "down_url"));
    pParam->setLatestVersion(answerText(retData, "show_version"));
    int nState = 1;
    if (JsonRead::getText(retData, "force_update") == "true") {
        emit signal_SetUiData(kUiUpdateOffered, QStringLiteral("update"), 1);
        downloadUpdateExe(0);
        nState = 2;
    } else {
        emit signal_SetUiData(kUiUpdateOffered, answerText(retData, "desc"), 0);
    }
    pParam->setUpdateImmediately(true);
    return nState;
}

void InterfaceRecv::slotGetConfig(HTTPEvent_KX* pEvent)
{
    GlobleParam* pParam = GlobleParam::GetInstance();
    const Json::Value& retData = JsonRead::member(pEvent->m_jsValue, "ret_data");
    if (!pParam || answerCode(pEvent) != 0 || !retData.isObject())
        return;
    const int nRefresh = JsonRead::getInt(retData, "time");
    if (nRefresh > 0)
        pParam->setRefreshTime(nRefresh);
    const int nDeviceRefresh = JsonRead::getInt(retData, "device_time");
    if (nDeviceRefresh > 0)
        pParam->setRefreshDevice(nDeviceRefresh);
    for (const ConfigText& item : kConfigTexts)
        (pParam->*item.setter)(answerText(retData, item.szKey));
    for (const ConfigText& item : kConfigNonEmptyTexts) {
        const QString qstrValue = answerText(retData, item.szKey);
        if (!qstrValue.isEmpty())
            (pParam->*item.setter)(qstrValue);
    }
    getConfigSuccess();
}

void InterfaceRecv::getConfigSuccess() {}
