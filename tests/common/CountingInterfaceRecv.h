#pragma once

#include "SandboxService.h"

#include "Interface/InterfaceRecv.h"
#include "Interface/MyThreadPool.h"
#include "PublicModule/HttpCurl/httpBase/MyThreadPoolBase.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <atomic>

// The service object with its finished requests counted per outcome.
class CountingInterfaceRecv : public InterfaceRecv
{
public:
    void PostEventInterface(HTTPEvent_KX* pEvent) override
    {
        InterfaceRecv::PostEventInterface(pEvent);
        ++nSucceeded;
    }
    void PostEventInterfaceError(HTTPEvent_KX* pEvent) override
    {
        InterfaceRecv::PostEventInterfaceError(pEvent);
        nLastError = pEvent->m_nRequestError;
        ++nFailed;
    }
    int finished() const { return nSucceeded + nFailed; }

    // Waits until every request sent so far, and every one their answers sent, has been
    // answered: the pools are idle and taking in the queued answers brings no new one.
    bool settle(int nTimeoutMs)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < nTimeoutMs) {
            MyThreadPoolBase::GetInstance()->waitForDone(100);
            MyThreadPool::GetInstance()->waitForDone(100);
            const int nBefore = finished();
            QCoreApplication::processEvents();
            if (finished() == nBefore && poolsIdle())
                return true;
        }
        return false;
    }

    // Runs the call, then settles.
    template <class Call> bool runAndSettle(const Call& call, int nTimeoutMs)
    {
        call(*this);
        return settle(nTimeoutMs);
    }

    // Sends the requests to the stand-in service's listeners.
    void useService(const SandboxService& service)
    {
        SetLoginDomian(service.apiUrl().toStdString());
        SetVipDomian(service.resUrl().toStdString());
    }

    // Signs the stand-in's account in and settles; the caller checks the outcome.
    bool signInDemo(int nTimeoutMs)
    {
        pushLogin(SandboxService::kDemoUser, SandboxService::kDemoPassword);
        return settle(nTimeoutMs);
    }

    static bool poolsIdle()
    {
        return MyThreadPoolBase::GetInstance()->activeThreadCount() == 0 &&
               MyThreadPool::GetInstance()->activeThreadCount() == 0;
    }

    std::atomic<int> nSucceeded{0};
    std::atomic<int> nFailed{0};
    // The transfer error of the last request that failed.
    std::atomic<int> nLastError{0};
};
