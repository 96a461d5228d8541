// One attempt of the GET, JSON, upload, DELETE, download, install, proxy GET and
// catalogue cache kinds.
#include "PublicModule/HttpCurl/features/NormalJson.h"
#include "PublicModule/HttpCurl/httpBase/HttpCurl.h"
#include "PublicModule/HttpCurl/httpBase/WebInterface.h"
#include "PublicModule/HttpCurl/httpBase/WebRecv.h"

#include <QCoreApplication>
#include <QDebug>
#include <QThread>
#include <QUrl>

#include <malloc.h>

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <set>

namespace {

constexpr unsigned long kInstallWaitMs = 1000;

// The answer's reading and laying out took tens of megabytes on several threads' heaps:
// given back rather than kept by the process. The trim walks and locks every arena, so it
// runs once on the application's thread for the saves that finished meanwhile, never on the
// pool threads themselves as they finish and the pool retires them.
void trimHeapsOnAppThread()
{
    static std::atomic<bool> s_bQueued{false};
    QCoreApplication* pApp = QCoreApplication::instance();
    if (!pApp || s_bQueued.exchange(true))
        return;
    QMetaObject::invokeMethod(
        pApp,
        [] {
            s_bQueued = false;
            malloc_trim(0);
        },
        Qt::QueuedConnection);
}

std::string percentEncoded(const std::string& strText)
{
    return QUrl::toPercentEncoding(QString::fromStdString(strText)).toStdString();
}

// "key=value" pairs, each key and value percent-encoded, each led by its separator.
std::string queryText(const std::vector<ParamItem>& params, const char* szFirstSeparator)
{
    std::string strQuery;
    for (const ParamItem& item : params) {
        strQuery += strQuery.empty() ? szFirstSeparator : "&";
        strQuery += percentEncoded(item.strKey) + "=" + percentEncoded(item.strValue);
    }
    return strQuery;
}

void logFailure(const char* szKind, const std::string& strUrl, const std::string& strResult)
{
    qDebug() << (std::string("Interface(") + szKind + "):" + strUrl + " failed" +
                 " Return strResult:" + strResult)
                    .c_str();
}

const std::map<std::int64_t, const char*>& cacheFiles()
{
    static const std::map<std::int64_t, const char*> files = {
        {1, "country.json"},         {2, "isp.json"},         {3, "zip.json"},
        {11, "country_static.json"}, {22, "isp_static.json"}, {33, "zip_static.json"},
    };
    return files;
}

} // namespace

bool WebInterface::GetRequest(std::string& strRoute, HTTPEvent_KX* pRecord)
{
    const std::string strSession = g_pWebRecv ? g_pWebRecv->GetSessionId() : std::string();
    std::string strUrl = _GetEncodeDomain(pRecord) + strRoute +
                         "?token=" + percentEncoded(strSession) + "&platform=client" +
                         queryText(pRecord->m_vetParams, "&");
    strRoute = strUrl;
    HttpCurl curl(strUrl.c_str());
    std::string strBody;
    const bool bTransferred = curl.GetRequest(strBody, pRecord);
    pRecord->m_nRequestError = curl.GetLastCode();
    if (!bTransferred) {
        logFailure("GetRequest", strUrl, strBody);
        pRecord->m_strValue = strBody;
        return false;
    }
    if (!ReadPlainAnswer(strBody, strUrl, pRecord))
        return false;
    pRecord->m_strValue = strBody;
    return true;
}

bool WebInterface::JsonRequest(std::string& strRoute, HTTPEvent_KX* pRecord)
{
    pRecord->m_strDomain = _GetEncodeDomain(pRecord);
    pRecord->m_strGlobleUrl = pRecord->m_strDomain + strRoute;
    HttpCurl curl(pRecord->m_strDomain.c_str(), strRoute.c_str());
    curl.SetHearderInfo({{"Content-Type", "application/json"}});
    std::string strBody;
    const bool bTransferred = curl.PostJsonRequest(strBody, pRecord);
    pRecord->m_nRequestError = curl.GetLastCode();
    pRecord->m_strValue = strBody;
    return bTransferred && ReadPlainAnswer(strBody, strRoute, pRecord);
}

bool WebInterface::PostUpload(std::string& strRoute, std::string, HTTPEvent_KX* pRecord)
{
    pRecord->m_strDomain = _GetEncodeDomain(pRecord);
    HttpCurl curl(pRecord->m_strDomain.c_str(), strRoute.c_str());
    std::vector<ParamItem> headers;
    GetHttpHeader(headers);
    curl.SetHearderInfo(headers);
    const bool bTransferred = curl.UploadFile(pRecord);
    pRecord->m_nRequestError = curl.GetLastCode();
    if (!bTransferred) {
        logFailure("PostUpload", strRoute, pRecord->m_strValue);
        return false;
    }
    return ReadServiceAnswer(std::string(pRecord->m_strValue), strRoute, pRecord);
}

bool WebInterface::DeleteRequest(std::string& strRoute, std::vector<ParamItem>& params,
                                 HTTPEvent_KX* pRecord)
{
    pRecord->m_strDomain = _GetEncodeDomain(pRecord);
    std::string strBase = pRecord->m_strDomain;
    _EncodeRequestNew(strBase, strRoute, params, pRecord);
    strRoute += queryText(params, "?");
    HttpCurl curl(strBase.c_str(), strRoute.c_str());
    std::vector<ParamItem> headers;
    GetHttpHeader(headers);
    curl.SetHearderInfo(headers);
    std::string strBody;
    const bool bTransferred = curl.DeleteRequest(strBody);
    pRecord->m_nRequestError = curl.GetLastCode();
    if (!bTransferred) {
        logFailure("DeleteRequest", strRoute, strBody);
        return false;
    }
    return ReadServiceAnswer(strBody, strRoute, pRecord);
}

namespace {

// Targets of the picture downloads now running: a second one for the same path would write
// into the same ".part".
std::mutex g_targetsLock;
std::set<std::string> g_targets;

class TargetClaim
{
public:
    explicit TargetClaim(const std::string& strPath) : m_strPath(strPath)
    {
        std::lock_guard<std::mutex> lock(g_targetsLock);
        m_bOwned = g_targets.insert(strPath).second;
    }
    ~TargetClaim()
    {
        std::lock_guard<std::mutex> lock(g_targetsLock);
        if (m_bOwned)
            g_targets.erase(m_strPath);
    }
    bool owned() const { return m_bOwned; }

private:
    std::string m_strPath;
    bool m_bOwned = false;
};

} // namespace

bool WebInterface::DownloadFile(HTTPEvent_KX* pRecord, int nMode)
{
    std::unique_ptr<TargetClaim> pClaim;
    if (pRecord->m_bImageOnly) {
        pClaim = std::make_unique<TargetClaim>(pRecord->m_strFilePath);
        if (!pClaim->owned()) {
            qDebug() << "download dropped, its target is being fetched:"
                     << pRecord->m_strFilePath.c_str();
            return false;
        }
    }
    // Whatever is not a file of ours goes first: a folder at the target would fail the
    // final rename of every try.
    const bool bCached = WebRecv::keepCachedFile(QString::fromStdString(pRecord->m_strFilePath));
    if (nMode == 0 && bCached) {
        pRecord->m_strResult = "已下载";
        return true;
    }
    if (nMode != 0 && nMode != 1)
        return false;
    HttpCurl curl(pRecord->m_strInterface.c_str());
    // Fetching again means new content: an old part file may belong to another version.
    const bool bDownloaded = curl.DownloadFile(pRecord, nMode == 0);
    pRecord->m_nRequestError = curl.GetLastCode();
    return bDownloaded;
}

bool WebInterface::InstallFile(HTTPEvent_KX* pRecord)
{
    WebRecv* pState = g_pWebRecv;
    if (!pState)
        return false;
    std::string strTarget = pRecord->m_strInterface;
    const std::size_t nCata = strTarget.find("_cata");
    if (nCata == std::string::npos || nCata == 0)
        strTarget += "/" + pState->GetInstallFolder();
    const std::string strCurrent = pState->GetCurrentExe();
    qDebug() << ("InstallExeFile:" + strTarget).c_str();
    qDebug() << ("strCurrentPath:" + strCurrent).c_str();
    const std::string strExe = pState->GetMainExeName();
    pState->CloseProcessA(strExe);
    qDebug() << "Sleep:" << kInstallWaitMs;
    QThread::msleep(kInstallWaitMs);
    const bool bCopied = pState->CopyDirectoryFiles(QString::fromStdString(strCurrent),
                                                    QString::fromStdString(strTarget), true);
    pRecord->m_strFilePath = bCopied ? strTarget + "/" + strExe : strExe;
    pRecord->m_nParam1 = bCopied ? 1 : 0;
    return true;
}

bool WebInterface::getSocks5Request(std::string strUrl, std::string strProxy,
                                    const std::vector<ParamItem>& params, std::string& strResult,
                                    HTTPEvent_KX* pRecord)
{
    strUrl += queryText(params, "?");
    HttpCurl curl("");
    return curl.GetSocks5Request(strUrl, strProxy, strResult, pRecord);
}

bool WebInterface::SaveJson(HTTPEvent_KX* pRecord)
{
    WebRecv* pState = g_pWebRecv;
    if (!pState)
        return false;
    std::string strPath = pState->GetCurrentExe();
    const auto found = cacheFiles().find(pRecord->m_nParam6);
    if (found != cacheFiles().end())
        strPath += std::string("/temp/data/") + found->second;
    pRecord->m_strFilePath = strPath;
    if (found == cacheFiles().end())
        return false;
    // The text, laid out as the answer was read, is dropped as soon as it is encoded.
    std::string strPlain = std::move(pRecord->m_strValue);
    if (pRecord->m_nMaxBytes > 0 && std::int64_t(strPlain.size()) > pRecord->m_nMaxBytes) {
        qDebug() << "catalogue over its bound, not saved:" << strPath.c_str();
        return false;
    }
    std::string strEncoded = pState->Encode(strPlain);
    strPlain = std::string();
    const bool bSaved = WebRecv::writeFileAtomically(
        QString::fromStdString(strPath),
        QByteArray::fromRawData(strEncoded.data(), int(strEncoded.size())));
    strEncoded = std::string();
    trimHeapsOnAppThread();
    return bSaved;
}
