// End to end: the stand-in service and the stand-in engine, started by the client after the
// demo account signed in. Exits are bound to local ports and fetched through, reused from
// today's list, freed, extracted by the API link and moved out of the port range. The test
// makes the calls the main window makes on the UI messages it hears.
#include "EngineTestKit.h"
#include "ServiceClientFixture.h"

#include "DataManager/Proxy/ProxyManager.h"
#include "DataManager/Sqllite/MySqllite.h"
#include "Interface/GlobleParam.h"
#include "Interface/ProxyGoProxy.h"

#include <QFile>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

#include <csignal>

namespace {

constexpr int kRangeSize = 20;
// Generous: the engine's answers come late on a busy machine.
constexpr int kWaitMs = 30000 * QEL_TIME_FACTOR;
constexpr int kDebounceMs = 3000;
const char* const kCheckRoute = "/api/client/check_ip";

// A binding as the engine logs it, new or moved.
const char* const kBoundLog = "port \\d+ (bound to|now for) exit";

Json::Value exitRecord(int n, int nPlan)
{
    Json::Value record;
    record["ip"] = "10.8.0." + std::to_string(n);
    record["ip_time_type"] = std::to_string(nPlan);
    record["country"] = "US";
    record["city"] = "Austin";
    record["continent"] = "North America";
    record["region"] = "r1";
    record["sn"] = "SN" + std::to_string(n);
    record["server"] = "s1";
    return record;
}

Json::Value refusal()
{
    Json::Value script;
    script["route"] = kCheckRoute;
    script["mode"] = "body";
    script["body"]["code"] = 1;
    script["body"]["msg"] = "expired";
    script["status"] = 200;
    script["times"] = 1;
    return script;
}

} // namespace

class tst_EngineE2E : public ServiceClientFixture
{
    Q_OBJECT

private:
    ProxyGoProxy* m_pEngine = nullptr;
    QTimer m_apiTodayTimer;
    QTimer m_freePortTimer;
    QString m_qstrLink;
    int m_nBegin = 0;

    ProxyManager& proxies() { return *ProxyManager::GetInstance(); }
    bool settle() { return m_recv->settle(kWaitMs); }

    QString addOnline(int n, int nPlan)
    {
        Json::Value records(Json::arrayValue);
        records.append(exitRecord(n, nPlan));
        proxies().addDataByJsonArray(records, Proxy_Online, 10); // a further page: rows stay
        return ProxyManager::userSession(
            QString::fromStdString(exitRecord(n, nPlan)["ip"].asString()));
    }

    TodayList* today(const QString& qstrKey)
    {
        return static_cast<TodayList*>(proxies().getListDataByKey(qstrKey, Proxy_Today));
    }

    Port* port(const QString& qstrPort) { return proxies().getPortDataByKey(qstrPort, Proxy_Port); }

    // The stored today row's port; "<none>" without a row.
    QString storedPort(const QString& qstrKey)
    {
        MySqllite::GetInstance()->waitForJobs();
        QString qstrPort = QStringLiteral("<none>");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "e2e-check");
            db.setDatabaseName(QDir::current().filePath("demo_user.db"));
            if (db.open()) {
                QSqlQuery query(db);
                query.prepare("SELECT port FROM " +
                              MySqllite::GetInstance()->getTodayListTableName() +
                              " WHERE session = ?");
                query.addBindValue(qstrKey);
                if (query.exec() && query.next())
                    qstrPort = query.value(0).toString();
            }
        }
        QSqlDatabase::removeDatabase("e2e-check");
        return qstrPort;
    }

    QStringList servicePaths()
    {
        QStringList paths;
        for (const Json::Value& entry : m_service.log())
            paths.append(QString::fromStdString(JsonRead::getString(entry, "path")));
        return paths;
    }

    // The main window's part: what it calls on the messages it hears.
    void wireRoot()
    {
        for (QTimer* pTimer : {&m_apiTodayTimer, &m_freePortTimer}) {
            pTimer->setSingleShot(true);
            pTimer->setInterval(kDebounceMs);
        }
        connect(&m_apiTodayTimer, &QTimer::timeout, this,
                [this] { proxies().beginParseApiTodayListData(); });
        connect(&m_freePortTimer, &QTimer::timeout, this,
                [this] { proxies().beginParseFreePortData(); });
        connect(m_recv.get(), &InterfaceProcBase::signal_SetUiData, this,
                [this](int nType, const QString& qstrValue, int) {
                    switch (nType) {
                    case 4:
                        proxies().parseApiRecv(qstrValue);
                        break;
                    case 5:
                        m_apiTodayTimer.start();
                        break;
                    case 6:
                        m_freePortTimer.start();
                        break;
                    case 27:
                        m_recv->pushGetServerStatus();
                        break;
                    case 51:
                        QTimer::singleShot(100, m_recv.get(),
                                           [this] { m_recv->pushGetServerStatus(); });
                        break;
                    case 101:
                        proxies().refreshPortByUser();
                        break;
                    default:
                        break;
                    }
                });
        connect(m_pEngine, &ProxyGoProxy::nApiPortChanged, m_param.get(),
                [this](int nPort) { m_param->setApiPort(nPort); });
        connect(&proxies(), &ProxyManager::signal_ResetApiUrl, this,
                [this](const QString& qstrLink) { m_qstrLink = qstrLink; });
    }

    // Binds the exit to the lowest free pool port and returns that port once the engine's
    // answer bound it (the request pools may be idle before it comes); empty if it never does.
    QString bind(const QString& qstrKey, int enumType)
    {
        const QString qstrPort = proxies().getRandomEnablePort();
        proxies().bindPortBySession(qstrKey, qstrPort, enumType);
        const bool bBound = QTest::qWaitFor(
            [&] { return port(qstrPort)->getUsed() && port(qstrPort)->getSession() == qstrKey; },
            kWaitMs);
        return settle() && bBound ? qstrPort : QString();
    }

private slots:
    void initTestCase()
    {
        g_previousHandler = qInstallMessageHandler(recordMessage);
        startClient();
        m_recv->SetLocalDomian("127.0.0.1");
        m_recv->SetTestServer(true); // the verify pages are files of the test endpoint
        m_nBegin = freeRange(2 * kRangeSize);
        QVERIFY(m_nBegin > 0);
        m_pEngine = ProxyGoProxy::GetInstance();
        // Every client starts from one fixed API port: engine tests running side by side
        // would reach each other's engines through it.
        m_pEngine->setApiPort(freePort());
        wireRoot();

        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        m_recv->pushLogin(SandboxService::kDemoUser, SandboxService::kDemoPassword);
        QTRY_VERIFY_WITH_TIMEOUT(ui.contains(QList<QVariant>{22, QString(), 1}), kWaitMs);
        QVERIFY(settle());
        m_param->setBeginPort(m_nBegin);
        m_param->setPortNumber(kRangeSize);
        m_param->setInternalNetIP("127.0.0.1");
        proxies().addPortData(m_nBegin, kRangeSize);
        QVERIFY(m_pEngine->startProxy(1));
        m_param->setApiPort(m_pEngine->getApiPort());
        QTRY_VERIFY_WITH_TIMEOUT(ui.contains(QList<QVariant>{50, QString(), 1}), kWaitMs);
        QVERIFY(m_param->getProxyRun());
    }

    void cleanupTestCase()
    {
        delete m_pEngine;
        settle();
        proxies().clearAllData(0);
        MySqllite::GetInstance()->waitForJobs();
        m_recv.reset();
        m_param.reset();
        qInstallMessageHandler(g_previousHandler);
    }

    // Bound, fetched through, reused, a 24-hour exit checked first, then freed.
    void bindingCarriesTraffic()
    {
        const QString qstrKey = addOnline(1, 1);
        m_service.reset();
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        const QString qstrPort = bind(qstrKey, Proxy_Online);
        QCOMPARE(qstrPort, QString::number(m_nBegin));
        QVERIFY(port(qstrPort)->getUsed());
        QCOMPARE(port(qstrPort)->getSession(), qstrKey);
        QVERIFY(today(qstrKey));
        QCOMPARE(today(qstrKey)->getPort(), qstrPort);
        QVERIFY(!today(qstrKey)->getBuyTime().isEmpty());
        QCOMPARE(storedPort(qstrKey), qstrPort);
        QCOMPARE(ui.count(QList<QVariant>{126, QString("minusIpNumByIpTimeType"), 1}), 1);

        QFile hello(QEL_SOURCE_DIR "/sandbox/service/files/hello.txt");
        QVERIFY(hello.open(QIODevice::ReadOnly));
        const auto fetched = curl({"--socks5-hostname", "127.0.0.1:" + qstrPort,
                                   m_service.resUrl() + "/files/hello.txt"});
        QCOMPARE(fetched.second, 0);
        QCOMPARE(fetched.first, hello.readAll());
        QTRY_VERIFY_WITH_TIMEOUT(servicePaths().contains("/files/verify-ip.json") &&
                                     servicePaths().contains("/files/ip-info.json"),
                                 kWaitMs);

        // From today's list within a day: the purchase is reused, nothing spent.
        ui.clear();
        const int nReused = logCount("\\(reuse\\)");
        const QString qstrAgain = bind(qstrKey, Proxy_Today);
        QTRY_COMPARE_WITH_TIMEOUT(logCount("\\(reuse\\)"), nReused + 1, kWaitMs);
        QCOMPARE(today(qstrKey)->getPort(), qstrAgain);
        QVERIFY(!port(qstrPort)->getUsed());
        QCOMPARE(uiCount(ui, 126), 0);
        // The engine lets the old port go too: it refuses, and the new one carries.
        QTRY_VERIFY_WITH_TIMEOUT(!accepts(qstrPort.toInt()), kWaitMs);
        QCOMPARE(curl({"--socks5-hostname", "127.0.0.1:" + qstrAgain,
                       m_service.resUrl() + "/files/hello.txt"})
                     .second,
                 0);

        // A 24-hour exit is checked with the service first; a refusal reaches no engine.
        const QString qstrDay = addOnline(2, 3);
        ui.clear();
        const int nBound = logCount(kBoundLog);
        const QString qstrDayPort = bind(qstrDay, Proxy_Online);
        QVERIFY(servicePaths().contains(kCheckRoute));
        QVERIFY(ui.contains(QList<QVariant>{126, QString("minusIpNumByIpTimeType"), 3}));
        QVERIFY(port(qstrDayPort)->getUsed());
        QTRY_COMPARE_WITH_TIMEOUT(logCount(kBoundLog), nBound + 1, kWaitMs);
        const QString qstrRefused = addOnline(3, 3);
        QVERIFY(m_service.script(refusal()));
        ui.clear();
        const QString qstrFree = proxies().getRandomEnablePort();
        proxies().bindPortBySession(qstrRefused, qstrFree, Proxy_Online);
        QVERIFY(settle());
        QVERIFY(ui.contains(QList<QVariant>{40, QString("expired"), Proxy_Online}));
        QVERIFY(!port(qstrFree)->getUsed());
        QCOMPARE(logCount(kBoundLog), nBound + 1);

        // Freed: the port refuses and the stored row loses it.
        m_recv->pushFreePortByKey(qstrDayPort);
        proxies().freePortForwardList(qstrDayPort);
        QVERIFY(settle());
        QTRY_VERIFY_WITH_TIMEOUT(!accepts(qstrDayPort.toInt()), kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(storedPort(qstrDay), QString(), kWaitMs + kDebounceMs);
    }

    // The extraction link binds three exits the engine reports; one it frees is free again.
    void extractionLinkFilesExits()
    {
        proxies().setCopyUrlByParam(1, "3", "", "", "", "", "", "");
        QVERIFY(m_qstrLink.contains("num=3"));
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        const int nToday = proxies().table(Proxy_Today).size();
        const auto fetched = curl({m_qstrLink});
        QCOMPARE(fetched.second, 0);
        QTRY_COMPARE_WITH_TIMEOUT(uiCount(ui, 4, "\"code\":1"), 3, kWaitMs);
        QCOMPARE(proxies().table(Proxy_Today).size(), nToday); // not before the debounce
        QTRY_COMPARE_WITH_TIMEOUT(proxies().table(Proxy_Today).size(), nToday + 3,
                                  kWaitMs + kDebounceMs);
        QCOMPARE(proxies().table(Proxy_ApiHistory).size(), 3);
        QStringList extracted;
        for (const QString& qstrLine : QString::fromUtf8(fetched.first).split("\r\n"))
            extracted << qstrLine.section(':', 1);
        QCOMPARE(extracted.size(), 3);
        for (const QString& qstrPort : extracted)
            QVERIFY2(port(qstrPort) && port(qstrPort)->getUsed(), qPrintable(qstrPort));

        const QString qstrFreed = extracted.first();
        const QString qstrKey = port(qstrFreed)->getSession();
        m_recv->pushFreePortByKey(qstrFreed);
        QTRY_VERIFY_WITH_TIMEOUT(!port(qstrFreed)->getUsed(), kWaitMs);
        QCOMPARE(today(qstrKey)->getPort(), QString());
        QTRY_COMPARE_WITH_TIMEOUT(storedPort(qstrKey), QString(), kWaitMs + kDebounceMs);
    }

    // A crashed engine is started again and every bound port is announced to it anew.
    void crashRestartAnnouncesBoundPorts()
    {
        QString qstrBound;
        for (int nPort = m_nBegin; nPort < m_nBegin + kRangeSize && qstrBound.isEmpty(); ++nPort)
            if (port(QString::number(nPort))->getUsed())
                qstrBound = QString::number(nPort);
        QVERIFY(!qstrBound.isEmpty());
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        QVERIFY(::kill(pid_t(m_pEngine->getEnginePid()), SIGKILL) == 0);
        QTRY_VERIFY_WITH_TIMEOUT(ui.contains(QList<QVariant>{50, QString(), 1}), 2 * kWaitMs);
        QVERIFY(settle());
        QTRY_VERIFY_WITH_TIMEOUT(accepts(qstrBound.toInt()), kWaitMs);
        const auto fetched = curl({"--socks5-hostname", "127.0.0.1:" + qstrBound,
                                   m_service.resUrl() + "/files/hello.txt"});
        QCOMPARE(fetched.second, 0);
    }

    // Moving the range frees every port of the old one.
    void scopeChangeEmptiesTheOldRange()
    {
        int nOpen = 0;
        for (int nPort = m_nBegin; nPort < m_nBegin + kRangeSize; ++nPort)
            nOpen += accepts(nPort) ? 1 : 0;
        QVERIFY(nOpen >= 3); // at least the reused exit and two extracted ones
        m_param->setBeginPort(m_nBegin + kRangeSize);
        m_recv->pushSetPortScope();
        QVERIFY(settle());
        for (int nPort = m_nBegin; nPort < m_nBegin + kRangeSize; ++nPort)
            QTRY_VERIFY2_WITH_TIMEOUT(!accepts(nPort), qPrintable(QString::number(nPort)), kWaitMs);
        QVERIFY(port(QString::number(m_nBegin + kRangeSize)));
    }
};

QEL_ENGINE_TEST_MAIN(tst_EngineE2E)
#include "tst_EngineE2E.moc"
