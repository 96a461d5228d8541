#include "PublicModule/HttpCurl/httpBase/HttpRecv.h"

#include "BuildConfig.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/httpBase/HTTPEvent_KX.h"
#include "PublicModule/HttpCurl/qtsingleapplication/CApp.h"

#include <QDebug>

#include <algorithm>

namespace {

// A test endpoint from the environment wins over the built-in one.
std::string testEndpoint(const char* szVariable, const char* szBuiltIn)
{
    const QString qstrValue = qEnvironmentVariable(szVariable);
    return qstrValue.isEmpty() ? std::string(szBuiltIn) : qstrValue.toStdString();
}

std::string requestUrl(const HTTPEvent_KX* pEvent)
{
    return pEvent->m_strDomain + pEvent->m_strInterface;
}

constexpr std::size_t kMaxDiagnosticBytes = 64 * 1024;

// An answer as one line of ASCII (non-ASCII escaped), cut so that no answer floods the log.
std::string diagnosticText(const Json::Value& answer)
{
    Json::StreamWriterBuilder builder;
    builder["indentation"] = "";
    std::string strText = Json::writeString(builder, answer);
    if (strText.size() > kMaxDiagnosticBytes) {
        const std::string strNote =
            " ... [cut: " + std::to_string(strText.size()) + " bytes in all]";
        strText.resize(kMaxDiagnosticBytes);
        strText += strNote;
    }
    return strText;
}

// An answer that may carry credentials is logged without its payload.
Json::Value loggableAnswer(const HTTPEvent_KX* pEvent)
{
    Json::Value answer = pEvent->m_jsValue;
    if (pEvent->m_bSecretAnswer && answer.isObject())
        answer.removeMember("ret_data");
    return answer;
}

} // namespace

HttpRecv::HttpRecv()
{
    GetArguments();
    InitStaticData();
}

HttpRecv* HttpRecv::GetInstance()
{
    return dynamic_cast<HttpRecv*>(g_pWebRecv);
}

void HttpRecv::PostEvent(HTTPEvent_KX* pEvent)
{
    qDebug() << "Interface:" << requestUrl(pEvent).c_str() << "Success";
    if (pEvent->m_nParam1 != 0 && diagnosticsPrinted())
        qDebug() << "Result:" << diagnosticText(loggableAnswer(pEvent)).c_str();
    if (pEvent->m_nCmd == kDomainLookupCmd) {
        pEvent->m_nParam1 = 0;
        slotGetDomain(pEvent->m_jsValue);
    }
    PostEventInterfaceBase(pEvent);
}

void HttpRecv::PostEventError(HTTPEvent_KX* pEvent)
{
    const std::string strUrl = requestUrl(pEvent);
    qDebug() << "PostEventError<->Interface" << strUrl.c_str() << "Failed";
    const std::string strBody = pEvent->m_strValue;
    if (pEvent->m_nParam1 != 0 && !pEvent->m_bSecretAnswer) {
        qDebug() << strBody.c_str();
        std::string strName = strUrl;
        std::replace(strName.begin(), strName.end(), '/', '_');
        saveErrorFile(strName + ".error", strBody);
    }
    if (pEvent->m_nCmd == kDomainLookupCmd) {
        saveErrorFile("GetDomian.error", strUrl + ":\n" + strBody);
        PostEvent(pEvent);
    }
    PostEventInterfaceErrorBase(pEvent);
}

void HttpRecv::saveErrorFile(const std::string& strName, const std::string& strText)
{
    const QString qstrPath = StrToQstr(GetCurrentExe() + "/" + strName);
    const bool bSaved = SaveFileChar(strText.c_str(), qstrPath);
    qDebug() << qstrPath << (bSaved ? " Save Success" : " Save Failed");
}

void HttpRecv::SetDownloadProgress(long dlNow, long dlTotal, long dlSpeed, int nPos)
{
    qDebug() << "SetDownloadProgress<-->dlNow:" << dlNow << "<-->dlTotal:" << dlTotal;
    qDebug() << "dlSpeed:" << dlSpeed;
    qDebug() << "nPos:" << nPos;
    SetDownloadProgressInterfaceBase(dlNow, dlTotal, dlSpeed, nPos);
}

void HttpRecv::SetDownloadEvent(HTTPEvent_KX* pEvent)
{
    SetDownloadEventInterfaceBase(pEvent);
}

void HttpRecv::PostEventInterfaceBase(HTTPEvent_KX*)
{
    qDebug() << "HttpRecv<->PostEventInterfaceBase...";
}

void HttpRecv::PostEventInterfaceErrorBase(HTTPEvent_KX*)
{
    qDebug() << "HttpRecv<->PostEventInterfaceErrorBase...";
}

void HttpRecv::SetDownloadProgressInterfaceBase(long, long, long, int)
{
    qDebug() << "HttpRecv<->SetDownloadProgressInterfaceBase...";
}

void HttpRecv::SetDownloadEventInterfaceBase(HTTPEvent_KX*)
{
    qDebug() << "HttpRecv<->SetDownloadEventInterfaceBase...";
}

void HttpRecv::slotGetDomain(Json::Value answer)
{
    std::string strLogin;
    std::string strLog;
    std::string strVip;
    const std::string strLocal = "127.0.0.1";
    if (!answer.isNull())
        strLog = Decode(JsonRead::getText(answer, "log"));
    if (IsTestServer()) {
        strLogin = testEndpoint("QEL_TEST_API_URL", QEL_TEST_API_URL);
        strVip = testEndpoint("QEL_TEST_RES_URL", QEL_TEST_RES_URL);
    } else {
        strLogin = QEL_API_URL;
        strVip = QEL_RES_URL;
    }
    qDebug() << ("strLogin:" + strLogin).c_str();
    SetLoginDomian(strLogin);
    qDebug() << ("strLog:" + strLog).c_str();
    SetLogDomian(strLog);
    qDebug() << ("strVip:" + strVip).c_str();
    SetVipDomian(strVip);
    SetLocalDomian(strLocal);
}
