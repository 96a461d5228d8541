// The outside anti-detection browser's local API: its profile list, pointing a profile at
// a bound port and restarting it, and the usage report to the service.
#include "Interface/InterfaceRecv.h"

#include "Interface/GlobleParam.h"
#include "PublicModule/HttpCurl/InterfaceBase/UiCodes.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/httpBase/WebInterface.h"

#include <QDebug>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <limits>

namespace {

constexpr int kBrowserAttempts = 3;
constexpr int kProxyMethodCustom = 2;
constexpr int kListPageSize = 100;

// The browser reads the port as a number: the leading decimal digits of the text, 0 when
// it does not start with one, held within int so a long text cannot wrap round.
int portNumber(const std::string& strPort)
{
    if (strPort.empty() || !std::isdigit(static_cast<unsigned char>(strPort[0])))
        return 0;
    const long long nPort = std::strtoll(strPort.c_str(), nullptr, 10);
    return static_cast<int>(std::min<long long>(nPort, std::numeric_limits<int>::max()));
}

bool restartAfterUpdate()
{
    const GlobleParam* pParam = GlobleParam::GetInstance();
    return pParam && pParam->getBrowserWndReStart();
}

bool clearCookies()
{
    const GlobleParam* pParam = GlobleParam::GetInstance();
    return pParam && pParam->getClearBrowserCookie();
}

// A JSON post to the browser's own address; null when no browser is configured.
HTTPEvent_KX* browserRecord(int nCmd, const char* szPath, const Json::Value& body, int nValue)
{
    GlobleParam* pParam = GlobleParam::GetInstance();
    const std::string strBase = pParam ? pParam->getBrowserUrl() : std::string();
    if (strBase.empty())
        return nullptr;
    auto* pEvent = new HTTPEvent_KX(nCmd);
    pEvent->m_nRequestType = REQUEST_JSON;
    pEvent->m_DomainType = DOMAIN_EMPTY;
    pEvent->m_strInterface = strBase + szPath;
    pEvent->m_nParam1 = kBrowserAttempts;
    pEvent->m_nParam6 = nValue;
    if (!body.isNull())
        pEvent->m_strParam = body.toStyledString();
    return pEvent;
}

void sendBrowserRecord(HTTPEvent_KX* pEvent)
{
    if (!pEvent)
        return;
    qDebug() << "browser request" << pEvent->m_nCmd << pEvent->m_strInterface.c_str();
    WebInterface::GetInstance()->StartThread(pEvent);
}

Json::Value idBody(const std::string& strId)
{
    Json::Value body(Json::objectValue);
    body["id"] = strId;
    return body;
}

bool succeeded(const HTTPEvent_KX* pEvent)
{
    return JsonRead::getBool(pEvent->m_jsValue, "success");
}

} // namespace

void InterfacePost::pushCheckBrowser(int nValue)
{
    sendBrowserRecord(browserRecord(ACCESS_BIT_HEARLTH_RESULT, "/health", Json::Value(), nValue));
}

void InterfacePost::pushGetBrowserList(int nValue)
{
    Json::Value body(Json::objectValue);
    body["page"] = 0;
    body["pageSize"] = kListPageSize;
    HTTPEvent_KX* pEvent = browserRecord(ACCESS_BIT_LIST_RESULT, "/browser/list", body, nValue);
    if (!pEvent)
        qDebug() << "m_strBitBrowserUrl.empty";
    sendBrowserRecord(pEvent);
}

void InterfacePost::pushUpdateBrowserWnd(std::string qstrID, std::string qstrPort, int nValue)
{
    Json::Value body(Json::objectValue);
    body["browserFingerPrint"] = Json::Value(Json::objectValue);
    body["clearCookiesBeforeLaunch"] = clearCookies();
    body["host"] = "127.0.0.1";
    body["id"] = qstrID;
    body["port"] = portNumber(qstrPort);
    body["proxyMethod"] = kProxyMethodCustom;
    body["proxyType"] = "socks5";
    sendBrowserRecord(
        browserRecord(ACCESS_BIT_UPDATEWND_RESULT, "/browser/update", body, nValue));
}

void InterfacePost::pushCloseBrowserWnd(std::string strid, int nValue)
{
    HTTPEvent_KX* pEvent =
        browserRecord(ACCESS_CLOSEWND_RESULT, "/browser/close", idBody(strid), nValue);
    if (pEvent)
        pEvent->m_strfilekey = strid; // reopened once the close is confirmed
    sendBrowserRecord(pEvent);
}

void InterfacePost::pushOpenBrowserWnd(std::string strid, int nValue)
{
    sendBrowserRecord(browserRecord(ACCESS_OPENWND_RESULT, "/browser/open", idBody(strid), nValue));
}

void InterfacePost::pushBrowserBehavior(int nValue)
{
    sendRequest(newRequest(BROWSER_BEHAVIOR_RESULT, "", "/add_bit_browser", nValue),
                {{"platform", "1"}});
}

void InterfaceRecv::slotPushCheckBrowser(HTTPEvent_KX*) {}

void InterfaceRecv::slotPushGetBrowserList(HTTPEvent_KX* pEvent)
{
    if (!pEvent->m_bResult) {
        qDebug() << "slotPushGetBrowserList:false";
        emit signal_SetUiData(kUiBrowserTip, tr("Please start BitBrowser first"), 1);
        return;
    }
    if (!succeeded(pEvent)) {
        reportBrowserRefusal(pEvent);
        return;
    }
    const Json::Value& list = JsonRead::member(JsonRead::member(pEvent->m_jsValue, "data"), "list");
    // The screens take the text as an array; anything else would empty them for nothing.
    if (list.isArray())
        emit signal_SetUiData(kUiBrowserList, StrToQstr(list.toStyledString()), 0);
}

void InterfaceRecv::slotPushUpdateBrowserWnd(HTTPEvent_KX* pEvent)
{
    if (!pEvent->m_bResult)
        return;
    if (!succeeded(pEvent)) {
        reportBrowserRefusal(pEvent);
        return;
    }
    const std::string strId = JsonRead::getText(JsonRead::getObject(pEvent->m_jsValue, "data"), "id");
    if (!strId.empty() && restartAfterUpdate())
        pushCloseBrowserWnd(strId, 0);
}

void InterfaceRecv::slotPushCloseBrowserWnd(HTTPEvent_KX* pEvent)
{
    if (!pEvent->m_bResult)
        return;
    if (succeeded(pEvent))
        pushOpenBrowserWnd(pEvent->m_strfilekey, 0);
    else
        reportBrowserRefusal(pEvent);
}

void InterfaceRecv::slotPushOpenBrowserWnd(HTTPEvent_KX* pEvent)
{
    if (pEvent->m_bResult && !succeeded(pEvent))
        reportBrowserRefusal(pEvent);
}

// A refusal reaches the user only when the browser said why.
void InterfaceRecv::reportBrowserRefusal(HTTPEvent_KX* pEvent)
{
    const std::string strMsg = JsonRead::getText(pEvent->m_jsValue, "msg");
    if (!strMsg.empty())
        emit signal_SetUiData(kUiBrowserTip, StrToQstr(strMsg), 1);
}

bool InterfaceRecv::answerBrowser(HTTPEvent_KX* pEvent)
{
    switch (pEvent->m_nCmd) {
    case ACCESS_BIT_HEARLTH_RESULT: slotPushCheckBrowser(pEvent); return true;
    case ACCESS_BIT_LIST_RESULT: slotPushGetBrowserList(pEvent); return true;
    case ACCESS_BIT_UPDATEWND_RESULT: slotPushUpdateBrowserWnd(pEvent); return true;
    case ACCESS_CLOSEWND_RESULT: slotPushCloseBrowserWnd(pEvent); return true;
    case ACCESS_OPENWND_RESULT: slotPushOpenBrowserWnd(pEvent); return true;
    default: return false;
    }
}
