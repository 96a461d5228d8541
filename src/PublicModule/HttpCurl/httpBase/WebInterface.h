#pragma once

#include "PublicModule/HttpCurl/httpBase/HTTPEvent_KX.h"

#include <mutex>
#include <string>
#include <vector>

// The request runner: runs a record's attempts on a pool worker, reports the outcome to
// the receiver once (on the receiver's thread) and deletes the record.
class WebInterface
{
public:
    static WebInterface* GetInstance();

    // Queues the record on the request pool; the runner owns it from here on.
    void StartThread(HTTPEvent_KX* pRecord);
    // Runs the record to its end on the calling thread; the record is gone afterwards.
    static int ThreadProc(void* pRecord);

    // One attempt of each kind.
    bool RunRequest(HTTPEvent_KX* pRecord);
    bool EncodeRequest(std::string& strRoute, std::vector<ParamItem>& params,
                       HTTPEvent_KX* pRecord);
    bool GetRequest(std::string& strRoute, HTTPEvent_KX* pRecord);
    // nMode: 0 keeps a non-empty target and resumes a part file, 1 always downloads from
    // byte 0, anything else fails.
    bool DownloadFile(HTTPEvent_KX* pRecord, int nMode);
    bool InstallFile(HTTPEvent_KX* pRecord);
    bool PostUpload(std::string& strRoute, std::string strFileUrl, HTTPEvent_KX* pRecord);
    bool DeleteRequest(std::string& strRoute, std::vector<ParamItem>& params,
                       HTTPEvent_KX* pRecord);
    bool JsonRequest(std::string& strRoute, HTTPEvent_KX* pRecord);
    bool getSocks5Request(std::string strUrl, std::string strProxy,
                          const std::vector<ParamItem>& params, std::string& strResult,
                          HTTPEvent_KX* pRecord);
    bool SaveJson(HTTPEvent_KX* pRecord);

    // The base address for the record's domain type.
    std::string _GetEncodeDomain(HTTPEvent_KX* pRecord);
    // After a failed attempt on strFailedBase: an unresolvable host or a failed TLS
    // handshake moves the login or vip domain to the next standby address.
    void checkDomianChange(HTTPEvent_KX* pRecord, const std::string& strFailedBase);

    // The signed header set with the current time.
    void GetHttpHeader(std::vector<ParamItem>& headers);
    void GetHttpHeaderFirst(std::vector<ParamItem>& headers, const std::string& strTimeStamp);
    std::string GetSign(std::vector<ParamItem>& pairs);
    bool _EncodeRequestNew(std::string& strBase, std::string& strRoute,
                           std::vector<ParamItem>& params, HTTPEvent_KX* pRecord);

    // Standby base addresses (DOMAIN_LOGIN: API hosts, DOMAIN_VIP: resource hosts).
    void SetStandbyDomains(_DomainType domainType, const std::vector<std::string>& domains);
    std::vector<std::string> GetStandbyDomains(_DomainType domainType);

    // Answer readings shared by the kinds; false when the body is not JSON.
    static bool ReadServiceAnswer(const std::string& strBody, const std::string& strUrl,
                                  HTTPEvent_KX* pRecord);
    static bool ReadPlainAnswer(const std::string& strBody, const std::string& strUrl,
                                HTTPEvent_KX* pRecord);

    WebInterface(const WebInterface&) = delete;
    WebInterface& operator=(const WebInterface&) = delete;

private:
    WebInterface();
    void initDomain();
    std::vector<std::string>* standbyList(_DomainType domainType);
    bool runAttempt(HTTPEvent_KX* pRecord, int nDownloadMode);
    bool verifyHttpAttempt(HTTPEvent_KX* pRecord);
    static void report(HTTPEvent_KX* pRecord);

    std::mutex m_domainMutex;
    std::vector<std::string> m_vecDomain;
    std::vector<std::string> m_vecResDomain;
};
