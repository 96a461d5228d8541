// Binding exits to local ports through the client's transport. The stand-in service plays
// both the service ("/api/client/check_ip") and the engine's API ("/api/set_port_session"),
// with scripted answers, and its log shows what each request carried. Ports held by another
// program are refused by the stand-in engine itself, on a range of its own.
#include "CountingInterfaceRecv.h"
#include "EngineTestKit.h"
#include "SandboxService.h"

#include "DataManager/Proxy/ProxyManager.h"
#include "DataManager/Sqllite/MySqllite.h"
#include "Interface/GlobleParam.h"
#include "Interface/ProxyGoProxy.h"
#include "PublicModule/HttpCurl/features/Encryption.h"

#include <QDateTime>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

constexpr int kWaitMs = 10000 * QEL_TIME_FACTOR;
constexpr int kBegin = 30000;
const char* const kBindRoute = "/api/set_port_session";
const char* const kCheckRoute = "/api/client/check_ip";
const char* const kBuyTimeFormat = "yyyy-MM-dd hh:mm:ss";

Json::Value answerScript(const char* szRoute, const Json::Value& body, int nTimes)
{
    Json::Value script;
    script["route"] = szRoute;
    script["mode"] = "body";
    script["body"] = body;
    script["status"] = 200;
    script["times"] = nTimes;
    return script;
}

Json::Value answer(int nCode, const char* szMsg)
{
    Json::Value body;
    body["code"] = nCode;
    body["msg"] = szMsg;
    return body;
}

// An exit as the line list gives it; "server_port" comes as a number.
Json::Value exitRecord(int n, int nPlan, const char* szCity)
{
    Json::Value record;
    record["ip"] = "10.9.0." + std::to_string(n);
    record["ip_time_type"] = std::to_string(nPlan);
    record["country"] = "US";
    record["city"] = szCity;
    record["continent"] = "North America";
    record["region"] = "r1";
    record["sn"] = "SN" + std::to_string(n);
    record["server"] = "s1";
    record["server_port"] = 7000;
    return record;
}

QString buyTimeAgo(qint64 nSeconds)
{
    return QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch() - nSeconds)
        .toString(kBuyTimeFormat);
}

QString formField(const Json::Value& entry, const char* szKey)
{
    const Json::Value& value = JsonRead::member(JsonRead::member(entry, "form"), szKey);
    return value.isString() ? QString::fromStdString(value.asString()) : QStringLiteral("<none>");
}

// The port "open_port" names, decoded; "<none>" without it.
QString openPort(const Json::Value& entry)
{
    const QString qstrEncoded = formField(entry, "open_port");
    if (qstrEncoded == QLatin1String("<none>"))
        return qstrEncoded;
    return QString::fromStdString(Encryption::GetInstance()->decode(qstrEncoded.toStdString()));
}

QStringList uiTexts(const QSignalSpy& spy, int nType)
{
    QStringList texts;
    for (const QList<QVariant>& message : spy) {
        if (message[0].toInt() == nType)
            texts << message[1].toString();
    }
    return texts;
}

} // namespace

class tst_PortBinding : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    SandboxService m_service;
    std::unique_ptr<GlobleParam> m_param;
    std::unique_ptr<CountingInterfaceRecv> m_recv;
    TestChildProcess m_engine;
    int m_nEngineRange = 0;
    int m_nEngineApiPort = 0;
    ProxyManager& proxies() { return *ProxyManager::GetInstance(); }

    bool settle() { return m_recv->settle(kWaitMs); }

    // The requests to one route, in arrival order.
    QList<Json::Value> requests(const char* szRoute)
    {
        QList<Json::Value> entries;
        for (const Json::Value& entry : m_service.log()) {
            if (JsonRead::getString(entry, "path") == szRoute)
                entries << entry;
        }
        return entries;
    }

    QString addOnline(int n, int nPlan, const char* szCity = "New York")
    {
        Json::Value records(Json::arrayValue);
        records.append(exitRecord(n, nPlan, szCity));
        // As a further page, so the rows filed before stay.
        proxies().addDataByJsonArray(records, Proxy_Online, 10);
        return QString::fromStdString(WebRecv::encode_to_md5(
            "bind_user" + JsonRead::getString(exitRecord(n, nPlan, szCity), "ip")));
    }

    // A today row of an online exit, as an earlier binding left it.
    TodayList* addToday(const QString& qstrKey, const QString& qstrBuyTime)
    {
        const ProxyDataBase* pOnline = proxies().getListDataByKey(qstrKey, Proxy_Online);
        auto* pRow = new TodayList;
        pRow->setSession(qstrKey);
        pRow->setIp(pOnline->getIp());
        pRow->setIpTimeType(pOnline->getIpTimeType());
        QJsonObject line = pOnline->getqjsonLine();
        line.insert("buy_time", qstrBuyTime);
        pRow->setqjsonLine(line);
        pRow->setLine("encoded-line");
        pRow->setBuyTime(qstrBuyTime);
        proxies().addData(pRow);
        return pRow;
    }

    Port* port(int n) { return proxies().getPortDataByKey(QString::number(n), Proxy_Port); }

    // The stand-in engine on a free range, started once; binding requests go to it and the
    // pool covers its range. Returns the range's first port, 0 on failure.
    int useEngine()
    {
        if (m_engine.state() == QProcess::NotRunning) {
            m_nEngineRange = freeRange(20, 20000, 29900); // below the scripted range and the ephemeral ports
            m_nEngineApiPort = freePort();
            m_engine.start(QStringLiteral(QEL_BIN_DIR "/run/qeldrive"),
                           {QString("-api_port=%1").arg(m_nEngineApiPort), "-user=bind_user",
                            "-pwd=engine-pass", QString("-proxy_port_start=%1").arg(m_nEngineRange),
                            "-proxy_port_num=20", "-intranet_ip=127.0.0.1",
                            QString("-sync_udp_port=%1").arg(freePort()),
                            "-mac_adds=", "-client_api_port=0"});
            QTcpSocket api;
            for (int n = 0; n < 100 && api.state() != QAbstractSocket::ConnectedState; ++n) {
                QTest::qWait(50);
                api.connectToHost(QHostAddress::LocalHost, quint16(m_nEngineApiPort));
                api.waitForConnected(200);
            }
            if (api.state() != QAbstractSocket::ConnectedState)
                return 0;
        }
        ProxyGoProxy::GetInstance()->setApiPort(m_nEngineApiPort);
        m_param->setBeginPort(m_nEngineRange);
        proxies().refreshPortByUser();
        return m_nEngineRange;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QVERIFY(m_service.start());
        m_param.reset(new GlobleParam);
        m_recv.reset(new CountingInterfaceRecv);
        m_recv->SetLoginDomian(m_service.apiUrl().toStdString());
        m_recv->SetVipDomian(m_service.apiUrl().toStdString());
        m_recv->SetLocalDomian("http://127.0.0.1");
        m_recv->SetTestServer(true); // the verify pages are files of the test endpoint
        ProxyGoProxy::GetInstance()->setApiPort(m_service.apiPort());
        m_param->SetUsername("bind_user");
        MySqllite::GetInstance()->createMySqllite("bind_user", 0);
    }
    void cleanupTestCase()
    {
        QVERIFY(settle());
        m_engine.terminate();
        m_engine.waitForFinished(3000);
        m_recv.reset();
        delete ProxyGoProxy::GetInstance();
        delete ProxyManager::GetInstance();
        m_param.reset();
    }
    void init()
    {
        QVERIFY(settle());
        m_service.reset();
        ProxyGoProxy::GetInstance()->setApiPort(m_service.apiPort());
        m_param->setBeginPort(kBegin);
        m_param->setPortNumber(20);
        m_param->setIpNums(100);
        m_param->setDayIpNums(100);
        m_param->setStaticIpNums(100);
        proxies().addPortData(kBegin, 20);
    }
    void cleanup()
    {
        QVERIFY(settle());
        proxies().clearAllData(0);
    }

    void buyTimeWithinADay_data()
    {
        QTest::addColumn<QString>("qstrBuyTime");
        QTest::addColumn<bool>("bToday");
        const qint64 nNow = 1765000000;
        auto ago = [nNow](qint64 n) {
            return QDateTime::fromSecsSinceEpoch(nNow - n).toString(kBuyTimeFormat);
        };
        QTest::newRow("just bought") << ago(0) << true;
        QTest::newRow("86400 s") << ago(86400) << true;
        QTest::newRow("86401 s") << ago(86401) << false;
        QTest::newRow("in the future") << ago(-1) << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("malformed") << QString("yesterday") << false;
    }
    void buyTimeWithinADay()
    {
        QFETCH(QString, qstrBuyTime);
        QFETCH(bool, bToday);
        QCOMPARE(InterfacePost::isBoughtWithinDay(qstrBuyTime, 1765000000u), bToday);
    }

    // One engine request per binding, with the fields of its plan; a today row bought
    // within a day is reused (open_port, nothing spent), an older or future one bought anew.
    void singleBinding_data()
    {
        QTest::addColumn<int>("nPlan");
        QTest::addColumn<QString>("qstrCity");
        QTest::addColumn<qint64>("nBoughtAgo"); // -1: not in today's list
        QTest::addColumn<QString>("qstrArea");
        QTest::addColumn<QString>("qstrServerPort");
        QTest::addColumn<QString>("qstrUseType");
        QTest::addColumn<bool>("bReuse");
        QTest::newRow("online") << 1 << "New York" << qint64(-1) << "US-NewYork-NorthAmerica"
                                << "<none>"
                                << "<none>" << false;
        QTest::newRow("static, no city") << 6 << "" << qint64(-1) << "US-random-US"
                                         << ""
                                         << "2" << false;
        QTest::newRow("traffic") << 11 << "Austin" << qint64(-1) << "US-Austin-NorthAmerica"
                                 << "<none>"
                                 << "3" << false;
        QTest::newRow("today, 100 s") << 1 << "New York" << qint64(100) << "US-NewYork-NorthAmerica"
                                      << "<none>"
                                      << "<none>" << true;
        QTest::newRow("today, reuse keeps an empty city")
            << 1 << "" << qint64(100) << "US--NorthAmerica"
            << "<none>"
            << "<none>" << true;
        QTest::newRow("today, a day and a minute")
            << 1 << "New York" << qint64(86460) << "US-NewYork-NorthAmerica"
            << "<none>"
            << "<none>" << false;
        QTest::newRow("today, bought in the future")
            << 1 << "New York" << qint64(-3600) << "US-NewYork-NorthAmerica"
            << "<none>"
            << "<none>" << false;
    }
    void singleBinding()
    {
        QFETCH(int, nPlan);
        QFETCH(QString, qstrCity);
        QFETCH(qint64, nBoughtAgo);
        QFETCH(QString, qstrArea);
        QFETCH(QString, qstrServerPort);
        QFETCH(QString, qstrUseType);
        QFETCH(bool, bReuse);
        m_param->setRealTrafficPlanNums(5.0f);
        QVERIFY(m_service.script(answerScript(kBindRoute, answer(0, "success"), -1)));
        const QString qstrKey = addOnline(1, nPlan, qstrCity.toUtf8().constData());
        const bool bInToday = nBoughtAgo != -1;
        if (bInToday)
            addToday(qstrKey, buyTimeAgo(nBoughtAgo));
        const int enumType = bInToday ? Proxy_Today : Proxy_Online;
        QSignalSpy ui(m_recv.get(), &InterfaceRecv::signal_SetUiData);
        proxies().bindPortBySession(qstrKey, "30003", enumType);
        QVERIFY(settle());

        const QList<Json::Value> sent = requests(kBindRoute);
        QCOMPARE(sent.size(), 1);
        QCOMPARE(formField(sent[0], "session_id"), qstrKey);
        QCOMPARE(formField(sent[0], "port"), QString("30003"));
        QCOMPARE(formField(sent[0], "ip"), QString("10.9.0.1"));
        QCOMPARE(formField(sent[0], "sn"), QString("SN1"));
        QCOMPARE(formField(sent[0], "time_type"), QString::number(nPlan));
        QCOMPARE(formField(sent[0], "area"), qstrArea);
        QCOMPARE(formField(sent[0], "server_port"), qstrServerPort);
        QCOMPARE(formField(sent[0], "use_type"), qstrUseType);
        QCOMPARE(openPort(sent[0]), bReuse ? QString("30003") : QString("<none>"));
        QCOMPARE(uiValues(ui, 126), bReuse ? QList<int>{} : QList<int>{nPlan});
        QCOMPARE(uiValues(ui, 24), QList<int>{enumType});

        const auto* pToday =
            static_cast<TodayList*>(proxies().getListDataByKey(qstrKey, Proxy_Today));
        QVERIFY(pToday);
        QCOMPARE(pToday->getPort(), QString("30003"));
        QCOMPARE(pToday->getBuyType(), 1);
        QCOMPARE(pToday->getqjsonLine().value("buy_time").toString(), pToday->getBuyTime());
        QVERIFY(port(30003)->getUsed());
        QCOMPARE(port(30003)->getSession(), qstrKey);
        // Only a new today row is uploaded: one batch of one item that carries the IP.
        const QList<Json::Value> uploads = requests("/api/client/batch_save_todaylist");
        QCOMPARE(uploads.size(), bInToday ? 0 : 1);
        if (!bInToday) {
            Json::Value items;
            QVERIFY(JsonRead::parse(formField(uploads[0], "data").toStdString(), items));
            QCOMPARE(items.size(), 1u);
            QCOMPARE(JsonRead::getString(items[0], "ip"), std::string("10.9.0.1"));
        }
    }

    // A move the engine accepted frees the old port there as well; a refused move or the
    // same port frees nothing and keeps the pairing.
    void rebindFreesTheOldPort_data()
    {
        QTest::addColumn<int>("nCode");
        QTest::addColumn<QString>("qstrNewPort");
        QTest::addColumn<QStringList>("freed");
        QTest::newRow("moved") << 0 << "30003" << QStringList{"30001"};
        QTest::newRow("refused") << 1 << "30003" << QStringList{};
        QTest::newRow("same port") << 0 << "30001" << QStringList{};
    }
    void rebindFreesTheOldPort()
    {
        QFETCH(int, nCode);
        QFETCH(QString, qstrNewPort);
        QVERIFY(m_service.script(answerScript(kBindRoute, answer(nCode, "refused"), -1)));
        QVERIFY(m_service.script(answerScript("/api/del_port_session", answer(0, "success"), -1)));
        const QString qstrKey = addOnline(1, 1);
        TodayList* pToday = addToday(qstrKey, buyTimeAgo(100));
        pToday->setPort("30001");
        proxies().updatePortBind(qstrKey, "30001", {}, 1);
        proxies().bindPortBySession(qstrKey, qstrNewPort, Proxy_Today);
        QVERIFY(settle());
        QStringList freed;
        for (const Json::Value& entry : requests("/api/del_port_session"))
            freed << formField(entry, "port");
        QTEST(freed, "freed");
        const QString qstrHeld = nCode == 0 ? qstrNewPort : QString("30001");
        QCOMPARE(pToday->getPort(), qstrHeld);
        QCOMPARE(port(qstrHeld.toInt())->getSession(), qstrKey);
    }

    // An exhausted balance of the exit's own kind refuses it on the client: UI 29 says
    // which, and nothing is sent.
    void exhaustedBalanceSendsNothing_data()
    {
        QTest::addColumn<int>("nPlan");
        QTest::addColumn<QString>("qstrText");
        const QString qstrIps = "Your IP number is insufficient,please renew.";
        QTest::newRow("traffic") << 11 << "Your data plan is insufficient,please renew.";
        QTest::newRow("rotating") << 1 << qstrIps;
        QTest::newRow("kind 4") << 4 << qstrIps;
    }
    void exhaustedBalanceSendsNothing()
    {
        QFETCH(int, nPlan);
        QFETCH(QString, qstrText);
        const bool bTraffic = nPlan == 11;
        m_param->setRealTrafficPlanNums(bTraffic ? 0.0f : 5.0f);
        m_param->setIpNums(bTraffic ? 100 : 0);
        const QString qstrKey = addOnline(1, nPlan);
        QSignalSpy ui(m_recv.get(), &InterfaceRecv::signal_SetUiData);
        proxies().bindPortBySession(qstrKey, "30003", Proxy_Online);
        QVERIFY(settle());
        QCOMPARE(uiTexts(ui, 29), QStringList{qstrText});
        QCOMPARE(uiValues(ui, 29), QList<int>{nPlan});
        QVERIFY(requests(kBindRoute).isEmpty());
    }

    // The engine learns the settings' port range.
    void portScopeNamesTheRange()
    {
        m_recv->pushSetPortScope();
        QVERIFY(settle());
        const QList<Json::Value> sent = requests("/api/set_port_proxy_scope");
        QCOMPARE(sent.size(), 1);
        QCOMPARE(formField(sent[0], "proxy_port_start"), QString::number(kBegin));
        QCOMPARE(formField(sent[0], "proxy_port_num"), QString("20"));
    }

    void emptyPortSendsNothing()
    {
        const QString qstrKey = addOnline(1, 1);
        QSignalSpy ui(m_recv.get(), &InterfaceRecv::signal_SetUiData);
        proxies().bindPortBySession(qstrKey, QString(), 1);
        QVERIFY(settle());
        QCOMPARE(uiTexts(ui, 40), QStringList{"No free local port"});
        QCOMPARE(uiValues(ui, 40), QList<int>{1});
        QVERIFY(m_service.log().empty());
    }

    void heldPortIsShownAndChangesNothing()
    {
        const int nBegin = useEngine();
        QVERIFY(nBegin > 0);
        QTcpServer holder;
        QVERIFY(holder.listen(QHostAddress::LocalHost, quint16(nBegin)));
        const QString qstrKey = addOnline(1, 1);
        QSignalSpy ui(m_recv.get(), &InterfaceRecv::signal_SetUiData);
        proxies().bindPortBySession(qstrKey, QString::number(nBegin), 1);
        QVERIFY(settle());
        QCOMPARE(uiTexts(ui, 40),
                 QStringList{QString("port %1 is in use by another program").arg(nBegin)});
        QCOMPARE(uiValues(ui, 40), QList<int>{1});
        QVERIFY(uiValues(ui, 24).isEmpty());
        QVERIFY(proxies().table(Proxy_Today).isEmpty());
        QVERIFY(!port(nBegin)->getUsed());
        QVERIFY(proxies().getListDataByKey(qstrKey, Proxy_Online));
    }

    // 20 exits to a block of 20 ports, positions 3 and 12 held by another program.
    void batchSkipsHeldPorts()
    {
        const int nBegin = useEngine();
        QVERIFY(nBegin > 0);
        QTcpServer holders[2];
        QVERIFY(holders[0].listen(QHostAddress::LocalHost, quint16(nBegin + 2)));
        QVERIFY(holders[1].listen(QHostAddress::LocalHost, quint16(nBegin + 11)));
        for (int n = 1; n <= 20; ++n)
            addOnline(n, 1);
        proxies().refreshPortList();
        int nAll = 0;
        QSignalSpy ui(m_recv.get(), &InterfaceRecv::signal_SetUiData);
        connect(m_recv.get(), &InterfaceRecv::signal_SetUiData, this,
                [&](int nType, const QString&, int nValue) {
                    if (nType == 127)
                        proxies().allotPortArray(nAll = nValue, 0, 1);
                    else if (nType == 133)
                        proxies().allotPortArray(nAll, nValue, 1);
                });
        proxies().setPortArrayAllocByKey(QString("%1-%2").arg(nBegin).arg(nBegin + 19), 1);
        QVERIFY(settle());
        disconnect(m_recv.get(), &InterfaceRecv::signal_SetUiData, this, nullptr);

        QCOMPARE(uiValues(ui, 127), QList<int>{20});
        QCOMPARE(uiValues(ui, 133).size(), 20);
        QCOMPARE(uiValues(ui, 133).last(), 20);
        QCOMPARE(uiValues(ui, 131).size(), 18);
        QCOMPARE(uiValues(ui, 132).size(), 2);
        const QString qstrHeld("port %1 is in use by another program");
        QCOMPARE(uiTexts(ui, 40),
                 (QStringList{qstrHeld.arg(nBegin + 2), qstrHeld.arg(nBegin + 11)}));
        int nUsed = 0;
        for (int n = nBegin; n < nBegin + 20; ++n)
            nUsed += port(n)->getUsed() ? 1 : 0;
        QCOMPARE(nUsed, 18);
        QVERIFY(!port(nBegin + 2)->getUsed() && !port(nBegin + 11)->getUsed());
        QCOMPARE(proxies().table(Proxy_Today).size(), 18);
    }

    void blockChecks_data()
    {
        QTest::addColumn<QString>("qstrLabel");
        QTest::addColumn<int>("nIpNums");
        QTest::addColumn<QList<int>>("expected"); // UI types, in order
        QTest::newRow("unknown label") << "1-2" << 100 << QList<int>{127};
        QTest::newRow("balance below the block") << "30000-30019" << 5 << QList<int>{29, 160};
        QTest::newRow("no balance") << "30000-30019" << 0 << QList<int>{29, 160};
    }
    void blockChecks()
    {
        QFETCH(QString, qstrLabel);
        QFETCH(int, nIpNums);
        QFETCH(QList<int>, expected);
        addOnline(1, 1);
        proxies().refreshPortList();
        m_param->setIpNums(nIpNums);
        QSignalSpy ui(m_recv.get(), &InterfaceRecv::signal_SetUiData);
        proxies().setPortArrayAllocByKey(qstrLabel, 1);
        QList<int> types;
        for (const QList<QVariant>& message : ui)
            types << message[0].toInt();
        QCOMPARE(types, expected);
        QCOMPARE(ui[0][2].toInt(), expected[0] == 127 ? 0 : 1);
        QVERIFY(settle());
        QVERIFY(m_service.log().empty());
    }

    // A 24-hour exit asks the service first; a refusal sends nothing to the engine.
    void dayExitIsCheckedFirst_data()
    {
        QTest::addColumn<int>("nCode");
        QTest::addColumn<int>("nEngineRequests");
        QTest::newRow("accepted") << 0 << 1;
        QTest::newRow("refused") << 1 << 0;
    }
    void dayExitIsCheckedFirst()
    {
        QFETCH(int, nCode);
        QFETCH(int, nEngineRequests);
        QVERIFY(m_service.script(answerScript(kCheckRoute, answer(nCode, "expired"), -1)));
        QVERIFY(m_service.script(answerScript(kBindRoute, answer(0, "success"), -1)));
        const QString qstrKey = addOnline(1, 3);
        QSignalSpy ui(m_recv.get(), &InterfaceRecv::signal_SetUiData);
        proxies().bindPortBySession(qstrKey, "30001", 1);
        QVERIFY(settle());
        const QList<Json::Value> checks = requests(kCheckRoute);
        QCOMPARE(checks.size(), 1);
        QCOMPARE(formField(checks[0], "ip"), QString("10.9.0.1"));
        QCOMPARE(formField(checks[0], "region"), QString("r1"));
        const QList<Json::Value> sent = requests(kBindRoute);
        QCOMPARE(sent.size(), nEngineRequests);
        if (nCode == 0) {
            QCOMPARE(formField(sent[0], "area"), QString("US-NewYork-US"));
            QCOMPARE(uiValues(ui, 126), QList<int>{3});
            QVERIFY(port(30001)->getUsed());
        } else {
            QCOMPARE(uiTexts(ui, 40), QStringList{"expired"});
            QVERIFY(!port(30001)->getUsed());
        }
    }

    // Every used port with a today row is announced again, city "random" and open_port.
    void reannouncesBoundPorts()
    {
        const QString qstrFirst = addOnline(1, 1, "");
        const QString qstrSecond = addOnline(2, 6, "Austin");
        for (const QString& qstrKey : {qstrFirst, qstrSecond})
            addToday(qstrKey, buyTimeAgo(10));
        proxies().updatePortBind(qstrFirst, "30004", {}, 1);
        proxies().updatePortBind(qstrSecond, "30005", {}, 1);
        proxies().updatePortBind("no-today-row", "30006", {}, 1);
        proxies().initStartSuccess();
        QVERIFY(settle());
        QList<Json::Value> sent = requests(kBindRoute);
        QCOMPARE(sent.size(), 2);
        std::sort(sent.begin(), sent.end(), [](const Json::Value& a, const Json::Value& b) {
            return formField(a, "port") < formField(b, "port");
        });
        QCOMPARE(formField(sent[0], "area"), QString("US-random-NorthAmerica"));
        QCOMPARE(formField(sent[1], "area"), QString("US-Austin-US"));
        QCOMPARE(formField(sent[1], "use_type"), QString("2"));
        for (const Json::Value& entry : sent)
            QCOMPARE(openPort(entry), formField(entry, "port"));
    }

    // Transfers that fail still end: a single binding shows it, a batch goes on.
    void failedTransfersAreReported()
    {
        ProxyGoProxy::GetInstance()->setApiPort(1);
        const QString qstrKey = addOnline(1, 1);
        addOnline(2, 1);
        proxies().refreshPortList();
        QSignalSpy ui(m_recv.get(), &InterfaceRecv::signal_SetUiData);
        proxies().bindPortBySession(qstrKey, "30000", 1);
        proxies().attachPortAndSession(qstrKey, "30001", 1, 0);
        proxies().attachPortAndSession("no-such-exit", "30002", 1, 1);
        QVERIFY(settle());
        ProxyGoProxy::GetInstance()->setApiPort(m_service.apiPort());
        QCOMPARE(uiValues(ui, 40).size(), 1);
        QCOMPARE(uiValues(ui, 132).size(), 2);
        QList<int> next = uiValues(ui, 133);
        std::sort(next.begin(), next.end());
        QCOMPARE(next, (QList<int>{1, 2}));
        QVERIFY(!port(30000)->getUsed());
    }
};

QTEST_MAIN(tst_PortBinding)
#include "tst_PortBinding.moc"
