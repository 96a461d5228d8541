#pragma once

#include "CountingInterfaceRecv.h"
#include "SandboxService.h"

#include "DataManager/Proxy/ProxyManager.h"
#include "Interface/GlobleParam.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

// The base of the tests that talk to the stand-in service: their own folder, the service and
// a service object pointed at it. initTestCase calls startClient, or startSignedIn for a
// client signed in to the stand-in's account (cleanupTestCase then calls tearDown).
class ServiceClientFixture : public QObject
{
protected:
    static constexpr int kWaitMs = 10000 * QEL_TIME_FACTOR;

    QTemporaryDir m_workDir;
    SandboxService m_service;
    std::unique_ptr<GlobleParam> m_param;
    std::unique_ptr<CountingInterfaceRecv> m_recv;

    bool runAndWait(const std::function<void(InterfaceRecv&)>& call)
    {
        return m_recv->runAndSettle(call, kWaitMs);
    }

    void startClient()
    {
        QVERIFY(m_workDir.isValid());
        QVERIFY(QDir::setCurrent(m_workDir.path()));
        QVERIFY(m_service.start());
        m_param.reset(new GlobleParam);
        m_recv.reset(new CountingInterfaceRecv);
        m_recv->useService(m_service);
    }

    void startSignedIn()
    {
        startClient();
        if (QTest::currentTestFailed())
            return;
        QVERIFY(m_recv->signInDemo(kWaitMs));
        QCOMPARE(m_param->getIsLogin(), 1);
    }

    void tearDown()
    {
        m_recv.reset();
        delete ProxyManager::GetInstance();
        m_param.reset();
    }
};
