#include "PublicModule/HttpCurl/httpBase/WebInterface.h"

#include "BuildConfig.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/httpBase/HttpCurl.h"
#include "PublicModule/HttpCurl/httpBase/MyThreadBase.h"
#include "PublicModule/HttpCurl/httpBase/MyThreadPoolBase.h"
#include "PublicModule/HttpCurl/httpBase/WebRecv.h"

#include <QDebug>
#include <QObject>
#include <QThread>

#include <curl/curl.h>

#include <cstdlib>
#include <memory>
#include <sstream>

namespace {

constexpr unsigned long kRetryPauseMs = 300;

std::vector<std::string> splitList(const std::string& strList)
{
    std::vector<std::string> items;
    std::istringstream stream(strList);
    std::string strItem;
    while (std::getline(stream, strItem, ','))
        if (!strItem.empty())
            items.push_back(strItem);
    return items;
}

// The attempt count is the low 32 bits of m_nParam1; none or fewer mean one attempt.
int attemptCount(const HTTPEvent_KX* pRecord)
{
    const auto nLow = static_cast<std::int32_t>(static_cast<std::uint32_t>(pRecord->m_nParam1));
    return nLow > 0 ? nLow : 1;
}

// An answer over its size bound would be as large again: it is not asked for again.
bool isFinalFailure(const HTTPEvent_KX* pRecord)
{
    return pRecord->m_nRequestError == CURLE_FILESIZE_EXCEEDED;
}

} // namespace

WebInterface* WebInterface::GetInstance()
{
    static WebInterface instance;
    return &instance;
}

WebInterface::WebInterface()
{
    HttpCurl::GlobalInit();
    initDomain();
}

void WebInterface::initDomain()
{
    std::lock_guard<std::mutex> lock(m_domainMutex);
    m_vecDomain = splitList(QEL_API_STANDBY_URLS);
    m_vecResDomain = splitList(QEL_RES_STANDBY_URLS);
}

std::vector<std::string>* WebInterface::standbyList(_DomainType domainType)
{
    if (domainType == DOMAIN_LOGIN)
        return &m_vecDomain;
    if (domainType == DOMAIN_VIP)
        return &m_vecResDomain;
    return nullptr;
}

void WebInterface::SetStandbyDomains(_DomainType domainType,
                                     const std::vector<std::string>& domains)
{
    std::lock_guard<std::mutex> lock(m_domainMutex);
    if (std::vector<std::string>* pList = standbyList(domainType))
        *pList = domains;
}

std::vector<std::string> WebInterface::GetStandbyDomains(_DomainType domainType)
{
    std::lock_guard<std::mutex> lock(m_domainMutex);
    const std::vector<std::string>* pList = standbyList(domainType);
    return pList ? *pList : std::vector<std::string>();
}

void WebInterface::StartThread(HTTPEvent_KX* pRecord)
{
    auto* pTask = new MyThreadBase(0);
    pTask->setRunType(0);
    pTask->setPointer(pRecord);
    MyThreadPoolBase::GetInstance()->addThread(pTask, true);
}

int WebInterface::ThreadProc(void* pRecord)
{
    auto* pEvent = static_cast<HTTPEvent_KX*>(pRecord);
    if (!pEvent)
        return 0;
    WebInterface* pRunner = GetInstance();
    pEvent->m_bResult = 0;
    const int nAttempts = attemptCount(pEvent);
    // Downloads overwrite m_nParam2 with their progress, so the mode is taken once here.
    const auto nDownloadMode = static_cast<std::int32_t>(pEvent->m_nParam2);
    // GET and DELETE write the URL as sent over the route; every retry starts from the route.
    const std::string strRoute = pEvent->m_strInterface;
    for (int i = 0; i < nAttempts; ++i) {
        pEvent->m_strInterface = strRoute;
        const std::string strBase = pRunner->_GetEncodeDomain(pEvent);
        pEvent->m_bResult = pRunner->runAttempt(pEvent, nDownloadMode) ? 1 : 0;
        if (pEvent->m_bResult || HttpCurl::IsAborted() || isFinalFailure(pEvent))
            break;
        pRunner->checkDomianChange(pEvent, strBase);
        QThread::msleep(kRetryPauseMs);
    }
    report(pEvent);
    return 0;
}

bool WebInterface::runAttempt(HTTPEvent_KX* pRecord, int nDownloadMode)
{
    switch (pRecord->m_nRequestType) {
    case REQUEST_NORMAL:
    case REQUEST_ENCODE:
        return EncodeRequest(pRecord->m_strInterface, pRecord->m_vetParams, pRecord);
    case REQUEST_RUN:
        return RunRequest(pRecord);
    case REQUEST_GET:
        return GetRequest(pRecord->m_strInterface, pRecord);
    case REQUEST_FILE:
        return DownloadFile(pRecord, nDownloadMode);
    case REQUEST_INSTALL:
        return InstallFile(pRecord);
    case REQUEST_UPLOAD:
        return PostUpload(pRecord->m_strInterface, pRecord->m_strfileurl, pRecord);
    case REQUEST_DELETE:
        return DeleteRequest(pRecord->m_strInterface, pRecord->m_vetParams, pRecord);
    case REQUEST_SAVEJSON: {
        const bool bSaved = SaveJson(pRecord);
        pRecord->m_nParam1 = 0;
        return bSaved;
    }
    case REQUEST_JSON:
        return JsonRequest(pRecord->m_strInterface, pRecord);
    case REQUEST_VERIFY_HTTP:
        return verifyHttpAttempt(pRecord);
    default:
        return false;
    }
}

// The answer goes to the receiver's thread without the worker waiting for it; the record
// lives until the report has returned there, and is freed even if it is never delivered.
void WebInterface::report(HTTPEvent_KX* pRecord)
{
    std::shared_ptr<Event_KX> owner(pRecord);
    WebRecv* pRecv = g_pWebRecv;
    if (!pRecv)
        return;
    auto deliver = [pRecv, pRecord, owner]() mutable {
        if (pRecord->m_bResult)
            pRecv->PostEvent(pRecord);
        else
            pRecv->PostEventError(pRecord);
        owner.reset();
    };
    QObject* pContext = dynamic_cast<QObject*>(pRecv);
    if (!pContext) {
        deliver();
        return;
    }
    QMetaObject::invokeMethod(pContext, std::move(deliver), Qt::QueuedConnection);
}

bool WebInterface::RunRequest(HTTPEvent_KX*)
{
    return true;
}

std::string WebInterface::_GetEncodeDomain(HTTPEvent_KX* pRecord)
{
    if (!g_pWebRecv)
        return std::string();
    switch (pRecord->m_DomainType) {
    case DOMAIN_LOGIN:
        return g_pWebRecv->GetLoginDomian();
    case DOMAIN_LOG:
        return g_pWebRecv->GetLogDomian();
    case DOMAIN_VIP:
        return g_pWebRecv->GetVipDomian();
    case DOMAIN_TEST:
        return g_pWebRecv->GetTestDomian();
    case DOMAIN_ACTIVE:
        return g_pWebRecv->GetActiveDomian();
    case DOMAIN_LOCAL:
        return g_pWebRecv->GetLocalDomian() + ":" + pRecord->m_strApiPort;
    default:
        return std::string();
    }
}

// Only a failure on the domain that is still current moves on: when several requests fail
// together, the first one switches and the others must not use up the remaining standbys.
void WebInterface::checkDomianChange(HTTPEvent_KX* pRecord, const std::string& strFailedBase)
{
    if (pRecord->m_nRequestError == 0)
        return;
    qDebug() << pRecord->m_strValue.c_str();
    if (pRecord->m_nRequestError != CURLE_COULDNT_RESOLVE_HOST &&
        pRecord->m_nRequestError != CURLE_SSL_CONNECT_ERROR)
        return;
    const bool bLogin = pRecord->m_DomainType == DOMAIN_LOGIN;
    if (!g_pWebRecv || (!bLogin && pRecord->m_DomainType != DOMAIN_VIP))
        return;
    const std::string strName = bLogin ? "lgoin" : "res";
    std::lock_guard<std::mutex> lock(m_domainMutex);
    const std::string strCurrent =
        bLogin ? g_pWebRecv->GetLoginDomian() : g_pWebRecv->GetVipDomian();
    if (strCurrent != strFailedBase)
        return;
    std::vector<std::string>& list = *standbyList(pRecord->m_DomainType);
    if (list.empty()) {
        qDebug() << ("current " + strName + " domain is:" + strCurrent).c_str();
        return;
    }
    const std::string strNext = list.front();
    list.erase(list.begin());
    if (bLogin)
        g_pWebRecv->SetLoginDomian(strNext);
    else
        g_pWebRecv->SetVipDomian(strNext);
    qDebug() << ("change " + strName + " domain to:" + strNext + " success").c_str();
}

bool WebInterface::verifyHttpAttempt(HTTPEvent_KX* pRecord)
{
    const bool bTransferred = getSocks5Request(pRecord->m_strInterface, pRecord->m_strUrl,
                                               pRecord->m_vetParams, pRecord->m_strResult, nullptr);
    pRecord->m_strGlobleUrl = pRecord->m_strUrl + " " + pRecord->m_strInterface;
    if (!bTransferred || pRecord->m_strResult.find("errorMsg") != std::string::npos)
        return false;
    Json::Value answer;
    if (!JsonRead::parse(pRecord->m_strResult, answer) ||
        HttpCurl::IsNotFoundPage(pRecord->m_strResult)) {
        const std::size_t nPos = pRecord->m_strResult.find("404 page");
        // A diagnostic like any other: a normal run prints nothing.
        qDebug("nIs404:%d", nPos == std::string::npos ? -1 : static_cast<int>(nPos));
        return true;
    }
    pRecord->m_strValue = pRecord->m_strResult;
    const std::string strRet = JsonRead::getText(answer, "ret");
    pRecord->m_nParam1 = static_cast<std::int32_t>(std::strtol(strRet.c_str(), nullptr, 10));
    pRecord->m_strResult = JsonRead::getText(answer, "msg");
    return true;
}
