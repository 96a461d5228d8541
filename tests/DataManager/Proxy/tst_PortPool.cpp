// The local port pool, its blocks and scope changes, engine datagrams and the extraction
// link. Nothing here reaches a network: the service object points at a closed port.
#include "EngineTestKit.h"

#include "DataManager/Proxy/ProxyListModel.h"
#include "DataManager/Proxy/ProxyManager.h"
#include "DataManager/Sqllite/MySqllite.h"
#include "Interface/GlobleParam.h"
#include "Interface/InterfaceRecv.h"
#include "PublicModule/HttpCurl/httpBase/MyThreadPoolBase.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

constexpr int kBegin = 30000;
constexpr int kWaitMs = 10000 * QEL_TIME_FACTOR;

QString port(int n)
{
    return QString::number(n);
}

// A today row bound to a pool port, as a confirmed pairing leaves it.
void bindToday(ProxyManager& proxies, const QString& qstrKey, const QString& qstrPort)
{
    auto* pRow = new TodayList;
    pRow->setSession(qstrKey);
    pRow->setIp(qstrKey);
    pRow->setPort(qstrPort);
    proxies.addData(pRow);
    proxies.updatePortBind(qstrKey, qstrPort, {{"ip", qstrKey}}, 1);
}

QStringList usedPorts(ProxyManager& proxies)
{
    QStringList ports;
    for (QObject* pObject : proxies.getDataType(Proxy_Port)) {
        const auto* pPort = static_cast<Port*>(pObject);
        if (pPort->getUsed())
            ports << pPort->getPort() + '=' + pPort->getSession();
    }
    return ports;
}

QStringList todayPorts(ProxyManager& proxies)
{
    QStringList ports;
    for (const ProxyDataBase* pObject : proxies.table(Proxy_Today)) {
        const auto* pRow = static_cast<const TodayList*>(pObject);
        ports << pRow->getSession() + '=' + pRow->getPort();
    }
    ports.sort();
    return ports;
}

} // namespace

class tst_PortPool : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<GlobleParam> m_param;
    std::unique_ptr<InterfaceRecv> m_recv;
    ProxyManager& proxies() { return *ProxyManager::GetInstance(); }

    void makePool(int nBegin, int nCount)
    {
        m_param->setBeginPort(nBegin);
        m_param->setPortNumber(nCount);
        proxies().addPortData(nBegin, nCount);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(m_dir.path()));
        m_param.reset(new GlobleParam);
        m_recv.reset(new InterfaceRecv);
        m_recv->SetLoginDomian("http://127.0.0.1:" + std::to_string(freePort()));
        m_param->SetUsername("pool_user");
        MySqllite::GetInstance()->createMySqllite("pool_user", 0);
    }
    void cleanupTestCase()
    {
        MyThreadPoolBase::GetInstance()->waitForDone(kWaitMs);
        QCoreApplication::processEvents();
        m_recv.reset();
        delete ProxyManager::GetInstance();
    }
    void cleanup() { proxies().clearAllData(0); }

    void blocks_data()
    {
        QTest::addColumn<int>("nCount");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QList<int>>("counts");
        QTest::newRow("50 ports") << 50 << QStringList{"30000-30019", "30020-30039", "30040-30049"}
                                  << QList<int>{20, 20, 10};
        QTest::newRow("40 ports") << 40 << QStringList{"30000-30019", "30020-30039"}
                                  << QList<int>{20, 20};
        QTest::newRow("7 ports") << 7 << QStringList{"30000-30006"} << QList<int>{7};
        QTest::newRow("none") << 0 << QStringList{} << QList<int>{};
    }
    void blocks()
    {
        QFETCH(int, nCount);
        QFETCH(QStringList, labels);
        QFETCH(QList<int>, counts);
        makePool(kBegin, nCount);
        QStringList shown;
        QList<int> sizes;
        for (QObject* pObject : proxies().refreshPortList()) {
            shown << static_cast<PortList*>(pObject)->getShow();
            sizes << static_cast<PortList*>(pObject)->getPortCount();
        }
        QCOMPARE(shown, labels);
        QCOMPARE(sizes, counts);
        for (int i = 0; i < labels.size(); ++i) {
            QCOMPARE(proxies().getIpCountByKey(labels[i]), counts[i]);
            QCOMPARE(proxies().getCurScopeByKey(labels[i]), labels[i]);
        }
        QCOMPARE(proxies().getIpCountByKey("30000-30100"), 0);
        QCOMPARE(proxies().getCurScopeByKey("30000-30100"), QString());
        QCOMPARE(proxies().listModel(Proxy_PortList)->count(), labels.size());
    }

    // B..B+19 leave with their bindings; B+20..B+49 keep theirs; B+50..B+69 come free.
    void scopeChangeKeepsTheOverlap()
    {
        makePool(kBegin, 50);
        bindToday(proxies(), "gone", port(kBegin + 5));
        bindToday(proxies(), "kept", port(kBegin + 25));
        QSignalSpy ui(m_recv.get(), &InterfaceRecv::signal_SetUiData);
        m_param->setBeginPort(kBegin + 20);
        proxies().refreshPortByUser();
        for (int n = kBegin; n < kBegin + 90; ++n)
            QCOMPARE(proxies().isExistByKey(port(n), Proxy_Port),
                     n >= kBegin + 20 && n < kBegin + 70);
        QCOMPARE(usedPorts(proxies()), QStringList{port(kBegin + 25) + "=kept"});
        QCOMPARE(todayPorts(proxies()), (QStringList{"gone=", "kept=" + port(kBegin + 25)}));
        QCOMPARE(ui.count(), 1);
        QCOMPARE(ui[0][0].toInt(), 157);
        ProxyListModel* pModel = proxies().listModel(Proxy_Port);
        QCOMPARE(pModel->count(), 50);
        QCOMPARE(static_cast<Port*>(pModel->get(0))->getPort(), port(kBegin + 20));

        // Filing the scope again lists each port once and keeps its binding.
        proxies().addPortData(kBegin + 20, 50);
        QCOMPARE(pModel->count(), 50);
        QCOMPARE(usedPorts(proxies()), QStringList{port(kBegin + 25) + "=kept"});
    }

    // Text order: 10000 sorts before 9998; a used port is never handed out.
    void freePortChoice()
    {
        makePool(9998, 4);
        QCOMPARE(proxies().getRandomEnablePort(), QString("10000"));
        QCOMPARE(static_cast<Port*>(proxies().listModel(Proxy_Port)->get(0))->getPort(),
                 QString("10000"));
        QCOMPARE(proxies().copyPortDataAll(),
                 QString("127.0.0.1:10000\n127.0.0.1:10001\n127.0.0.1:9998\n127.0.0.1:9999\n"));
        for (int n = 9998; n < 10002; ++n)
            bindToday(proxies(), "k" + port(n), port(n));
        QCOMPARE(proxies().getRandomEnablePort(), QString());
        proxies().freePortForwardList(QString(), 1);
        QVERIFY(usedPorts(proxies()).isEmpty());
        QCOMPARE(todayPorts(proxies()), (QStringList{"k10000=", "k10001=", "k9998=", "k9999="}));
        // A sign-out keeps the pool and the programs; only a full clear drops them.
        proxies().addProgram("/usr/bin/env", "env");
        proxies().clearAllData(1);
        QCOMPARE(proxies().getRandomEnablePort(), QString("10000"));
        QVERIFY(proxies().getProgramByPath("/usr/bin/env"));
        proxies().clearAllData(0);
        QCOMPARE(proxies().getRandomEnablePort(), QString());
        QVERIFY(!proxies().getProgramByPath("/usr/bin/env"));
    }

    // What the callback server would answer the engine.
    void callbackAnswers()
    {
        makePool(kBegin, 5);
        bindToday(proxies(), "10.0.0.1", port(kBegin));
        Json::Value today(Json::arrayValue);
        proxies().getTodayListJson(today);
        QCOMPARE(today.size(), 1u);
        QCOMPARE(today[0]["ip"].asString(), std::string("10.0.0.1"));
        QCOMPARE(today[0]["port"].asString(), std::string("30000"));
        QCOMPARE(today[0]["time_type"].asString(), std::string("Popular Plan"));
        QCOMPARE(today[0]["online"].asString(), std::string("TRUE"));
        QCOMPARE(today[0]["country"].asString(), std::string());
        QCOMPARE(proxies().modifyTodayBySessionAndPort("10.0.0.1", "40000"), 1);
        QCOMPARE(proxies().modifyTodayBySessionAndPort("10.0.0.2", "30001"), 2);
    }

    void datagramsThatAct()
    {
        makePool(kBegin, 5);
        bindToday(proxies(), "a", port(kBegin));
        bindToday(proxies(), "b", port(kBegin + 1));
        QSignalSpy ui(m_recv.get(), &InterfaceRecv::signal_SetUiData);
        proxies().parseApiRecv(R"({"code":2,"data":"30000"})");
        proxies().parseApiRecv(R"({"code":2,"data":30001})");
        QVERIFY(usedPorts(proxies()).isEmpty());
        QCOMPARE(todayPorts(proxies()), (QStringList{"a=", "b="}));
        proxies().parseApiRecv(R"({"code":1,"data":{"ip":"10.0.0.9","port":"30002"}})");
        QCOMPARE(ui.count(), 3);
        QCOMPARE(ui[0][0].toInt(), 6);
        QCOMPARE(ui[2][0].toInt(), 5);
        proxies().beginParseApiTodayListData();
        QCOMPARE(proxies().table(Proxy_Today).size(), 3);
        QCOMPARE(usedPorts(proxies()).size(), 1);
    }

    void badDatagramsChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("datagram");
        QTest::newRow("code as text") << QByteArray(R"({"code":"1","data":{"ip":"10.0.0.1"}})");
        QTest::newRow("code 1 without ip") << QByteArray(R"({"code":1,"data":{"port":"30000"}})");
        QTest::newRow("code 1 with a numeric ip") << QByteArray(R"({"code":1,"data":{"ip":7}})");
        QTest::newRow("code 1 above the ports")
            << QByteArray(R"({"code":1,"data":{"ip":"10.0.0.9","port":"30005"}})");
        QTest::newRow("code 1 below the ports")
            << QByteArray(R"({"code":1,"data":{"ip":"10.0.0.9","port":29999}})");
        QTest::newRow("code 1 without a port") << QByteArray(R"({"code":1,"data":{"ip":"10.0.0.9"}})");
        QTest::newRow("code 2 with an object")
            << QByteArray(R"({"code":2,"data":{"port":"30000"}})");
        QTest::newRow("code 2 without data") << QByteArray(R"({"code":2})");
        QTest::newRow("code 3") << QByteArray(R"({"code":3,"data":"30000"})");
        QTest::newRow("an array") << QByteArray(R"([{"code":2,"data":"30000"}])");
        QTest::newRow("not JSON") << QByteArray("code=2&data=30000");
        QByteArray garbage(60 * 1024, '\0');
        for (int i = 0; i < garbage.size(); ++i)
            garbage[i] = static_cast<char>("{[\"x:,}]\\\xff"[i % 11]);
        QTest::newRow("60 KiB of garbage") << garbage;
    }
    void badDatagramsChangeNothing()
    {
        QFETCH(QByteArray, datagram);
        makePool(kBegin, 5);
        bindToday(proxies(), "a", port(kBegin));
        QSignalSpy ui(m_recv.get(), &InterfaceRecv::signal_SetUiData);
        proxies().parseApiRecv(QString::fromLatin1(datagram));
        proxies().beginParseApiTodayListData();
        QCOMPARE(ui.count(), 0);
        QCOMPARE(usedPorts(proxies()), QStringList{port(kBegin) + "=a"});
        QCOMPARE(todayPorts(proxies()), QStringList{"a=" + port(kBegin)});
        QVERIFY(proxies().table(Proxy_ApiHistory).isEmpty());
    }

    void links_data()
    {
        QTest::addColumn<int>("nMeal");
        QTest::addColumn<QString>("qstrCount");
        QTest::addColumn<QString>("qstrCountry");
        QTest::addColumn<QString>("qstrIsp");
        QTest::addColumn<QString>("qstrIp");
        QTest::addColumn<int>("nBeginPort");
        QTest::addColumn<QString>("qstrTail"); // what follows "/api/get_ip_list?"
        const QString all = "country=all&state=all&city=all&zip=all&isp=all&";
        QTest::newRow("example") << 1 << "5"
                                 << ""
                                 << ""
                                 << "" << 30000 << "num=5&" + all + "ip_time=1&t=1&port=30000";
        QTest::newRow("begin port 0") << 1 << "5"
                                      << ""
                                      << ""
                                      << "" << 0 << "num=5&" + all + "ip_time=1&t=1&port=30000";
        QTest::newRow("count capped")
            << 4 << "500"
            << ""
            << ""
            << "" << 40000 << "num=50&" + all + "use_type=1&t=1&port=40000";
        QTest::newRow("negative count")
            << 11 << "-3"
            << ""
            << ""
            << "" << 40000 << "num=1&" + all + "use_type=3&ip_time=1&t=1&port=40000";
        QTest::newRow("count not a number")
            << 3 << "five"
            << "random"
            << ""
            << "" << 40000 << "num=1&" + all + "ip_time=3&t=1&port=40000";
        QTest::newRow("operator with & and a space")
            << 1 << "2"
            << "US"
            << "A&B Net"
            << "" << 40000
            << "num=2&country=US&state=all&city=all&zip=all&isp=A%26B%20Net&ip_time=1&t=1&port="
               "40000";
        QTest::newRow("IP segment")
            << 1 << "2"
            << ""
            << ""
            << "10.1" << 40000 << "num=2&" + all + "ip_time=1&t=1&port=40000&ip_part=10.1";
    }
    void links()
    {
        QFETCH(int, nMeal);
        QFETCH(QString, qstrCount);
        QFETCH(QString, qstrCountry);
        QFETCH(QString, qstrIsp);
        QFETCH(QString, qstrIp);
        QFETCH(int, nBeginPort);
        QFETCH(QString, qstrTail);
        m_param->setProxyRun(true);
        m_param->setInternalNetIP("127.0.0.1");
        m_param->setApiPort(42333);
        m_param->setPortNumber(50);
        m_param->setBeginPort(nBeginPort);
        QSignalSpy link(&proxies(), &ProxyManager::signal_ResetApiUrl);
        QCOMPARE(
            proxies().setCopyUrlByParam(nMeal, qstrCount, qstrCountry, "", "", qstrIsp, "", qstrIp),
            QString());
        QCOMPARE(link.count(), 1);
        QCOMPARE(link[0][0].toString(), "http://127.0.0.1:42333/api/get_ip_list?" + qstrTail);
        QCOMPARE(link[0][1].toInt(), 1);
        m_param->setProxyRun(false);
        proxies().setCopyUrlByParam(nMeal, qstrCount, qstrCountry, "", "", qstrIsp, "", qstrIp);
        QCOMPARE(link.count(), 2);
        QCOMPARE(link[1][0].toString(), QString());
        QCOMPARE(link[1][1].toInt(), 0);
    }
};

QTEST_MAIN(tst_PortPool)
#include "tst_PortPool.moc"
