// Requests to the engine's local HTTP API and their answers: status, re-announcement of bound
// ports, freeing, port range, and the IP verification through a bound port.
#include "BuildConfig.h"
#include "DataManager/Proxy/ProxyManager.h"
#include "Interface/GlobleParam.h"
#include "Interface/InterfaceRecv.h"
#include "Interface/MyThread.h"
#include "Interface/MyThreadPool.h"
#include "Interface/ProxyGoProxy.h"
#include "PublicModule/HttpCurl/InterfaceBase/UiCodes.h"
#include "PublicModule/HttpCurl/httpBase/HTTPEvent_KX.h"
#include "PublicModule/HttpCurl/httpBase/WebInterface.h"

#include <QDebug>
#include <QJsonObject>
#include <QJsonValue>

#include <curl/curl.h>

namespace {

constexpr int kTimerCheckProxy = 100;
constexpr int kTimerStop = 0;

constexpr int kFreeAttempts = 3;

// Under --x both verify addresses are files of the test endpoint, so tests stay local.
const char* const kTestVerifyFile = "/files/verify-ip.json";
const char* const kTestIpInfoFile = "/files/ip-info.json";

// A line record value as text: anything but a JSON string reads as empty.
QString lineText(const QJsonObject& line, const char* szKey)
{
    const QJsonValue value = line.value(QLatin1String(szKey));
    return value.isString() ? value.toString() : QString();
}

QString orRandom(const QString& qstrValue)
{
    return qstrValue.isEmpty() ? QStringLiteral("random") : qstrValue;
}

QString withoutSpaces(QString qstrValue)
{
    return qstrValue.remove(QLatin1Char(' '));
}

// "country-city-third": the third part is the country again for 24-hour and static exits
// (spaces kept), else the continent.
QString areaText(const QJsonObject& line, int nIpTimeType, bool bRandomCity)
{
    const QString qstrCountry = lineText(line, "country");
    const QString qstrCity = lineText(line, "city");
    const QString qstrThird = nIpTimeType == 3 || nIpTimeType == 6
                                  ? orRandom(qstrCountry)
                                  : withoutSpaces(orRandom(lineText(line, "continent")));
    return withoutSpaces(orRandom(qstrCountry)) + QLatin1Char('-') +
           withoutSpaces(bRandomCity ? orRandom(qstrCity) : qstrCity) + QLatin1Char('-') +
           qstrThird;
}

ParamItem item(const char* szKey, const QString& qstrValue)
{
    return {szKey, qstrValue.toStdString()};
}

std::string answerAsText(const HTTPEvent_KX* pEvent)
{
    return pEvent->m_jsValue.toStyledString();
}

} // namespace

HTTPEvent_KX* InterfacePost::newEngineRequest(int nCmd, const char* szDescription,
                                              const char* szRoute, int nAttempts)
{
    HTTPEvent_KX* pEvent = serviceRecord(nCmd, szDescription, szRoute, nAttempts);
    pEvent->m_DomainType = DOMAIN_LOCAL;
    pEvent->m_strApiPort = std::to_string(ProxyGoProxy::GetInstance()->getApiPort());
    return pEvent;
}

std::vector<ParamItem> InterfacePost::setPortSessionParams(const ProxyDataBase& row,
                                                           const QString& qstrPort,
                                                           int nIpTimeType, int nCmd)
{
    const QJsonObject line = row.getqjsonLine();
    const GlobleParam* pParam = GlobleParam::GetInstance();
    std::vector<ParamItem> params{
        item("user_session", pParam ? pParam->getUsernameSession() : QString()),
        item("session_id", row.getSession()),
        item("port", qstrPort),
        item("sn", lineText(line, "sn")),
        item("server", lineText(line, "server")),
        item("ip", row.getIp()),
        item("time_type", QString::number(nIpTimeType))};
    if (nIpTimeType == 3 || nIpTimeType == 6)
        params.push_back(item("server_port", lineText(line, "server_port")));
    params.push_back(
        item("area", areaText(line, nIpTimeType, nCmd != SET_TODAYPORT_SESSION_RESULT)));
    if (nIpTimeType == 6)
        params.push_back({"use_type", "2"});
    else if (nIpTimeType == 11)
        params.push_back({"use_type", "3"});
    if (nCmd == SET_TODAYPORT_SESSION_RESULT || nCmd == SET_USEDPORT_SESSION_RESULT)
        params.push_back({"open_port", Encode(qstrPort.toStdString())});
    return params;
}

void InterfacePost::pushGetServerStatus(int nValue)
{
    HTTPEvent_KX* pEvent =
        newEngineRequest(GET_SERVER_STATUS_RESULT, "获取代理进程状态", "/api/get_server_status", 1);
    pEvent->m_nParam6 = nValue;
    sendRequest(pEvent);
}

bool InterfacePost::pushSetUsedPortSession(const QString& key, const QString& port, int nType,
                                           int)
{
    const ProxyDataBase* pRow = ProxyManager::GetInstance()->getListDataByKey(key, nType);
    if (!pRow)
        return false;
    HTTPEvent_KX* pEvent =
        newEngineRequest(SET_USEDPORT_SESSION_RESULT, "分配端口", "/api/set_port_session", 1);
    pEvent->m_nParam7 = nType;
    pEvent->m_strGbk = key.toStdString();
    pEvent->m_strMd5 = port.toStdString();
    pEvent->m_vetParams =
        setPortSessionParams(*pRow, port, pRow->getIpTimeType(), SET_USEDPORT_SESSION_RESULT);
    logRequest(pEvent);
    auto* pJob = new MyThread(0);
    pJob->setRecord(pEvent);
    MyThreadPool::GetInstance()->addThread(pJob, true);
    return true;
}

void InterfacePost::pushFreePortByKey(const QString& qstrKey, int)
{
    sendRequest(newEngineRequest(FREE_PORT_SESSION_RESULT, "释放指定端口", "/api/del_port_session",
                                 kFreeAttempts),
                {item("port", qstrKey)});
}

void InterfacePost::pushFreePortAll(int)
{
    sendRequest(newEngineRequest(FREE_PORT_ALL_RESULT, "释放全部端口", "/api/freed_proxy_port",
                                 kFreeAttempts));
}

void InterfacePost::pushSetPortScope(int)
{
    const GlobleParam* pParam = GlobleParam::GetInstance();
    if (!pParam)
        return;
    sendRequest(
        newEngineRequest(SET_PORT_SCOPE_RESULT, "reset port", "/api/set_port_proxy_scope", 1),
        {item("user", pParam->GetUsername()), item("pwd", pParam->getRadiusPass()),
         item("proxy_port_start", QString::number(pParam->getBeginPort())),
         item("proxy_port_num", QString::number(pParam->getPortNumber()))});
}

QString InterfacePost::getLocalHttpSimple(const QString& port)
{
    return QStringLiteral("http://127.0.0.1:%1").arg(port);
}

void InterfacePost::pushLocalIpVerify(const QString& port, int)
{
    std::string strVerify = QEL_VERIFY_URL;
    std::string strIpInfo = QEL_IP_INFO_URL;
    if (IsTestServer()) {
        strVerify = GetLoginDomian() + kTestVerifyFile;
        strIpInfo = GetLoginDomian() + kTestIpInfoFile;
    } else if (const GlobleParam* pParam = GlobleParam::GetInstance()) {
        strVerify = pParam->getVerifyUrl().toStdString();
    }
    for (const std::string& strTarget : {strVerify, strIpInfo}) {
        auto* pEvent = new HTTPEvent_KX(EN_LOCAL_IP_VERIFY);
        pEvent->m_nRequestType = REQUEST_VERIFY_HTTP;
        pEvent->m_strInterDescription = "http proxy";
        pEvent->m_DomainType = DOMAIN_EMPTY;
        pEvent->m_nParam1 = 1;
        pEvent->m_strInterface = strTarget;
        pEvent->m_strUrl = getLocalHttpSimple(port).toStdString();
        sendRequest(pEvent);
    }
}

void InterfaceRecv::slotGetServerStatus(HTTPEvent_KX* pEvent)
{
    if (!pEvent->m_bResult) {
        // Refused: the engine does not listen yet, so the screen polls again.
        const bool bNotListening = pEvent->m_nRequestError == CURLE_COULDNT_CONNECT;
        emit signal_SetUiData(bNotListening ? kUiEngineNotListening : kUiEngineStatus, QString(),
                              0);
        return;
    }
    if (answerCode(pEvent) != 0) {
        emit signal_SetUiData(kUiEngineStatus, QString(), 0);
        return;
    }
    emit signal_StartCheckProxy(kTimerCheckProxy, kTimerStop);
    emit signal_SetUiData(kUiEngineStatus, QString(), 1);
    checkServerStatusSuccess();
}

void InterfaceRecv::checkServerStatusSuccess()
{
    ProxyManager::GetInstance()->initStartSuccess(0);
    ProxyGoProxy::GetInstance()->startHttpServer();
}

void InterfaceRecv::slotSetUsedPortSession(HTTPEvent_KX* pEvent)
{
    if (answerCode(pEvent) == 0)
        qDebug() << "set used port success" << pEvent->m_strMd5.c_str();
}

void InterfaceRecv::slotFreePortByKey(HTTPEvent_KX* pEvent)
{
    qDebug() << "slotFreePortByKey:" << answerAsText(pEvent).c_str();
}

void InterfaceRecv::slotFreePortAll(HTTPEvent_KX* pEvent)
{
    qDebug() << "slotFreePortAll:" << answerAsText(pEvent).c_str();
}

void InterfaceRecv::slotSetPortScope(HTTPEvent_KX* pEvent)
{
    if (answerCode(pEvent) == 0)
        emit signal_SetUiData(kUiPortScopeSet, QString::fromStdString(answerMsg(pEvent)), 0);
}
