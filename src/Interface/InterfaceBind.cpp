// Binding exits to local ports: today reuse or purchase, the balance and 24-hour checks,
// the engine's "/api/set_port_session" and the answers to them.
#include "DataManager/Proxy/ProxyManager.h"
#include "Interface/GlobleParam.h"
#include "Interface/InterfaceRecv.h"
#include "PublicModule/HttpCurl/InterfaceBase/UiCodes.h"

#include <QDateTime>
#include <QJsonObject>

#include <limits>

namespace {

constexpr std::uint32_t kDaySeconds = 86400;
constexpr int kRotatingPlan = 1;
constexpr int kDayPlan = 3;
constexpr int kStaticPlan = 6;
constexpr int kTrafficPlan = 11;
const char* const kRouteSetPortSession = "/api/set_port_session";

// The engine's binding request carries the pairing to its answer.
HTTPEvent_KX* withPairing(HTTPEvent_KX* pEvent, const QString& key, const QString& port, int nType)
{
    pEvent->m_nParam7 = nType;
    pEvent->m_strGbk = key.toStdString();
    pEvent->m_strMd5 = port.toStdString();
    return pEvent;
}

// One waiting browser window goes with exactly one binding.
void handOverBrowserWindow(HTTPEvent_KX* pEvent)
{
    GlobleParam* pParam = GlobleParam::GetInstance();
    if (!pParam || !pParam->getBrowserBindOpen() || pParam->getBrowserWndID().isEmpty())
        return;
    pEvent->m_strfilekey = pParam->getBrowserWndID().toStdString();
    pParam->setBrowserWndID(QString());
}

// A batch position that failed: the popup counts it and sends the next one.
void failBatchPosition(InterfacePost& post, int nValue)
{
    emit post.signal_SetUiData(kUiBatchFailed, QStringLiteral("failed"), 0);
    emit post.signal_SetUiData(kUiBatchContinue, QStringLiteral("continue"), nValue);
}

// A browser window handed over with the request moves to the bound port.
void updateBrowserWindow(InterfacePost& post, const HTTPEvent_KX* pEvent, const QString& port)
{
    const GlobleParam* pParam = GlobleParam::GetInstance();
    if (pParam && pParam->getBrowserBindOpen() && !pEvent->m_strfilekey.empty())
        post.pushUpdateBrowserWnd(pEvent->m_strfilekey, port.toStdString());
}

QString lineGoneText()
{
    return InterfacePost::tr("The line is no longer listed.");
}

// What a binding carries from its request to its answer.
struct BindContext
{
    QString qstrKey;
    QString qstrPort;
    int nIpTimeType;
    int nType;
    int nValue;
};

BindContext contextOf(const HTTPEvent_KX* pEvent)
{
    return {QString::fromStdString(pEvent->m_strGbk), QString::fromStdString(pEvent->m_strMd5),
            static_cast<int>(pEvent->m_nParam6), static_cast<int>(pEvent->m_nParam7),
            static_cast<int>(pEvent->m_nParam8)};
}

// Rotating and 24-hour exits open their line once through the new port, so it is warm.
void verifyBoundPort(InterfacePost& post, const BindContext& context)
{
    if (context.nIpTimeType == kRotatingPlan || context.nIpTimeType == kDayPlan)
        post.pushLocalIpVerify(context.qstrPort, context.nIpTimeType);
}

QString transportText(const HTTPEvent_KX* pEvent)
{
    const std::string& strText =
        pEvent->m_strValue.empty() ? pEvent->m_strResult : pEvent->m_strValue;
    return strText.empty() ? InterfacePost::tr("The local engine could not be reached.")
                           : QString::fromStdString(strText);
}

ProxyManager* proxies()
{
    return ProxyManager::GetInstance();
}

} // namespace

void InterfacePost::pushSetPortSession(const QString& key, const QString& port, int nType,
                                       int nValue)
{
    pushSetPortSessionSecond(key, port, nType, nValue);
}

void InterfacePost::pushSetPortSessionSecond(const QString& key, const QString& port, int nType,
                                             int nValue)
{
    ProxyManager* pProxies = proxies();
    const bool bInToday = pProxies->isExistByKey(key, Proxy_Today);
    emit signal_SetUiData(kUiBindStart, QString(), nType);
    ProxyDataBase* pRow = pProxies->getListDataByKey(key, nType);
    if (!pRow) {
        emit signal_SetUiData(kUiBindFailed, lineGoneText(), nType);
        return;
    }
    if (bInToday) {
        ProxyDataBase* pToday = pProxies->getListDataByKey(key, Proxy_Today);
        if (isBoughtWithinDay(static_cast<TodayList*>(pToday)->getBuyTime(), GetTimeStamp_Uint())) {
            setPortSessionByToday(key, port, nType, nValue);
            return;
        }
        pToday->setBuyType(0);
    }
    pRow->setEnumInterface(pRow->getIpTimeType() == kDayPlan ? GET_CHECKIP_RESULT
                                                             : SET_PORT_SESSION_RESULT);
    setPortSessionByProxy(key, port, NONE_RESULT, nType, nValue);
}

void InterfacePost::pushAttachPortSession(const QString& key, const QString& port, int nType,
                                          int nValue)
{
    ProxyDataBase* pRow = proxies()->getListDataByKey(key, nType);
    if (!pRow) {
        failBatchPosition(*this, nValue);
        return;
    }
    pRow->setEnumInterface(pRow->getIpTimeType() == kDayPlan ? ATTACH_GET_CHECKIP_RESULT
                                                             : ATTACH_PORT_SESSION_RESULT);
    setPortSessionByProxy(key, port, ATTACH_PORT_SESSION_RESULT, nType, nValue);
}

void InterfacePost::setPortSessionByProxy(const QString& key, const QString& port,
                                          enmInterface enumCmd, int nType, int nValue)
{
    const bool bBatch = enumCmd == ATTACH_PORT_SESSION_RESULT;
    ProxyDataBase* pRow = proxies()->getListDataByKey(key, nType);
    const int nIpTimeType = pRow ? pRow->getIpTimeType() : 0;
    if (pRow && checkUseEnableByIpType(nIpTimeType)) {
        if (nIpTimeType == kDayPlan)
            pushSetPortTwentyFour(nIpTimeType, pRow, key, port, enumCmd, nType, nValue);
        else
            pushSetPortNormal(nIpTimeType, pRow, key, port, enumCmd, nType, nValue);
        return;
    }
    if (pRow)
        reportBalanceShort(nIpTimeType);
    else if (!bBatch)
        emit signal_SetUiData(kUiBindFailed, lineGoneText(), nType);
    if (bBatch) {
        failBatchPosition(*this, nValue);
    }
}

void InterfacePost::setPortSessionByToday(const QString& key, const QString& port, int nType,
                                          int nValue)
{
    const ProxyDataBase* pRow = proxies()->getListDataByKey(key, nType);
    if (!pRow) {
        emit signal_SetUiData(kUiBindFailed, lineGoneText(), nType);
        return;
    }
    HTTPEvent_KX* pEvent = withPairing(
        newEngineRequest(SET_TODAYPORT_SESSION_RESULT, "今日列表分配端口", kRouteSetPortSession, 1),
        key, port, nType);
    pEvent->m_nParam6 = pRow->getIpTimeType();
    pEvent->m_nParam8 = nValue;
    pEvent->m_vetParams =
        setPortSessionParams(*pRow, port, pRow->getIpTimeType(), SET_TODAYPORT_SESSION_RESULT);
    handOverBrowserWindow(pEvent);
    sendRequest(pEvent);
}

// The row is found again by key and list type when the answer comes; no pointer travels.
void InterfacePost::pushSetPortTwentyFour(int, ProxyDataBase* pRow, const QString& key,
                                          const QString& port, enmInterface, int nType, int nValue)
{
    HTTPEvent_KX* pEvent =
        serviceRecord(pRow->getEnumInterface(), "验证24小时是否可用", "/api/client/check_ip", 1);
    pEvent->m_nParam6 = kDayPlan;
    pEvent->m_nParam7 = nType;
    pEvent->m_nParam8 = nValue;
    pEvent->m_strGbk = key.toStdString();
    pEvent->m_strMd5 = port.toStdString();
    const QJsonObject line = pRow->getqjsonLine();
    // A value that is not text reads as empty.
    sendRequest(pEvent, {{"ip", line.value("ip").toString().toStdString()},
                         {"region", line.value("region").toString().toStdString()}});
}

void InterfacePost::pushSetPortNormal(int nIpTimeType, ProxyDataBase* pRow, const QString& key,
                                      const QString& port, enmInterface, int nType, int nValue)
{
    HTTPEvent_KX* pEvent =
        withPairing(newEngineRequest(pRow->getEnumInterface(), "分配端口", kRouteSetPortSession, 1),
                    key, port, nType);
    pEvent->m_nParam6 = nIpTimeType;
    pEvent->m_nParam8 = nValue;
    pEvent->m_vetParams = setPortSessionParams(*pRow, port, nIpTimeType, pEvent->m_nCmd);
    handOverBrowserWindow(pEvent);
    sendRequest(pEvent);
}

bool InterfacePost::checkUseEnableByIpType(int nIpTimeType)
{
    const GlobleParam* pParam = GlobleParam::GetInstance();
    if (!pParam)
        return false;
    switch (nIpTimeType) {
    case 1:
        return pParam->getIpNums() > 0;
    case kDayPlan:
        return pParam->getDayIpNums() > 0;
    case kStaticPlan:
        return pParam->getStaticIpNums() > 0;
    case kTrafficPlan:
        return pParam->getRealTrafficPlanNums() > 0.0f;
    default:
        return false;
    }
}

void InterfacePost::reportBalanceShort(int nIpTimeType)
{
    if (nIpTimeType == kTrafficPlan)
        emit signal_SetUiData(kUiBalanceShort, tr("Your data plan is insufficient,please renew."),
                              kTrafficPlan);
    else
        emit signal_SetUiData(kUiBalanceShort, tr("Your IP number is insufficient,please renew."),
                              nIpTimeType);
}

bool InterfacePost::isBoughtWithinDay(const QString& qstrBuyTime, std::uint32_t nNow)
{
    const QDateTime bought =
        QDateTime::fromString(qstrBuyTime, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    const qint64 nBought = bought.isValid() ? bought.toSecsSinceEpoch() : 0;
    if (nBought <= 0 || nBought > std::numeric_limits<std::uint32_t>::max())
        return false;
    return static_cast<std::uint32_t>(nNow - static_cast<std::uint32_t>(nBought)) <= kDaySeconds;
}

void InterfaceRecv::slotCheckIp(HTTPEvent_KX* pEvent)
{
    answerCheckIp(pEvent, false);
}

void InterfaceRecv::slotAttachGetCheckIp(HTTPEvent_KX* pEvent)
{
    answerCheckIp(pEvent, true);
}

void InterfaceRecv::answerCheckIp(HTTPEvent_KX* pEvent, bool bBatch)
{
    const BindContext context = contextOf(pEvent);
    ProxyDataBase* pRow = proxies()->getListDataByKey(context.qstrKey, context.nType);
    const bool bAccepted = answerCode(pEvent) == 0;
    if (bAccepted && pRow) {
        pRow->setEnumInterface(bBatch ? ATTACH_PORT_SESSION_RESULT : SET_PORT_SESSION_RESULT);
        pushSetPortNormal(context.nIpTimeType, pRow, context.qstrKey, context.qstrPort, NONE_RESULT,
                          context.nType, context.nValue);
        return;
    }
    emit signal_SetUiData(kUiBindFailed,
                          bAccepted ? lineGoneText() : QString::fromStdString(answerMsg(pEvent)),
                          context.nType);
    if (bBatch) {
        failBatchPosition(*this, context.nValue);
    }
}

void InterfaceRecv::slotSetPortSession(HTTPEvent_KX* pEvent)
{
    const BindContext context = contextOf(pEvent);
    if (answerCode(pEvent) != 0) {
        emit signal_SetUiData(kUiBindFailed, QString::fromStdString(answerMsg(pEvent)),
                              context.nType);
        return;
    }
    minusIpNumByIpTimeType(context.nIpTimeType);
    emit signal_RunBindPort(context.qstrKey, context.qstrPort, context.nType, context.nIpTimeType,
                            0);
    proxies()->noteProgramBinding(context.qstrPort, context.nValue);
    updateBrowserWindow(*this, pEvent, context.qstrPort);
    emit signal_SetUiData(kUiBound, context.qstrPort, context.nValue);
    verifyBoundPort(*this, context);
}

void InterfaceRecv::slotSetTodayPortSession(HTTPEvent_KX* pEvent)
{
    const BindContext context = contextOf(pEvent);
    if (answerCode(pEvent) != 0) {
        emit signal_SetUiData(kUiBindFailed, QString::fromStdString(answerMsg(pEvent)),
                              context.nType);
        return;
    }
    emit signal_RunBindPort(context.qstrKey, context.qstrPort, context.nType, context.nIpTimeType,
                            1);
    // No 148 here, yet a program connection to an exit kept today still gives the port.
    proxies()->noteProgramBinding(context.qstrPort, context.nValue);
    updateBrowserWindow(*this, pEvent, context.qstrPort);
}

void InterfaceRecv::slotAttachPortSession(HTTPEvent_KX* pEvent)
{
    const BindContext context = contextOf(pEvent);
    if (answerCode(pEvent) == 0) {
        minusIpNumByIpTimeType(context.nIpTimeType);
        emit signal_RunBindPort(context.qstrKey, context.qstrPort, context.nType,
                                context.nIpTimeType, 2);
        emit signal_SetUiData(kUiBatchSuccess, QStringLiteral("success"), 0);
        verifyBoundPort(*this, context);
    } else {
        emit signal_SetUiData(kUiBindFailed, QString::fromStdString(answerMsg(pEvent)), 0);
        emit signal_SetUiData(kUiBatchFailed, QStringLiteral("failed"), 0);
    }
    emit signal_SetUiData(kUiBatchContinue, QStringLiteral("continue"), context.nValue);
}

void InterfaceRecv::minusIpNumByIpTimeType(int nIpTimeType, int)
{
    emit signal_SetUiData(kUiMinusIpNum, QStringLiteral("minusIpNumByIpTimeType"), nIpTimeType);
}

void InterfaceRecv::slot_RunBindPort(QString qstrKey, QString qstrPort, int enumType,
                                     int nIpTimeType, int nValue)
{
    proxies()->runBindPortBySession(qstrKey, qstrPort, enumType, nIpTimeType, nValue);
}

// A binding whose transfer failed still ends: a single one is shown, a batch goes on.
bool InterfaceRecv::reportBindFailure(HTTPEvent_KX* pEvent)
{
    switch (pEvent->m_nCmd) {
    case SET_PORT_SESSION_RESULT:
    case SET_TODAYPORT_SESSION_RESULT:
    case GET_CHECKIP_RESULT:
        emit signal_SetUiData(kUiBindFailed, transportText(pEvent), 0);
        return true;
    case ATTACH_PORT_SESSION_RESULT:
    case ATTACH_GET_CHECKIP_RESULT:
        failBatchPosition(*this, static_cast<int>(pEvent->m_nParam8));
        return true;
    default:
        return false;
    }
}
