#pragma once

#include "PublicModule/HttpCurl/httpBase/HttpProc.h"
#include "PublicModule/HttpCurl/httpBase/WebRecv.h"

#include <json/json.h>

#include <string>

// The client-core part of the answer receiver: logs each outcome, keeps the body of a
// failed request in an ".error" file beside the program, applies the domain lookup and
// forwards everything to the hooks of the interface bridge. Reports arrive on this
// object's thread; progress reports on the transfer's worker.
class HttpRecv : public HttpProc, public WebRecv
{
    Q_OBJECT
public:
    HttpRecv();

    static HttpRecv* GetInstance();

    void PostEvent(HTTPEvent_KX* pEvent) override;
    void PostEventError(HTTPEvent_KX* pEvent) override;
    void SetDownloadProgress(long dlNow, long dlTotal, long dlSpeed, int nPos) override;
    void SetDownloadEvent(HTTPEvent_KX* pEvent) override;

    virtual void PostEventInterfaceBase(HTTPEvent_KX* pEvent);
    virtual void PostEventInterfaceErrorBase(HTTPEvent_KX* pEvent);
    virtual void SetDownloadProgressInterfaceBase(long dlNow, long dlTotal, long dlSpeed, int nPos);
    virtual void SetDownloadEventInterfaceBase(HTTPEvent_KX* pEvent);

    // Sets the login, log, vip and local domains after the domain lookup.
    void slotGetDomain(Json::Value answer);

private:
    void saveErrorFile(const std::string& strName, const std::string& strText);
};
