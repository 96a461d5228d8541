#include "PublicModule/HttpCurl/httpBase/HttpCurl.h"

#include "PublicModule/HttpCurl/features/NormalJson.h"
#include "PublicModule/HttpCurl/httpBase/CacheFolder.h"
#include "PublicModule/HttpCurl/httpBase/WebRecv.h"

#include <QDebug>
#include <QFile>
#include <QImageReader>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <mutex>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr long kShortConnectTimeout = 5;
constexpr long kJsonConnectTimeout = 10;
constexpr long kFileConnectTimeout = 10;
constexpr long kTransferTimeout = 20;
// A transfer that moves less than this for this long has stalled and ends.
constexpr long kLowSpeedBytes = 1;
constexpr long kLowSpeedSeconds = 30;
constexpr long kProxyTimeout = 20;
constexpr long kProxyLowSpeedBytes = 50;
constexpr long kProxyLowSpeedSeconds = 10;
constexpr curl_off_t kProxyMaxSpeed = 2000000;
constexpr curl_off_t kFastDownloadMaxSpeed = 10 * 1024 * 1024;
constexpr curl_off_t kSlowDownloadMaxSpeed = 1024 * 1024;
constexpr long kMaxRedirects = 5;
constexpr long kKeepAliveInterval = 600;
constexpr std::int64_t kFastDownloadVariant = 2;

std::string withoutLineBreaks(std::string strValue)
{
    strValue.erase(std::remove_if(strValue.begin(), strValue.end(),
                                  [](char c) { return c == '\r' || c == '\n'; }),
                   strValue.end());
    return strValue;
}

// libcurl drops a header written "name:"; "name;" sends it with an empty value.
std::string headerLine(const ParamItem& item)
{
    const std::string strValue = withoutLineBreaks(item.strValue);
    if (strValue.empty())
        return item.strKey + ";";
    return item.strKey + ":" + strValue;
}

// Failures that cut a running transfer short; their part file is kept for a resume.
bool isInterruption(CURLcode nCode)
{
    return nCode == CURLE_PARTIAL_FILE || nCode == CURLE_RECV_ERROR ||
           nCode == CURLE_OPERATION_TIMEDOUT || nCode == CURLE_ABORTED_BY_CALLBACK ||
           nCode == CURLE_GOT_NOTHING;
}

std::atomic<bool> s_bAborted{false};

int abortWhenAsked(void*, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return s_bAborted ? 1 : 0;
}

// Every transfer: connecting and stalling are bounded, and the exit can cut it short
// through the progress hook (transfers with their own hook check the flag there).
void boundTransfer(CURL* pHandle, long nConnectTimeout)
{
    curl_easy_setopt(pHandle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(pHandle, CURLOPT_CONNECTTIMEOUT, nConnectTimeout);
    curl_easy_setopt(pHandle, CURLOPT_LOW_SPEED_LIMIT, kLowSpeedBytes);
    curl_easy_setopt(pHandle, CURLOPT_LOW_SPEED_TIME, kLowSpeedSeconds);
    curl_easy_setopt(pHandle, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(pHandle, CURLOPT_XFERINFOFUNCTION, &abortWhenAsked);
}

// An answer read into memory; more than nMax bytes end the transfer as a failure.
struct CappedText
{
    std::string& text;
    std::int64_t nMax;
    bool bOver = false;
};

size_t appendCapped(void* pData, size_t nSize, size_t nCount, void* pOut)
{
    auto* pBody = static_cast<CappedText*>(pOut);
    const size_t nBytes = nSize * nCount;
    if (static_cast<std::int64_t>(pBody->text.size() + nBytes) > pBody->nMax) {
        pBody->bOver = true;
        return 0;
    }
    pBody->text.append(static_cast<const char*>(pData), nBytes);
    return nBytes;
}

// A declared length over the bound ends the transfer before the body.
void collectInto(CURL* pHandle, CappedText& body)
{
    curl_easy_setopt(pHandle, CURLOPT_WRITEFUNCTION, &appendCapped);
    curl_easy_setopt(pHandle, CURLOPT_WRITEDATA, &body);
    curl_easy_setopt(pHandle, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(body.nMax));
}

// Runs the transfer. One that its write hook cut at the bound (setting bOverBound) fails as
// one declared over it, whatever libcurl made of the cut.
CURLcode performBounded(CURL* pHandle, const bool& bOverBound)
{
    const CURLcode nCode = curl_easy_perform(pHandle);
    return bOverBound ? CURLE_FILESIZE_EXCEEDED : nCode;
}

// The part file opened for appending when it is a regular file of this user (nOffset its
// size), else null. Looked at before opening, so that a FIFO or device planted in its place
// is never opened (opening a FIFO waits for a reader); O_NONBLOCK and the second look on the
// descriptor cover one swapped in between. O_NONBLOCK does nothing to a regular file.
FILE* resumePart(const CacheFolder& folder, const QString& qstrPart, std::int64_t& nOffset)
{
    struct stat info;
    if (!folder.look(qstrPart, info) || !WebRecv::isOwnRegularFile(info))
        return nullptr;
    const int fd = folder.open(qstrPart, O_WRONLY | O_APPEND | O_NONBLOCK);
    if (fd < 0)
        return nullptr;
    FILE* pFile = nullptr;
    if (::fstat(fd, &info) == 0 && WebRecv::isOwnRegularFile(info))
        pFile = ::fdopen(fd, "ab");
    if (!pFile) {
        ::close(fd);
        return nullptr;
    }
    nOffset = info.st_size;
    return pFile;
}

// Opens the part file without following a link planted in its place: a resumed download
// goes on only in a regular file of this user; otherwise whatever is there is removed
// (a link itself, not what it leads to) and a new file of this user is made.
FILE* openPart(const CacheFolder& folder, const QString& qstrPart, bool bResume,
               std::int64_t& nOffset)
{
    nOffset = 0;
    if (bResume)
        if (FILE* pFile = resumePart(folder, qstrPart, nOffset))
            return pFile;
    folder.remove(qstrPart);
    const int fd = folder.open(qstrPart, O_WRONLY | O_CREAT | O_EXCL, S_IRUSR | S_IWUSR);
    if (fd < 0)
        return nullptr;
    FILE* pFile = ::fdopen(fd, "wb");
    if (!pFile)
        ::close(fd);
    return pFile;
}

// Progress goes to the receiver on this worker; it may clear m_nParam7 to cancel.
void notifyProgress(HTTPEvent_KX* pRecord)
{
    if (g_pWebRecv)
        g_pWebRecv->SetDownloadEvent(pRecord);
}

} // namespace

HttpCurl::HttpCurl(const char* szUrl) : m_strUrl(szUrl ? szUrl : "")
{
    InitParam();
}

HttpCurl::HttpCurl(const char* szBase, const char* szRoute)
    : m_strUrl(std::string(szBase ? szBase : "") + (szRoute ? szRoute : ""))
{
    InitParam();
}

HttpCurl::~HttpCurl()
{
    if (m_pCUrl)
        curl_easy_cleanup(m_pCUrl);
    curl_slist_free_all(m_pHeaders);
    curl_mime_free(m_pMime);
}

void HttpCurl::GlobalInit()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

void HttpCurl::AbortAll()
{
    s_bAborted = true;
}

bool HttpCurl::IsAborted()
{
    return s_bAborted;
}

bool HttpCurl::IsNotFoundPage(const std::string& strBody)
{
    return strBody.compare(0, 8, "404 page") == 0;
}

void HttpCurl::InitParam()
{
    GlobalInit();
    m_pCUrl = curl_easy_init();
}

void HttpCurl::SetAnswerBound(std::int64_t nMaxBytes)
{
    m_nAnswerMaxBytes = nMaxBytes > 0 ? nMaxBytes : kAnswerMaxBytes;
}

void HttpCurl::AddPostParam(const std::string& strKey, const std::string& strValue)
{
    m_vetPostParam.push_back({strKey, strValue});
}

void HttpCurl::SetHearderInfo(const std::vector<ParamItem>& headers)
{
    if (!m_pCUrl)
        return;
    curl_slist_free_all(m_pHeaders);
    m_pHeaders = nullptr;
    for (const ParamItem& item : headers)
        m_pHeaders = curl_slist_append(m_pHeaders, headerLine(item).c_str());
    curl_easy_setopt(m_pCUrl, CURLOPT_HTTPHEADER, m_pHeaders);
}

void HttpCurl::GetPostParam(std::string& strParam)
{
    for (const ParamItem& item : m_vetPostParam)
        strParam += "&" + item.strKey + "=" + item.strValue;
}

void HttpCurl::applyCommonOptions(long nConnectTimeout, long nTimeout)
{
    curl_easy_setopt(m_pCUrl, CURLOPT_URL, m_strUrl.c_str());
    boundTransfer(m_pCUrl, nConnectTimeout);
    if (nTimeout > 0)
        curl_easy_setopt(m_pCUrl, CURLOPT_TIMEOUT, nTimeout);
}

// Collects the body into a local text so that a failed transfer leaves strBody alone.
CURLcode HttpCurl::performInto(std::string& strBody)
{
    std::string strReceived;
    CappedText body{strReceived, m_nAnswerMaxBytes};
    collectInto(m_pCUrl, body);
    m_nLastCode = performBounded(m_pCUrl, body.bOver);
    if (m_nLastCode == CURLE_OK)
        strBody.swap(strReceived);
    return m_nLastCode;
}

std::string HttpCurl::errorText() const
{
    return curl_easy_strerror(m_nLastCode);
}

bool HttpCurl::PostRequest(std::string& strOut)
{
    if (!m_pCUrl)
        return false;
    applyCommonOptions(kShortConnectTimeout, kTransferTimeout);
    curl_mime_free(m_pMime);
    m_pMime = nullptr;
    if (m_vetPostParam.empty()) {
        // A multipart body without parts is malformed for many servers: send an empty post.
        curl_easy_setopt(m_pCUrl, CURLOPT_POSTFIELDS, "");
        curl_easy_setopt(m_pCUrl, CURLOPT_POSTFIELDSIZE, 0L);
    } else {
        m_pMime = curl_mime_init(m_pCUrl);
        for (const ParamItem& item : m_vetPostParam) {
            curl_mimepart* pPart = curl_mime_addpart(m_pMime);
            curl_mime_name(pPart, item.strKey.c_str());
            curl_mime_data(pPart, item.strValue.data(), item.strValue.size());
        }
        curl_easy_setopt(m_pCUrl, CURLOPT_MIMEPOST, m_pMime);
    }
    if (performInto(strOut) == CURLE_OK)
        return true;
    strOut = errorText();
    return false;
}

bool HttpCurl::GetRequest(std::string& strOut, HTTPEvent_KX* pRecord)
{
    if (!m_pCUrl)
        return false;
    applyCommonOptions(kShortConnectTimeout, kTransferTimeout);
    curl_easy_setopt(m_pCUrl, CURLOPT_HTTPGET, 1L);
    if (performInto(strOut) == CURLE_OK)
        return true;
    strOut = errorText();
    pRecord->m_nParam1 = m_nLastCode;
    qDebug() << (m_strUrl + "    " + strOut).c_str();
    return false;
}

bool HttpCurl::PostJsonRequest(std::string& strOut, HTTPEvent_KX* pRecord)
{
    if (!m_pCUrl)
        return false;
    applyCommonOptions(kJsonConnectTimeout, kTransferTimeout);
    curl_easy_setopt(m_pCUrl, CURLOPT_POST, 1L);
    curl_easy_setopt(m_pCUrl, CURLOPT_COPYPOSTFIELDS, pRecord->m_strParam.c_str());
    return performInto(strOut) == CURLE_OK;
}

bool HttpCurl::DeleteRequest(std::string& strOut)
{
    m_strDeleteBody.clear();
    GetPostParam(m_strDeleteBody);
    if (!m_pCUrl)
        return false;
    applyCommonOptions(kShortConnectTimeout, kTransferTimeout);
    curl_easy_setopt(m_pCUrl, CURLOPT_CUSTOMREQUEST, "DELETE");
    curl_easy_setopt(m_pCUrl, CURLOPT_POSTFIELDS, m_strDeleteBody.c_str());
    if (performInto(strOut) == CURLE_OK)
        return true;
    strOut = errorText();
    return false;
}

// A file that can not be read fails here: sending an empty part would report success
// for an upload that never carried the file.
bool HttpCurl::UploadFile(HTTPEvent_KX* pRecord)
{
    pRecord->m_strValue.clear();
    QFile file(QString::fromStdString(pRecord->m_strfileurl));
    if (!m_pCUrl || !file.open(QIODevice::ReadOnly)) {
        qDebug() << (m_strUrl + "<-->cannot read " + pRecord->m_strfileurl).c_str();
        return false;
    }
    const QByteArray content = file.readAll();
    curl_mime_free(m_pMime);
    m_pMime = curl_mime_init(m_pCUrl);
    curl_mimepart* pPart = curl_mime_addpart(m_pMime);
    curl_mime_name(pPart, pRecord->m_strfilekey.c_str());
    curl_mime_filename(pPart, pRecord->m_strfilename.c_str());
    curl_mime_data(pPart, content.constData(), static_cast<size_t>(content.size()));
    applyCommonOptions(kFileConnectTimeout, 0);
    curl_easy_setopt(m_pCUrl, CURLOPT_MIMEPOST, m_pMime);
    curl_easy_setopt(m_pCUrl, CURLOPT_XFERINFOFUNCTION, &HttpCurl::ProgressUpCallback);
    curl_easy_setopt(m_pCUrl, CURLOPT_XFERINFODATA, pRecord);
    std::string strBody;
    CappedText body{strBody, m_nAnswerMaxBytes};
    collectInto(m_pCUrl, body);
    m_nLastCode = performBounded(m_pCUrl, body.bOver);
    pRecord->m_strValue = strBody;
    if (m_nLastCode == CURLE_OK)
        return true;
    qDebug() << (m_strUrl + "<-->" + errorText()).c_str();
    return false;
}

bool HttpCurl::DownloadFile(HTTPEvent_KX* pRecord, bool bResume)
{
    if (!m_pCUrl)
        return false;
    // Made, renamed and removed in the target's folder held open, never through a link.
    const QString qstrTarget = QString::fromStdString(pRecord->m_strFilePath);
    const QString qstrName = CacheFolder::fileNameOf(qstrTarget);
    const QString qstrPart = CacheFolder::partNameOf(qstrName);
    const QString qstrFolder = qstrTarget.left(qstrTarget.lastIndexOf(QLatin1Char('/')));
    const CacheFolder folder(qstrFolder, true);
    const std::string strPart = (qstrFolder + QLatin1Char('/') + qstrPart).toStdString();
    m_hFileDownload =
        qstrName.isEmpty() ? nullptr : openPart(folder, qstrPart, bResume, m_nOffset_Pos);
    if (!m_hFileDownload) {
        qDebug() << (pRecord->m_strInterface + "<-->cannot create " + strPart).c_str();
        return false;
    }
    const bool bFast = pRecord->m_nParam10 == kFastDownloadVariant;
    m_pHttpEvent = pRecord;
    m_nWritten = m_nOffset_Pos;
    curl_easy_setopt(m_pCUrl, CURLOPT_URL, pRecord->m_strInterface.c_str());
    // Neither the address nor a redirect may lead anywhere but to a web server.
    curl_easy_setopt(m_pCUrl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(m_pCUrl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    if (pRecord->m_nMaxBytes > 0)
        curl_easy_setopt(m_pCUrl, CURLOPT_MAXFILESIZE_LARGE,
                         static_cast<curl_off_t>(pRecord->m_nMaxBytes));
    boundTransfer(m_pCUrl, kFileConnectTimeout);
    curl_easy_setopt(m_pCUrl, CURLOPT_WRITEFUNCTION, &HttpCurl::DownloadCallback);
    curl_easy_setopt(m_pCUrl, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(m_pCUrl, CURLOPT_XFERINFOFUNCTION,
                     bFast ? &HttpCurl::ProgressDownCallback : &HttpCurl::ProgressDownXeCallback);
    curl_easy_setopt(m_pCUrl, CURLOPT_XFERINFODATA, this);
    curl_easy_setopt(m_pCUrl, CURLOPT_MAX_RECV_SPEED_LARGE,
                     bFast ? kFastDownloadMaxSpeed : kSlowDownloadMaxSpeed);
    curl_easy_setopt(m_pCUrl, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(m_pCUrl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(m_pCUrl, CURLOPT_TCP_KEEPINTVL, kKeepAliveInterval);
    curl_easy_setopt(m_pCUrl, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(m_pCUrl, CURLOPT_RESUME_FROM_LARGE, static_cast<curl_off_t>(m_nOffset_Pos));
    m_bOverBound = false;
    m_nLastCode = performBounded(m_pCUrl, m_bOverBound);
    const bool bWritten = std::fclose(m_hFileDownload) == 0;
    m_hFileDownload = nullptr;
    m_pHttpEvent = nullptr;
    if (m_nLastCode == CURLE_OK && bWritten && acceptedBody(pRecord, strPart) &&
        folder.rename(qstrPart, qstrName)) {
        pRecord->m_strResult = "下载成功";
        return true;
    }
    qDebug() << (pRecord->m_strInterface + "<-->" + errorText()).c_str();
    // A picture never resumes: what it left is dropped, so the next try asks again. The
    // failure is reported only after this, so nothing is left once it is known.
    if (pRecord->m_bImageOnly || !isInterruption(m_nLastCode))
        folder.remove(qstrPart);
    return false;
}

bool HttpCurl::acceptedBody(const HTTPEvent_KX* pRecord, const std::string& strPart)
{
    const QString qstrPart = QString::fromStdString(strPart);
    if (pRecord->m_nMaxBytes > 0 && WebRecv::getFileSize(qstrPart) > pRecord->m_nMaxBytes) {
        qDebug() << "download over its bound:" << pRecord->m_strInterface.c_str();
        return false;
    }
    if (pRecord->m_bImageOnly && QImageReader::imageFormat(qstrPart).isEmpty()) {
        qDebug() << "download is not an image:" << pRecord->m_strInterface.c_str();
        return false;
    }
    return true;
}

bool HttpCurl::GetSocks5Request(const std::string& strUrl, const std::string& strProxy,
                                std::string& strOut, HTTPEvent_KX* pRecord)
{
    CURL* pHandle = curl_easy_init();
    if (!pHandle)
        return false;
    std::string strBody;
    curl_easy_setopt(pHandle, CURLOPT_URL, strUrl.c_str());
    curl_easy_setopt(pHandle, CURLOPT_PROXY, strProxy.c_str());
    boundTransfer(pHandle, kProxyTimeout);
    curl_easy_setopt(pHandle, CURLOPT_TIMEOUT, kProxyTimeout);
    curl_easy_setopt(pHandle, CURLOPT_LOW_SPEED_LIMIT, kProxyLowSpeedBytes);
    curl_easy_setopt(pHandle, CURLOPT_LOW_SPEED_TIME, kProxyLowSpeedSeconds);
    curl_easy_setopt(pHandle, CURLOPT_MAX_RECV_SPEED_LARGE, kProxyMaxSpeed);
    CappedText body{strBody, m_nAnswerMaxBytes};
    collectInto(pHandle, body);
    m_nLastCode = performBounded(pHandle, body.bOver);
    curl_easy_cleanup(pHandle);
    if (pRecord && pRecord->m_strGbk == "ip_check") {
        Json::Value answer(Json::objectValue);
        answer["code"] = static_cast<int>(m_nLastCode);
        answer["msg"] = errorText();
        answer["url"] = strUrl;
        answer["local"] = strProxy;
        strOut = toNormalString(answer);
        return true;
    }
    strOut = strBody;
    return m_nLastCode == CURLE_OK;
}

double HttpCurl::GetNowDownloadSpeed()
{
    curl_off_t nSpeed = 0;
    if (m_pCUrl)
        curl_easy_getinfo(m_pCUrl, CURLINFO_SPEED_DOWNLOAD_T, &nSpeed);
    return static_cast<double>(nSpeed);
}

// A bounded download stops as soon as the body streams past its bound (no length declared).
size_t HttpCurl::DownloadCallback(void* pData, size_t nSize, size_t nCount, void* pThis)
{
    auto* pCurl = static_cast<HttpCurl*>(pThis);
    const std::int64_t nBytes = static_cast<std::int64_t>(nSize * nCount);
    const std::int64_t nMax = pCurl->m_pHttpEvent ? pCurl->m_pHttpEvent->m_nMaxBytes : 0;
    pCurl->m_nWritten += nBytes;
    if (nMax > 0 && pCurl->m_nWritten > nMax) {
        pCurl->m_bOverBound = true;
        return 0;
    }
    return std::fwrite(pData, nSize, nCount, pCurl->m_hFileDownload) * nSize;
}

// Figures in KiB, resumed bytes included; a cleared m_nParam7 stops the transfer.
int HttpCurl::ProgressDownCallback(void* pThis, curl_off_t nTotalDown, curl_off_t nNowDown,
                                   curl_off_t, curl_off_t)
{
    auto* pCurl = static_cast<HttpCurl*>(pThis);
    HTTPEvent_KX* pRecord = pCurl->m_pHttpEvent;
    if (IsAborted() || pCurl->m_bIsCancel || pRecord->m_nParam7 == 0)
        return 1;
    if (nTotalDown == 0)
        return 0;
    const std::int64_t nDone = nNowDown + pCurl->m_nOffset_Pos;
    const std::int64_t nTotal = nTotalDown + pCurl->m_nOffset_Pos;
    pRecord->m_nParam2 = nDone / 1024;
    pRecord->m_nParam3 = nTotal / 1024;
    pRecord->m_nParam4 = static_cast<std::int64_t>(pCurl->GetNowDownloadSpeed());
    pRecord->m_nParam5 = static_cast<std::int32_t>(static_cast<double>(nDone) / nTotal * 100);
    notifyProgress(pRecord);
    return 0;
}

// Figures in bytes, resumed bytes included; this variant is cancelled only by the exit.
int HttpCurl::ProgressDownXeCallback(void* pThis, curl_off_t nTotalDown, curl_off_t nNowDown,
                                     curl_off_t nTotalUp, curl_off_t nNowUp)
{
    if (IsAborted())
        return 1;
    auto* pCurl = static_cast<HttpCurl*>(pThis);
    HTTPEvent_KX* pRecord = pCurl->m_pHttpEvent;
    qDebug() << "download" << nNowDown << "/" << nTotalDown << "upload" << nNowUp << "/"
             << nTotalUp;
    if (nTotalDown == 0)
        return 0;
    const std::int64_t nDone = nNowDown + pCurl->m_nOffset_Pos;
    const std::int64_t nTotal = nTotalDown + pCurl->m_nOffset_Pos;
    pRecord->m_nParam2 = nDone;
    pRecord->m_nParam3 = nTotal;
    pRecord->m_nParam5 = static_cast<std::int32_t>(static_cast<double>(nDone) / nTotal * 100);
    qDebug() << "percent:" << pRecord->m_nParam5;
    notifyProgress(pRecord);
    return 0;
}

int HttpCurl::ProgressUpCallback(void* pRecord, curl_off_t, curl_off_t, curl_off_t nTotalUp,
                                 curl_off_t nNowUp)
{
    if (IsAborted())
        return 1;
    auto* pEvent = static_cast<HTTPEvent_KX*>(pRecord);
    if (nTotalUp == 0)
        return 0;
    pEvent->m_nParam2 = nNowUp;
    pEvent->m_nParam3 = nTotalUp;
    pEvent->m_nParam5 = nNowUp * 100 / nTotalUp;
    notifyProgress(pEvent);
    return 0;
}
