// The requests to the engine's local API through the client's own transport, against the
// stand-in engine started by the controller: status, re-announcement, verification through a
// bound port, freeing, and the port range; and the fields of a binding request.
#include "EngineTestKit.h"
#include "ServiceClientFixture.h"

#include "DataManager/Proxy/ProxyManager.h"
#include "Interface/GlobleParam.h"
#include "Interface/ProxyGoProxy.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace {

constexpr int kRangeSize = 20;
// Generous: the engine's answers come late on a busy machine.
constexpr int kWaitMs = 30000 * QEL_TIME_FACTOR;
const char* const kKey = "0123456789abcdef0123456789abcdef";

TodayList* todayRow(const QString& qstrKey, const QString& qstrIp, int nIpTimeType,
                    const QByteArray& lineJson)
{
    auto* pRow = new TodayList;
    pRow->setProxyType(Proxy_Today);
    pRow->setSession(qstrKey);
    pRow->setIp(qstrIp);
    pRow->setIpTimeType(nIpTimeType);
    pRow->setqjsonLine(QJsonDocument::fromJson(lineJson).object());
    return pRow;
}

} // namespace

class tst_EngineRequests : public ServiceClientFixture
{
    Q_OBJECT

private:
    ProxyGoProxy* m_pEngine = nullptr;
    int m_nRange = 0;

    // Runs the call and returns the first UI message of the type, waited for up to
    // nWaitMs after the answers are in (datagrams come on their own).
    QList<QVariant> runForUi(const std::function<void()>& call, int nType, int nWaitMs = kWaitMs)
    {
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        call();
        m_recv->settle(kWaitMs);
        QElapsedTimer timer;
        timer.start();
        while (firstUi(ui, nType).isEmpty() && timer.elapsed() < nWaitMs)
            QTest::qWait(20);
        return firstUi(ui, nType);
    }

    QStringList serviceRequests()
    {
        QStringList paths;
        for (const Json::Value& entry : m_service.log())
            paths.append(QString::fromStdString(JsonRead::getString(entry, "path")));
        return paths;
    }

private slots:
    void initTestCase()
    {
        g_previousHandler = qInstallMessageHandler(recordMessage);
        startClient();
        m_recv->SetLocalDomian("127.0.0.1");
        m_recv->SetTestServer(true); // the verify pages are files of the test endpoint
        m_nRange = freeRange(2 * kRangeSize);
        QVERIFY(m_nRange > 0);
        m_param->SetUsername(QStringLiteral("alice"));
        m_param->setUsernameSession(QStringLiteral("us-1"));
        m_param->setRadiusPass(QStringLiteral("engine-pass"));
        m_param->setBeginPort(m_nRange);
        m_param->setPortNumber(kRangeSize);
        m_pEngine = ProxyGoProxy::GetInstance();
        // Every client starts from one fixed API port: engine tests running side by side
        // would reach each other's engines through it.
        m_pEngine->setApiPort(freePort());
        QVERIFY(m_pEngine->startProxy(0));
        QTRY_VERIFY_WITH_TIMEOUT(m_param->getProxyRun(), kWaitMs);
    }

    void cleanupTestCase()
    {
        delete m_pEngine;
        m_recv->settle(kWaitMs);
        ProxyManager::GetInstance()->clearAllData(0);
        m_recv.reset();
        m_param.reset();
        qInstallMessageHandler(g_previousHandler);
    }

    void bindingFields_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("timeType");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("new rotating binding")
            << 136 << 1
            << QByteArray(R"({"country":"US","city":"New York","continent":"North America",
                              "sn":"SN-1","server":"gw1","server_port":"9000"})")
            << QStringList{"user_session=us-1", "session_id=k", "port=30001", "sn=SN-1",
                           "server=gw1", "ip=1.2.3.4", "time_type=1",
                           "area=US-NewYork-NorthAmerica"};
        QTest::newRow("re-announced static, number server_port")
            << 139 << 6 << QByteArray(R"({"country":"United States","city":"","server_port":9000})")
            << QStringList{"user_session=us-1", "session_id=k", "port=30001", "sn=", "server=",
                           "ip=1.2.3.4", "time_type=6", "server_port=",
                           "area=UnitedStates-random-United States", "use_type=2",
                           "open_port=30001"};
        QTest::newRow("today reuse keeps an empty city")
            << 137 << 3 << QByteArray(R"({"country":"US","city":"","server_port":"7000"})")
            << QStringList{"user_session=us-1", "session_id=k", "port=30001", "sn=", "server=",
                           "ip=1.2.3.4", "time_type=3", "server_port=7000", "area=US--US",
                           "open_port=30001"};
        QTest::newRow("batch traffic, nothing known")
            << 138 << 11 << QByteArray("{}")
            << QStringList{"user_session=us-1", "session_id=k", "port=30001", "sn=", "server=",
                           "ip=1.2.3.4", "time_type=11", "area=random-random-random",
                           "use_type=3"};
    }

    void bindingFields()
    {
        QFETCH(int, command);
        QFETCH(int, timeType);
        QFETCH(QByteArray, line);
        QFETCH(QStringList, fields);
        std::unique_ptr<TodayList> pRow(todayRow("k", "1.2.3.4", timeType, line));
        QStringList sent;
        for (const ParamItem& item :
             m_recv->setPortSessionParams(*pRow, QStringLiteral("30001"), timeType, command)) {
            // The port travels encoded; shown decoded here.
            const std::string strValue =
                item.strKey == "open_port" ? m_recv->Decode(item.strValue) : item.strValue;
            sent.append(QString::fromStdString(item.strKey + "=" + strValue));
        }
        QCOMPARE(sent, fields);
    }

    void statusAnswersOnce()
    {
        QSignalSpy apiUrl(ProxyManager::GetInstance(), &ProxyManager::signal_InitApiUrl);
        QList<QVariant> status;
        QElapsedTimer timer; // until the engine listens, each poll is refused at once
        timer.start();
        while (status.value(0).toInt() != 50 && timer.elapsed() < kWaitMs)
            status = runForUi([this] { m_recv->pushGetServerStatus(); }, 50, 100);
        QCOMPARE(status, (QList<QVariant>{50, QString(), 1}));
        QCOMPARE(apiUrl.size(), 1);
    }

    // A bound port announced again from its today row, verified through, then freed.
    void reannouncedPortCarriesVerifyAndFrees()
    {
        const int nPort = m_nRange + 2;
        const QString qstrPort = QString::number(nPort);
        QVERIFY(!m_recv->pushSetUsedPortSession(kKey, qstrPort, Proxy_Today)); // no row yet
        ProxyManager::GetInstance()->addData(
            todayRow(kKey, "203.0.113.7", 1, R"({"country":"US","sn":"SN-7","server":"gw"})"));
        clearLogged();
        QVERIFY(m_recv->pushSetUsedPortSession(kKey, qstrPort, Proxy_Today));
        QVERIFY(m_recv->settle(kWaitMs));
        QVERIFY(accepts(nPort));
        QTRY_VERIFY_WITH_TIMEOUT(!loggedWith(QStringLiteral("port %1 bound to exit").arg(nPort))
                                      .filter(QStringLiteral("(reuse)"))
                                      .isEmpty(),
                                 kWaitMs);

        m_service.reset();
        m_recv->pushLocalIpVerify(qstrPort);
        QVERIFY(m_recv->settle(kWaitMs));
        QStringList verified = serviceRequests();
        verified.sort(); // the two run side by side
        QCOMPARE(verified, (QStringList{"/files/ip-info.json", "/files/verify-ip.json"}));

        const QList<QVariant> freed =
            runForUi([&] { m_recv->pushFreePortByKey(qstrPort); }, 4);
        QCOMPARE(freed.value(1).toString(),
                 QStringLiteral("{\"code\":2,\"data\":\"%1\"}").arg(nPort));
        QVERIFY(!accepts(nPort));

        QVERIFY(m_recv->pushSetUsedPortSession(kKey, qstrPort, Proxy_Today));
        QVERIFY(m_recv->settle(kWaitMs));
        QVERIFY(accepts(nPort));
        m_recv->pushFreePortAll();
        QVERIFY(m_recv->settle(kWaitMs));
        QVERIFY(!accepts(nPort));
    }

    void scopeChangeMovesTheRange()
    {
        const int nPort = m_nRange + 1;
        QVERIFY(m_recv->pushSetUsedPortSession(kKey, QString::number(nPort), Proxy_Today));
        QVERIFY(m_recv->settle(kWaitMs));
        QVERIFY(accepts(nPort));

        // A range past 65535 is refused: no UI 101.
        m_param->setBeginPort(65530);
        QVERIFY(runForUi([this] { m_recv->pushSetPortScope(); }, 101, 0).isEmpty());
        QVERIFY(accepts(nPort));

        // The port outside the new range is freed, and the client hears of it.
        m_param->setBeginPort(m_nRange + kRangeSize);
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        const QList<QVariant> freed{4, QStringLiteral("{\"code\":2,\"data\":\"%1\"}").arg(nPort), 0};
        QCOMPARE(runForUi([&] { m_recv->pushSetPortScope(); }, 101).value(1).toString(),
                 QStringLiteral("success"));
        QTRY_VERIFY_WITH_TIMEOUT(ui.contains(freed), kWaitMs);
        QVERIFY(!accepts(nPort));
    }
};

QEL_ENGINE_TEST_MAIN(tst_EngineRequests)
#include "tst_EngineRequests.moc"
