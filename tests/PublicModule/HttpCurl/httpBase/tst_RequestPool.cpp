// The request pool and the runner's attempt loop and report: one report per record on the
// receiver's thread, deletion after it, the pause between attempts and the worker limit.
#include "EngineTestKit.h"
#include "TestHttpRecv.h"

#include "BuildConfig.h"
#include "PublicModule/HttpCurl/httpBase/MyThreadBase.h"
#include "PublicModule/HttpCurl/httpBase/MyThreadPoolBase.h"
#include "PublicModule/HttpCurl/httpBase/WebInterface.h"
#include "PublicModule/HttpCurl/qtsingleapplication/CApp.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <set>

namespace {
constexpr int kUnknownKind = 11;

HTTPEvent_KX* newRecord(int nCmd, int nKind, std::atomic<int>* pDeleted, int nAttempts = 1)
{
    auto* pRecord = new TrackedEvent(nCmd, pDeleted);
    pRecord->m_nRequestType = nKind;
    pRecord->m_nParam1 = nAttempts;
    return pRecord;
}

// The answer texts logged for failed answers while installed.
QStringList g_answerTexts;

void keepAnswerTexts(QtMsgType, const QMessageLogContext&, const QString& qstrMsg)
{
    if (qstrMsg.startsWith(QLatin1String("Result:")))
        g_answerTexts << qstrMsg;
}

} // namespace

class tst_RequestPool : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_recv.reset(new TestHttpRecv); }
    void cleanup()
    {
        MyThreadPoolBase::GetInstance()->waitForDone();
        QCoreApplication::processEvents();
        m_recv.reset();
    }

    void runRecordReportsOnReceiverThreadThenIsDeleted()
    {
        std::atomic<int> deleted{0};
        HTTPEvent_KX* pRecord = newRecord(42, REQUEST_RUN, &deleted, 3);
        pRecord->m_nParam6 = 77;
        WebInterface::GetInstance()->StartThread(pRecord);
        QVERIFY(m_recv->waitForReports(1));
        QTRY_COMPARE(deleted.load(), 1);
        QCOMPARE(m_recv->reports.size(), 1u);
        const ReportCopy& report = m_recv->reports.front();
        QVERIFY(report.bSuccess);
        QCOMPARE(report.nCmd, 42);
        QCOMPARE(report.nParam6, 77);
        QCOMPARE(report.pThread, QThread::currentThread());
    }

    void failingAttemptsPauseThenReportOnceWithErrorFile()
    {
        std::atomic<int> deleted{0};
        HTTPEvent_KX* pRecord = newRecord(50, kUnknownKind, &deleted);
        pRecord->m_nParam1 = (std::int64_t(5) << 32) | 3; // only the low 32 bits count
        pRecord->m_strInterface = "http://127.0.0.1:1/api/x";
        const QString qstrError =
            QCoreApplication::applicationDirPath() + "/http:__127.0.0.1:1_api_x.error";
        QFile::remove(qstrError);
        QElapsedTimer timer;
        timer.start();
        WebInterface::ThreadProc(pRecord);
        QVERIFY(timer.elapsed() >= 900);
        QVERIFY(timer.elapsed() < 1500 * QEL_TIME_FACTOR);
        QCOMPARE(deleted.load(), 0); // still waiting for its report
        QVERIFY(m_recv->waitForReports(1));
        QCOMPARE(deleted.load(), 1);
        QVERIFY(!m_recv->reports.front().bSuccess);
        QVERIFY(QFile::exists(qstrError));
        QFile::remove(qstrError);
    }

    void attemptCountBelowOneMeansOne()
    {
        std::atomic<int> deleted{0};
        QElapsedTimer timer;
        timer.start();
        WebInterface::ThreadProc(newRecord(1, kUnknownKind, &deleted, -5));
        QVERIFY(timer.elapsed() < 600 * QEL_TIME_FACTOR);
        QVERIFY(m_recv->waitForReports(1));
    }

    void answeredFailureWritesNoErrorFile()
    {
        std::atomic<int> deleted{0};
        HTTPEvent_KX* pRecord = newRecord(51, kUnknownKind, &deleted, 0);
        pRecord->m_strInterface = "noerrorfile";
        pRecord->m_nParam1 = 0;
        WebInterface::ThreadProc(pRecord);
        QVERIFY(m_recv->waitForReports(1));
        QVERIFY(!QFile::exists(QCoreApplication::applicationDirPath() + "/noerrorfile.error"));
    }

    void saveJsonAlwaysReportsCodeZero()
    {
        std::atomic<int> deleted{0};
        HTTPEvent_KX* pRecord = newRecord(117, REQUEST_SAVEJSON, &deleted);
        pRecord->m_nParam6 = 99; // no such cache: the save fails
        WebInterface::ThreadProc(pRecord);
        QVERIFY(m_recv->waitForReports(1));
        QCOMPARE(m_recv->reports.front().nParam1, 0);
        QVERIFY(!m_recv->reports.front().bSuccess);
    }

    void refusedFormPostRecordsTransportError()
    {
        std::atomic<int> deleted{0};
        HTTPEvent_KX* pRecord = newRecord(108, REQUEST_NORMAL, &deleted);
        pRecord->m_DomainType = DOMAIN_LOCAL;
        m_recv->SetLocalDomian("http://127.0.0.1");
        pRecord->m_strApiPort = std::to_string(freePort());
        pRecord->m_strInterface = "/api/socks/login";
        WebInterface::ThreadProc(pRecord);
        QVERIFY(m_recv->waitForReports(1));
        const ReportCopy& report = m_recv->reports.front();
        QVERIFY(!report.bSuccess);
        QCOMPARE(report.nRequestError, 7);
        QCOMPARE(report.strValue, std::string("Couldn't connect to server"));
        QString qstrName = QString::fromStdString(report.strDomain + report.strInterface);
        QVERIFY(QFile::remove(QCoreApplication::applicationDirPath() + "/" +
                              qstrName.replace('/', '_') + ".error"));
    }

    void withoutReceiverTheRecordIsDeletedAtOnce()
    {
        m_recv.reset();
        std::atomic<int> deleted{0};
        WebInterface::ThreadProc(newRecord(1, REQUEST_RUN, &deleted));
        QCOMPARE(deleted.load(), 1);
    }

    void taskOfOtherRunTypeLeavesItsRecord()
    {
        std::atomic<int> deleted{0};
        HTTPEvent_KX* pRecord = newRecord(1, REQUEST_RUN, &deleted);
        {
            MyThreadBase task(1);
            task.setPointer(pRecord);
            task.run();
            QCOMPARE(task.getPointer(), pRecord);
            QCOMPARE(deleted.load(), 0);
        } // a task that never handed its record over frees it
        QCOMPARE(deleted.load(), 1);
        QCoreApplication::processEvents();
        QVERIFY(m_recv->reports.empty());
    }

    void tenWorkersAtMostAndEveryRecordReportsOnce()
    {
        MyThreadPoolBase* pPool = MyThreadPoolBase::GetInstance();
        QCOMPARE(pPool->maxThreadCount(), 10);
        std::atomic<int> deleted{0};
        for (int i = 0; i < 100; ++i) {
            HTTPEvent_KX* pRecord = newRecord(1000 + i, kUnknownKind, &deleted);
            pRecord->m_nParam1 = 0; // no error files
            WebInterface::GetInstance()->StartThread(pRecord);
        }
        QTest::qWait(150);
        QCOMPARE(pPool->activeThreadCount(), 10);
        QVERIFY(m_recv->waitForReports(100, 20000));
        QTRY_COMPARE(deleted.load(), 100);
        QCoreApplication::processEvents();
        QCOMPARE(m_recv->reports.size(), 100u);
        std::set<int> commands;
        for (const ReportCopy& report : m_recv->reports)
            commands.insert(report.nCmd);
        QCOMPARE(commands.size(), 100u);
    }

    void domainLookupSetsDomainsWithoutNetwork()
    {
        qputenv("QEL_TEST_API_URL", "http://127.0.0.1:4001");
        qputenv("QEL_TEST_RES_URL", "http://127.0.0.1:4002");
        m_recv->SetTestServer(true);
        m_recv->getDomain();
        QVERIFY(m_recv->waitForReports(1));
        const ReportCopy& report = m_recv->reports.front();
        QCOMPARE(report.nCmd, 3);
        QCOMPARE(report.nParam1, 0);
        QVERIFY(report.bSuccess);
        QCOMPARE(m_recv->GetLoginDomian(), std::string("http://127.0.0.1:4001"));
        QCOMPARE(m_recv->GetVipDomian(), std::string("http://127.0.0.1:4002"));
        QCOMPARE(m_recv->GetLocalDomian(), std::string("127.0.0.1"));
        QCOMPARE(m_recv->GetLogDomian(), std::string());
    }

    void domainLookupAnswerDecodesLogAndToleratesOddAnswers()
    {
        m_recv->slotGetDomain(Json::Value(5));
        QCOMPARE(m_recv->GetLogDomian(), std::string());
        Json::Value answer;
        answer["log"] = m_recv->Encode("http://log.example");
        m_recv->slotGetDomain(answer);
        QCOMPARE(m_recv->GetLogDomian(), std::string("http://log.example"));
        QVERIFY(!m_recv->IsTestServer());
        QCOMPARE(m_recv->GetLoginDomian(), std::string(QEL_API_URL));
    }

    void failedDomainLookupStillSetsDomains()
    {
        std::atomic<int> deleted{0};
        HTTPEvent_KX* pRecord = newRecord(3, kUnknownKind, &deleted);
        WebInterface::ThreadProc(pRecord);
        QVERIFY(m_recv->waitForReports(2));
        QVERIFY(m_recv->reports[0].bSuccess); // the success path runs first
        QVERIFY(!m_recv->reports[1].bSuccess);
        QVERIFY(QFile::exists(QCoreApplication::applicationDirPath() + "/GetDomian.error"));
        QCOMPARE(m_recv->GetLocalDomian(), std::string("127.0.0.1"));
    }

    void failedAnswerTextOnlyWhenDiagnosticsArePrinted_data()
    {
        QTest::addColumn<bool>("debugging");
        QTest::addColumn<int>("members");
        QTest::addColumn<int>("texts");
        QTest::newRow("normal run") << false << 20000 << 0;
        QTest::newRow("debugging") << true << 2 << 1;
        QTest::newRow("debugging, large answer") << true << 20000 << 1;
    }
    void failedAnswerTextOnlyWhenDiagnosticsArePrinted()
    {
        QFETCH(bool, debugging);
        QFETCH(int, members);
        QFETCH(int, texts);
        HTTPEvent_KX record(60);
        record.m_nParam1 = 1; // the service's code for a failure
        for (int i = 0; i < members; ++i)
            record.m_jsValue["member" + std::to_string(i)] = "value";
        g_answerTexts.clear();
        const QtMessageHandler previous = qInstallMessageHandler(keepAnswerTexts);
        bIsDebugging = debugging;
        m_recv->PostEvent(&record);
        bIsDebugging = false;
        qInstallMessageHandler(previous);
        QCOMPARE(g_answerTexts.size(), texts);
        QCOMPARE(m_recv->reports.size(), 1u);
        if (texts == 0)
            return;
        const QString& qstrText = g_answerTexts.front();
        if (members == 2) {
            QCOMPARE(qstrText, QStringLiteral(R"(Result: {"member0":"value","member1":"value"})"));
        } else {
            QVERIFY(qstrText.endsWith(QLatin1String(" bytes in all]")));
            QVERIFY(qstrText.size() > 64 * 1024 && qstrText.size() < 64 * 1024 + 100);
        }
    }

private:
    std::unique_ptr<TestHttpRecv> m_recv;
};

QTEST_GUILESS_MAIN(tst_RequestPool)
#include "tst_RequestPool.moc"
