#pragma once

#include "PublicModule/HttpCurl/httpBase/HTTPEvent_KX.h"

#include <curl/curl.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// One libcurl transfer: construct, configure, run exactly one transfer, destroy. Used on
// the pool worker that runs the request. HTTP status codes are not read except by the
// downloads, which fail on 400 and above. Every transfer has a connect time-out and ends
// when it stalls.
class HttpCurl
{
public:
    explicit HttpCurl(const char* szUrl);
    HttpCurl(const char* szBase, const char* szRoute);
    ~HttpCurl();
    HttpCurl(const HttpCurl&) = delete;
    HttpCurl& operator=(const HttpCurl&) = delete;

    // libcurl's process-wide set-up, done once whichever thread comes first.
    static void GlobalInit();
    // For the exit: every running and later transfer ends at its next progress report,
    // which libcurl makes at least about once a second.
    static void AbortAll();
    static bool IsAborted();
    // The service's not-found page ("404 page not found"), recognised by its start only.
    static bool IsNotFoundPage(const std::string& strBody);

    // Answers read into memory end as failed transfers past this many bytes, with
    // CURLE_FILESIZE_EXCEEDED (as downloads past the record's m_nMaxBytes do).
    static constexpr std::int64_t kAnswerMaxBytes = 16LL * 1024 * 1024;
    // A bound of its own for the next in-memory transfer (0 keeps kAnswerMaxBytes).
    void SetAnswerBound(std::int64_t nMaxBytes);

    void AddPostParam(const std::string& strKey, const std::string& strValue);
    // Each pair goes out as "key:value" in list order; CR and LF are dropped from values,
    // and an empty value is still sent.
    void SetHearderInfo(const std::vector<ParamItem>& headers);
    // Appends "&key=value" for every form field.
    void GetPostParam(std::string& strParam);

    // In-memory transfers: true when libcurl reports success; the body goes to strOut.
    bool PostRequest(std::string& strOut);
    bool GetRequest(std::string& strOut, HTTPEvent_KX* pRecord);
    bool PostJsonRequest(std::string& strOut, HTTPEvent_KX* pRecord);
    bool DeleteRequest(std::string& strOut);
    bool UploadFile(HTTPEvent_KX* pRecord);
    // Downloads the record's URL into the target's part file (CacheFolder::partNameOf),
    // which replaces the target only on success. A transfer that was interrupted keeps the
    // part file and a later resuming run continues from it; any other failure removes it
    // before returning. Without bResume, or when the part file is not a regular file of this
    // user, an old part file is discarded and the transfer starts from byte 0 in a new file
    // only this user reads.
    bool DownloadFile(HTTPEvent_KX* pRecord, bool bResume);
    // GET through a proxy on a handle of its own.
    bool GetSocks5Request(const std::string& strUrl, const std::string& strProxy,
                          std::string& strOut, HTTPEvent_KX* pRecord);

    double GetNowDownloadSpeed();
    void SetCancelState(bool bCancel) { m_bIsCancel = bCancel; }
    bool GetCancelState() const { return m_bIsCancel; }
    // libcurl's result of the last transfer; CURLE_OK before any.
    CURLcode GetLastCode() const { return m_nLastCode; }

private:
    void InitParam();
    void applyCommonOptions(long nConnectTimeout, long nTimeout);
    CURLcode performInto(std::string& strBody);
    std::string errorText() const;
    // The record's own checks of a finished body before it replaces the target.
    static bool acceptedBody(const HTTPEvent_KX* pRecord, const std::string& strPart);

    static size_t DownloadCallback(void* pData, size_t nSize, size_t nCount, void* pThis);
    static int ProgressDownCallback(void* pThis, curl_off_t nTotalDown, curl_off_t nNowDown,
                                    curl_off_t nTotalUp, curl_off_t nNowUp);
    static int ProgressDownXeCallback(void* pThis, curl_off_t nTotalDown, curl_off_t nNowDown,
                                      curl_off_t nTotalUp, curl_off_t nNowUp);
    static int ProgressUpCallback(void* pRecord, curl_off_t nTotalDown, curl_off_t nNowDown,
                                  curl_off_t nTotalUp, curl_off_t nNowUp);

    std::vector<ParamItem> m_vetPostParam;
    std::string m_strUrl;
    CURL* m_pCUrl = nullptr;
    FILE* m_hFileDownload = nullptr;
    std::int64_t m_nOffset_Pos = 0;
    std::int64_t m_nWritten = 0;
    bool m_bOverBound = false; // the body streamed past the record's bound
    bool m_bIsCancel = false;
    HTTPEvent_KX* m_pHttpEvent = nullptr;
    curl_slist* m_pHeaders = nullptr;
    curl_mime* m_pMime = nullptr;
    std::string m_strDeleteBody;
    CURLcode m_nLastCode = CURLE_OK;
    std::int64_t m_nAnswerMaxBytes = kAnswerMaxBytes;
};
