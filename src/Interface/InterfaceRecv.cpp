#include "Interface/InterfaceRecv.h"

#include "DataManager/Proxy/ProxyManager.h"
#include "Interface/GlobleParam.h"
#include "PublicModule/HttpCurl/InterfaceBase/UiCodes.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/httpBase/HTTPEvent_KX.h"

#include <QDebug>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

constexpr int kStartUpTag = 0;

constexpr int kTimerCheckProxy = 100;
constexpr int kTimerCheckSn = 101;
constexpr int kTimerStart = 102;
constexpr int kTimerStop = 0;
constexpr int kTimerRun = 1;
constexpr int kTimerTick = 100;

struct TimerRule
{
    int nId;
    int nIntervalMs;
    QTimer* (InterfaceRecv::*pGet)();
};
const TimerRule kTimerRules[] = {
    {kTimerCheckProxy, 2000, &InterfaceRecv::getTimerCheckProxy},
    {kTimerCheckSn, 5000, &InterfaceRecv::getTimerCheckSn},
    {kTimerStart, 300, &InterfaceRecv::getTimerStart}};

} // namespace

InterfaceRecv::InterfaceRecv()
{
    qDebug() << "InterfaceRecv...begin";
    g_pWebRecv = this;
    connect(this, &InterfaceRecv::signal_StartCheckProxy, this, &InterfaceRecv::slot_TimerRecv);
    connect(this, &InterfaceRecv::signal_RunBindPort, this, &InterfaceRecv::slot_RunBindPort);
}

InterfaceRecv* InterfaceRecv::GetInstance()
{
    return dynamic_cast<InterfaceRecv*>(g_pWebRecv);
}

int InterfaceRecv::answerCode(const HTTPEvent_KX* pEvent)
{
    const Json::Value& answer = pEvent->m_jsValue;
    if (!answer.isObject())
        return -1;
    const std::string strCode = JsonRead::getText(answer, "code");
    // Clamped, not narrowed: a code beyond int must never wrap round to 0, "success".
    const long long nCode = std::strtoll(strCode.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long long>(nCode, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

std::string InterfaceRecv::answerMsg(const HTTPEvent_KX* pEvent)
{
    return JsonRead::getText(pEvent->m_jsValue, "msg");
}

QString InterfaceRecv::answerText(const Json::Value& object, const char* szKey)
{
    return QString::fromStdString(JsonRead::getString(object, szKey));
}

QString InterfaceRecv::refusalText(const HTTPEvent_KX* pEvent, const QString& qstrFallback)
{
    const QString qstrMsg = QString::fromStdString(answerMsg(pEvent));
    return qstrMsg.isEmpty() ? qstrFallback : qstrMsg;
}

QString InterfaceRecv::unreachableText()
{
    return tr("The service could not be reached. Please try again.");
}

void InterfaceRecv::PostEventInterface(HTTPEvent_KX* pEvent)
{
    switch (pEvent->m_nCmd) {
    case RECV_GETDOMAIN: {
        qDebug() << "PostEventInterface...Init";
        qDebug() << "RECV_GETDOMAIN Complete";
        const GlobleParam* pParam = GlobleParam::GetInstance();
        SetLanguage(pParam ? QstrToStr(pParam->getLangCode()) : std::string());
        pushVersionInfo(kStartUpTag);
        break;
    }
    case VERSIONINFO_RESULT: slotVersionInfo(pEvent); break;
    case URL_RESULT: slotGetUrl(pEvent); break;
    case CONFIG_RESULT: slotGetConfig(pEvent); break;
    case MIDIMG_DOWNLOAD_RESULT: slotDownMidImage(pEvent); break;
    case CAROUSE_RESULT: slotDownCarouselImage(pEvent); break;
    case COLUMN_RESULT: slotGetColumn(pEvent); break;
    case COLUMN_DOWNLOAD_RESULT: slotpushDownloadSidePic(pEvent); break;
    case LOGIN_RESULT: slotLogin(pEvent); break;
    case GOOGLE_LOGIN_RESULT: slotGoogleLogin(pEvent); break;
    case SOCKS_GETIP_RESULT: slotGetIpNum(pEvent); break;
    case LOGOUT_RESULT: slotLogOut(pEvent); break;
    case GET_UNREAD_NUM: slotGetMsgUnreadNum(pEvent); break;
    case GET_MSG_LIST: slotGetMsgList(pEvent); break;
    case SAVE_READ_MSG: slotSaveReadMsg(pEvent); break;
    case GET_CATA_RESULT: slotGetFeedbackCategory(pEvent); break;
    case PUSHPICTURE_UP_RESULT: slotUploadFeedbackPicture(pEvent); break;
    case SUBMIT_UP_RESULT: slotPushFeedbackInfo(pEvent); break;
    case WEB_USE_CDK_RESULT: slotUseCDK(pEvent); break;
    case GET_LINE_LIST_RESULT: slotGetLineList(pEvent); break;
    case GET_STATICLINE_LIST_RESULT: slotGetStaticLineList(pEvent); break;
    case GET_PROGRAM_LINE_LIST_RESULT: slotGetProgramLineList(pEvent); break;
    case SN_IS_EXIST_RESULT: slotSnIsExist(pEvent); break;
    case FAVORITESN_IS_EXIST_RESULT: slotFavoriteSnIsExist(pEvent); break;
    case EUIPMENTLINEHISTORY_IS_EXIST_RESULT: slotEquipmentLineHistorySnIsExist(pEvent); break;
    case GET_TODAY_LIST_RESULT: slotGetTodaylist(pEvent); break;
    case GET_COLLCET_LIST_RESULT: slotGetCollectlist(pEvent); break;
    case BATCH_SAVE_TODAYLIST_RESULT: slotBatchSaveTodaylist(pEvent); break;
    case USER_FLOW_RESULT: slotUserFlow(pEvent); break;
    case GET_DEVICE_LIST_RESULT: slotGetDeviceList(pEvent); break;
    case GET_EQUIPMENT_LINE_LIST_RESULT: slotGetEquipmentLineList(pEvent); break;
    case CLIENT_GET_TODAYLIST_RESULT: slotGetEquipmentListHistory(pEvent); break;
    case BATCH_SAVE_DEVICE_RESULT: slotBatchSaveDevice(pEvent); break;
    case GET_AREA_LIST_V2_RESULT:
    case GET_ISP_LIST_RESULT:
    case GET_ZIP_LIST_RESULT:
    case EN_SOCKS_STATIC_AREA_LIST:
    case EN_SOCKS_STATIC_ISP_LIST:
    case EN_SOCKS_STATIC_ZIP_LIST: slotGetCatalogue(pEvent); break;
    case RESULT_SAVEJSON: slotRunSaveByJson(pEvent); break;
    case CHECKUSERSTATICIP_RESULT: slotCheckUserStaticIPExpire(pEvent); break;
    case GET_CHECKIP_RESULT: slotCheckIp(pEvent); break;
    case ATTACH_GET_CHECKIP_RESULT: slotAttachGetCheckIp(pEvent); break;
    case SET_PORT_SESSION_RESULT: slotSetPortSession(pEvent); break;
    case SET_TODAYPORT_SESSION_RESULT: slotSetTodayPortSession(pEvent); break;
    case ATTACH_PORT_SESSION_RESULT: slotAttachPortSession(pEvent); break;
    case GET_SERVER_STATUS_RESULT: slotGetServerStatus(pEvent); break;
    case SET_USEDPORT_SESSION_RESULT: slotSetUsedPortSession(pEvent); break;
    case FREE_PORT_SESSION_RESULT: slotFreePortByKey(pEvent); break;
    case FREE_PORT_ALL_RESULT: slotFreePortAll(pEvent); break;
    case SET_PORT_SCOPE_RESULT: slotSetPortScope(pEvent); break;
    default: answerBrowser(pEvent); break;
    }
}

void InterfaceRecv::PostEventInterfaceError(HTTPEvent_KX* pEvent)
{
    qDebug() << "PostEventInterfaceError" << pEvent->m_nCmd;
    if (!answerBrowser(pEvent) && !reportProxyListFailure(pEvent) &&
        !reportBindFailure(pEvent) && !reportDeviceFailure(pEvent))
        reportTransportFailure(pEvent);
}

// A screen that waits for an answer hears of the failure; the raw body never reaches it.
void InterfaceRecv::reportTransportFailure(HTTPEvent_KX* pEvent)
{
    const int nTag = static_cast<int>(pEvent->m_nParam6);
    const QString qstrUnreachable = unreachableText();
    switch (pEvent->m_nCmd) {
    case VERSIONINFO_RESULT:
        if (nTag == kStartUpTag)
            versionInfoSuccess(0);
        break;
    case LOGIN_RESULT:
        emit signal_SetUiData(kUiSignInResult, qstrUnreachable, 0);
        break;
    case GOOGLE_LOGIN_RESULT:
        emit signal_SetUiData(kUiGooglePollEnable, QStringLiteral("enable"), nTag);
        break;
    case SOCKS_GETIP_RESULT:
        emit signal_SetUiData(kUiBalances, QStringLiteral("refresh"), nTag);
        break;
    case LOGOUT_RESULT:
        slotLogOut(pEvent);
        break;
    case PUSHPICTURE_UP_RESULT:
        slotUploadFeedbackPicture(pEvent);
        break;
    case SUBMIT_UP_RESULT:
        emit signal_SetUiData(kUiFeedbackSent, qstrUnreachable, 1);
        break;
    case WEB_USE_CDK_RESULT:
        emit signal_SetUiData(kUiRedeemed, qstrUnreachable, -1);
        break;
    case CHECKUSERSTATICIP_RESULT:
        slotCheckUserStaticIPExpire(pEvent);
        break;
    case GET_SERVER_STATUS_RESULT:
        slotGetServerStatus(pEvent);
        break;
    default:
        break;
    }
}

void InterfaceRecv::SetDownloadEventInterface(HTTPEvent_KX* pEvent)
{
    if (pEvent->m_nParam6 != pEvent->m_nParam5)
        pEvent->m_nParam6 = pEvent->m_nParam5;
}

void InterfaceRecv::ResetAppState(int)
{
    qDebug() << "InterfaceRecv<->ResetAppState...";
}

void InterfaceRecv::getClientMac(Json::Value& value)
{
    value["mac"] = QstrToStr(getMacAddress());
}

QTimer* InterfaceRecv::makeTimer(QTimer*& pTimer, void (InterfaceRecv::*pTick)())
{
    if (!pTimer) {
        pTimer = new QTimer(this);
        connect(pTimer, &QTimer::timeout, this, pTick);
    }
    return pTimer;
}

QTimer* InterfaceRecv::getTimerCheckProxy()
{
    return makeTimer(m_timerCheckProxy, &InterfaceRecv::slotTimerCheckProxy);
}

QTimer* InterfaceRecv::getTimerCheckSn()
{
    return makeTimer(m_timerCheckSn, &InterfaceRecv::slotTimerCheckSn);
}

QTimer* InterfaceRecv::getTimerStart()
{
    return makeTimer(m_timerStart, &InterfaceRecv::slotTimerStart);
}

void InterfaceRecv::slotTimerCheckProxy()
{
    if (InterfaceRecv* pRecv = GetInstance())
        emit pRecv->signal_StartCheckProxy(kTimerCheckProxy, kTimerTick);
}

void InterfaceRecv::slotTimerCheckSn()
{
    if (InterfaceRecv* pRecv = GetInstance())
        emit pRecv->signal_StartCheckProxy(kTimerCheckSn, kTimerTick);
}

void InterfaceRecv::slotTimerStart()
{
    if (InterfaceRecv* pRecv = GetInstance())
        emit pRecv->signal_StartCheckProxy(kTimerStart, kTimerTick);
}

void InterfaceRecv::slot_TimerRecv(int nTimerId, int nState)
{
    for (const TimerRule& rule : kTimerRules) {
        if (rule.nId != nTimerId)
            continue;
        QTimer* pTimer = (this->*rule.pGet)();
        if (nState == kTimerStop)
            pTimer->stop();
        else if (nState == kTimerRun)
            pTimer->start(rule.nIntervalMs);
        else if (nState == kTimerTick && nTimerId == kTimerStart)
            qDebug() << "111111111111111111:102";
        else if (nState == kTimerTick && nTimerId == kTimerCheckProxy)
            pushGetServerStatus(0);
        else if (nState == kTimerTick && nTimerId == kTimerCheckSn)
            ProxyManager::GetInstance()->checkArraySn(0);
    }
}
