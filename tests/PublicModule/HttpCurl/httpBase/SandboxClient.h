#pragma once

#include "SandboxService.h"
#include "TestHttpRecv.h"

#include "PublicModule/HttpCurl/httpBase/WebInterface.h"

#include <memory>

// The stand-in service plus a receiver whose login and vip domains point at it.
struct SandboxClient
{
    bool start()
    {
        recv.reset(new TestHttpRecv);
        if (!service.start())
            return false;
        recv->InitStaticData();
        recv->SetLoginDomian(service.apiUrl().toStdString());
        recv->SetVipDomian(service.resUrl().toStdString());
        recv->SetLocalDomian("http://127.0.0.1");
        return true;
    }

    // Runs the record on this thread and waits for its report.
    const ReportCopy& run(HTTPEvent_KX* pRecord)
    {
        const std::size_t nBefore = recv->reports.size();
        WebInterface::ThreadProc(pRecord);
        recv->waitForReports(nBefore + 1);
        static const ReportCopy none;
        return recv->reports.size() > nBefore ? recv->reports.back() : none;
    }

    // The logged requests to one path, in arrival order.
    Json::Value entries(const char* szPath)
    {
        Json::Value matching(Json::arrayValue);
        for (const Json::Value& entry : service.log())
            if (JsonRead::getString(entry, "path") == szPath)
                matching.append(entry);
        return matching;
    }

    static HTTPEvent_KX* record(int nKind, const char* szRoute, int nAttempts = 1)
    {
        auto* pRecord = new HTTPEvent_KX(100);
        pRecord->m_nRequestType = nKind;
        pRecord->m_strInterface = szRoute;
        pRecord->m_nParam1 = nAttempts;
        return pRecord;
    }

    SandboxService service;
    std::unique_ptr<TestHttpRecv> recv;
};
