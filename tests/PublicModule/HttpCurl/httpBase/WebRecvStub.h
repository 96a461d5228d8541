#pragma once

#include "PublicModule/HttpCurl/httpBase/WebRecv.h"

// WebRecv with the receiving operations left empty, so the state and helpers can be
// exercised without the service object.
class WebRecvStub : public WebRecv
{
public:
    void PostEvent(HTTPEvent_KX*) override {}
    void PostEventError(HTTPEvent_KX*) override {}
    void SetDownloadProgress(long, long, long, int) override {}
    void SetDownloadEvent(HTTPEvent_KX*) override {}
    void ResetAppStateBase(int) override {}
    void setAppSendValue(int, QString, int) override {}
};
