#pragma once

#include "PublicModule/HttpCurl/httpBase/HTTPEvent_KX.h"
#include "PublicModule/HttpCurl/httpBase/HttpRecv.h"

#include <QTest>
#include <QThread>

#include <atomic>
#include <mutex>
#include <vector>

// What a report carried, copied before the record goes away.
struct ReportCopy
{
    bool bSuccess = false;
    int nCmd = 0;
    std::int64_t nParam1 = 0;
    std::int64_t nParam6 = 0;
    std::int64_t nRequestError = 0;
    std::string strResult;
    std::string strValue;
    std::string strParam;
    std::string strInterface;
    std::string strDomain;
    std::string strFilePath;
    Json::Value jsValue;
    QThread* pThread = nullptr;
};

// A concrete receiver that records every report and progress call.
class TestHttpRecv : public HttpRecv
{
public:
    TestHttpRecv() { g_pWebRecv = this; }
    ~TestHttpRecv() override
    {
        if (g_pWebRecv == this)
            g_pWebRecv = nullptr;
    }

    void PostEventInterfaceBase(HTTPEvent_KX* pEvent) override
    {
        reports.push_back(copyOf(pEvent, true));
    }
    void PostEventInterfaceErrorBase(HTTPEvent_KX* pEvent) override
    {
        reports.push_back(copyOf(pEvent, false));
    }
    // Runs on the transfer's worker.
    void SetDownloadEventInterfaceBase(HTTPEvent_KX* pEvent) override
    {
        std::lock_guard<std::mutex> lock(progressMutex);
        progress.push_back(pEvent->m_nParam5);
        if (cancelAtPercent >= 0 && pEvent->m_nParam5 >= cancelAtPercent)
            pEvent->m_nParam7 = 0;
    }
    void ResetAppStateBase(int) override {}
    void setAppSendValue(int, QString, int) override {}

    bool waitForReports(std::size_t nCount, int nTimeoutMs = 30000)
    {
        return QTest::qWaitFor([&] { return reports.size() >= nCount; }, nTimeoutMs);
    }
    std::vector<std::int64_t> progressCopy()
    {
        std::lock_guard<std::mutex> lock(progressMutex);
        return progress;
    }

    std::vector<ReportCopy> reports;
    std::mutex progressMutex;
    std::vector<std::int64_t> progress;
    std::int64_t cancelAtPercent = -1;

private:
    static ReportCopy copyOf(HTTPEvent_KX* pEvent, bool bSuccess)
    {
        ReportCopy copy;
        copy.bSuccess = bSuccess;
        copy.nCmd = pEvent->m_nCmd;
        copy.nParam1 = pEvent->m_nParam1;
        copy.nParam6 = pEvent->m_nParam6;
        copy.nRequestError = pEvent->m_nRequestError;
        copy.strResult = pEvent->m_strResult;
        copy.strValue = pEvent->m_strValue;
        copy.strParam = pEvent->m_strParam;
        copy.strInterface = pEvent->m_strInterface;
        copy.strDomain = pEvent->m_strDomain;
        copy.strFilePath = pEvent->m_strFilePath;
        copy.jsValue = pEvent->m_jsValue;
        copy.pThread = QThread::currentThread();
        return copy;
    }
};

// A record that counts its own deletion.
class TrackedEvent : public HTTPEvent_KX
{
public:
    TrackedEvent(int nCmd, std::atomic<int>* pDeleted) : HTTPEvent_KX(nCmd), m_pDeleted(pDeleted) {}
    ~TrackedEvent() override { ++*m_pDeleted; }

private:
    std::atomic<int>* m_pDeleted;
};
