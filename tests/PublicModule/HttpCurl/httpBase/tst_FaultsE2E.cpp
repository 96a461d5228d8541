// Faulty answers and unreachable hosts: each request ends in exactly one report, with the
// retries, pauses, error files and domain failover that follow from the failure.
#include "SandboxClient.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <curl/curl.h>

class tst_FaultsE2E : public QObject
{
    Q_OBJECT

private:
    HTTPEvent_KX* loginRecord(int nAttempts)
    {
        HTTPEvent_KX* pRecord = SandboxClient::record(REQUEST_NORMAL, "/api/x", nAttempts);
        pRecord->m_vetParams = {{"k", "v"}};
        return pRecord;
    }

private slots:
    void init()
    {
        m_client.reset(new SandboxClient);
        QVERIFY(m_client->start());
    }
    void cleanup() { m_client.reset(); }

    void faultyAnswerEndsInOneReport_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("attempts");
        QTest::addColumn<bool>("success");
        QTest::addColumn<int>("transportError");
        QTest::addColumn<int>("requests");
        QTest::newRow("not json") << "nonjson" << 2 << false << 0 << 2;
        QTest::newRow("truncated") << "truncated" << 2 << false << int(CURLE_PARTIAL_FILE) << 2;
        QTest::newRow("closed") << "close" << 2 << false << int(CURLE_GOT_NOTHING) << 2;
        // 20 MiB, past the cap of an answer read into memory: as large again when asked again.
        QTest::newRow("large") << "large" << 3 << false << int(CURLE_FILESIZE_EXCEEDED) << 1;
        QTest::newRow("status 500") << "status" << 2 << true << 0 << 1;
        QTest::newRow("404 text with 200") << "404" << 2 << true << 0 << 1;
    }
    void faultyAnswerEndsInOneReport()
    {
        QFETCH(QString, mode);
        QFETCH(int, attempts);
        QFETCH(bool, success);
        QFETCH(int, transportError);
        QFETCH(int, requests);
        Json::Value script;
        script["route"] = "/api/x";
        script["mode"] = mode.toStdString();
        script["status"] = 500;
        script["body"]["code"] = 9;
        QVERIFY(m_client->service.script(script));
        const ReportCopy report = m_client->run(loginRecord(attempts));
        QCoreApplication::processEvents();
        QCOMPARE(m_client->recv->reports.size(), 1u);
        QCOMPARE(report.bSuccess, success);
        QCOMPARE(report.nRequestError, transportError);
        QCOMPARE(m_client->entries("/api/x").size(), unsigned(requests));
        if (mode == "status")
            QCOMPARE(report.nParam1, 9);
        if (mode == "404")
            QCOMPARE(report.nParam1, -1);
    }

    void failedRequestLeavesItsBodyInAnErrorFile()
    {
        Json::Value script;
        script["route"] = "/api/x";
        script["mode"] = "nonjson";
        QVERIFY(m_client->service.script(script));
        QString qstrName = m_client->service.apiUrl() + "/api/x.error";
        qstrName.replace('/', '_');
        const QString qstrPath = QCoreApplication::applicationDirPath() + "/" + qstrName;
        QVERIFY(qstrName.startsWith("http:__127.0.0.1:"));
        QFile::remove(qstrPath);
        QVERIFY(!m_client->run(loginRecord(1)).bSuccess);
        QFile file(qstrPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("<html>not json</html>"));
        file.remove();
    }

    void hungServerIsEndedByTheTimeout()
    {
        Json::Value script;
        script["route"] = "/api/x";
        script["mode"] = "hang";
        QVERIFY(m_client->service.script(script));
        QElapsedTimer timer;
        timer.start();
        const ReportCopy report = m_client->run(loginRecord(1));
        QVERIFY(!report.bSuccess);
        QCOMPARE(report.nRequestError, int(CURLE_OPERATION_TIMEDOUT));
        QVERIFY(timer.elapsed() >= 20000);
        QVERIFY(timer.elapsed() < 26000);
    }

    void threeFailedLookupsWalkThroughTheStandbys()
    {
        WebInterface* pRunner = WebInterface::GetInstance();
        pRunner->SetStandbyDomains(DOMAIN_LOGIN,
                                   {"http://s1.invalid", "http://s2.invalid", "http://s3.invalid"});
        m_client->recv->SetLoginDomian("http://main.invalid");
        QElapsedTimer timer;
        timer.start();
        const ReportCopy report = m_client->run(loginRecord(3));
        QVERIFY(timer.elapsed() >= 900);
        QVERIFY(!report.bSuccess);
        QCOMPARE(report.nRequestError, int(CURLE_COULDNT_RESOLVE_HOST));
        QCOMPARE(m_client->recv->reports.size(), 1u);
        QCOMPARE(m_client->recv->GetLoginDomian(), std::string("http://s3.invalid"));
        QVERIFY(pRunner->GetStandbyDomains(DOMAIN_LOGIN).empty());
        QFile::remove(QCoreApplication::applicationDirPath() + "/http:__s3.invalid_api_x.error");
    }

    void failoverReachesTheStandbyService()
    {
        WebInterface* pRunner = WebInterface::GetInstance();
        pRunner->SetStandbyDomains(DOMAIN_VIP, {m_client->service.resUrl().toStdString()});
        m_client->recv->SetVipDomian("http://vip.invalid");
        HTTPEvent_KX* pRecord = loginRecord(2);
        pRecord->m_DomainType = DOMAIN_VIP;
        const ReportCopy report = m_client->run(pRecord);
        QVERIFY(report.bSuccess);
        QCOMPARE(report.strDomain, m_client->service.resUrl().toStdString());
        QCOMPARE(m_client->recv->GetVipDomian(), m_client->service.resUrl().toStdString());
        const Json::Value entries = m_client->entries("/api/x");
        QCOMPARE(entries.size(), 1u);
        QCOMPARE(JsonRead::getString(entries[0], "listener"), std::string("res"));
    }

private:
    std::unique_ptr<SandboxClient> m_client;
};

QTEST_GUILESS_MAIN(tst_FaultsE2E)
#include "tst_FaultsE2E.moc"
