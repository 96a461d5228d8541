// The engine controller with the stand-in engine in run/ beside this program: arguments,
// ports, start and status, crash restarts, stopping, and the local address choice. Until the
// root window is wired, the test makes its calls (27/51 -> status poll).
#include "CountingInterfaceRecv.h"
#include "EngineTestKit.h"

#include "DataManager/Proxy/ProxyManager.h"
#include "Interface/GlobleParam.h"
#include "Interface/ProxyGoProxy.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QNetworkAddressEntry>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>

#include <csignal>

namespace {

constexpr int kRangeSize = 8;
const char* const kPassword = "s3cret-engine-pass";
const QString kRealEngine = QStringLiteral(QEL_BIN_DIR "/run/qeldrive");

QString enginePath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/run/qeldrive");
}

// The real engine, or a shell script in its place.
bool placeEngine(const QString& qstrScript = QString())
{
    QFile::remove(enginePath());
    if (qstrScript.isEmpty())
        return QFile::copy(kRealEngine, enginePath());
    QFile file(enginePath());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("#!/bin/sh\n" + qstrScript.toUtf8());
    file.close();
    return file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// "R" etc., or 0 when the process is gone; a zombie counts as gone.
char processState(qint64 nPid, qint64* pGroup = nullptr)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(nPid));
    if (nPid <= 0 || !stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 3 || fields[0] == "Z")
        return 0;
    if (pGroup)
        *pGroup = fields[2].toLongLong();
    return fields[0].at(0);
}

bool processGone(qint64 nPid)
{
    return processState(nPid) == 0;
}

int groupMembers(qint64 nGroup)
{
    int nCount = 0;
    QDirIterator it(QStringLiteral("/proc"));
    while (it.hasNext()) {
        bool bPid = false;
        const qint64 nPid = QFileInfo(it.next()).fileName().toLongLong(&bPid);
        qint64 nOfGroup = 0;
        if (bPid && processState(nPid, &nOfGroup) && nOfGroup == nGroup)
            ++nCount;
    }
    return nCount;
}

QStringList commandLine(qint64 nPid)
{
    QFile file(QStringLiteral("/proc/%1/cmdline").arg(nPid));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList list;
    for (const QByteArray& argument : file.readAll().split('\0'))
        list.append(QString::fromUtf8(argument));
    list.removeLast(); // after the closing zero byte
    return list;
}

QNetworkAddressEntry entry(const char* szIp)
{
    QNetworkAddressEntry address;
    address.setIp(QHostAddress(QString::fromLatin1(szIp)));
    return address;
}

LocalInterface upInterface(const char* szName, const char* szMac,
                           const QList<QNetworkAddressEntry>& entries)
{
    LocalInterface item;
    item.qstrName = QString::fromLatin1(szName);
    item.qstrHardwareAddress = QString::fromLatin1(szMac);
    item.bUp = item.bRunning = true;
    item.entries = entries;
    return item;
}

} // namespace

Q_DECLARE_METATYPE(QList<LocalInterface>)

class tst_ProxyGoProxy : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_workDir;
    std::unique_ptr<GlobleParam> m_param;
    std::unique_ptr<CountingInterfaceRecv> m_recv;
    std::unique_ptr<QSignalSpy> m_ui;
    ProxyGoProxy* m_pEngine = nullptr;

    static constexpr int kWaitMs = 10000 * QEL_TIME_FACTOR;

    QList<int> valuesOf(int nType) const { return uiValues(*m_ui, nType); }

    bool waitForUi(int nType, int nCount = 1, int nTimeoutMs = kWaitMs)
    {
        QElapsedTimer timer;
        timer.start();
        while (valuesOf(nType).size() < nCount && timer.elapsed() < nTimeoutMs)
            QTest::qWait(20);
        return valuesOf(nType).size() >= nCount;
    }

    // What the root window does after UI 27: polls the status, again on every 51, until 50
    // (recorded as 501 for value 1, 500 for 0).
    QList<int> pollStatus()
    {
        QList<int> seen;
        for (int nPoll = 0; nPoll < 100; ++nPoll) {
            QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
            m_recv->pushGetServerStatus();
            if (!m_recv->settle(kWaitMs))
                break;
            for (const QList<QVariant>& args : ui) {
                const int nType = args.at(0).toInt();
                if (nType == 51)
                    seen.append(51);
                else if (nType == 50)
                    seen.append(500 + args.at(2).toInt());
            }
            if (!seen.isEmpty() && seen.last() != 51)
                break;
            QTest::qWait(100);
        }
        return seen;
    }

private slots:
    void initTestCase()
    {
        g_previousHandler = qInstallMessageHandler(recordMessage);
        QVERIFY(m_workDir.isValid());
        QVERIFY(QDir::setCurrent(m_workDir.path()));
        m_param = std::make_unique<GlobleParam>();
        m_recv = std::make_unique<CountingInterfaceRecv>();
        m_recv->SetLocalDomian("127.0.0.1");
    }

    void init()
    {
        QVERIFY(placeEngine());
        const int nRange = freeRange(kRangeSize);
        QVERIFY(nRange > 0);
        m_param->SetUsername(QStringLiteral("alice"));
        m_param->setRadiusPass(QString::fromLatin1(kPassword));
        m_param->setBeginPort(nRange);
        m_param->setPortNumber(kRangeSize);
        m_param->setHttpServerPort(freePort());
        m_param->setProxyRun(false);
        m_pEngine = ProxyGoProxy::GetInstance();
        m_pEngine->setApiPort(freePort());
        m_ui = std::make_unique<QSignalSpy>(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        clearLogged();
    }

    void cleanup()
    {
        delete m_pEngine; // stops the engine, as at exit
        m_pEngine = nullptr;
        QVERIFY(m_recv->settle(kWaitMs));
        m_ui.reset();
        QVERIFY(placeEngine());
    }

    void cleanupTestCase()
    {
        m_recv.reset();
        m_param.reset();
        qInstallMessageHandler(g_previousHandler);
    }

    void startsWithNineArgumentsAndPassesDatagrams()
    {
        QSignalSpy portSpy(m_pEngine, &ProxyGoProxy::signal_ResetApiPort);
        QVERIFY(m_pEngine->startProxy(0));
        QVERIFY(waitForUi(27));
        QVERIFY(m_param->getProxyRun());
        QCOMPARE(portSpy.size(), 1);
        QCOMPARE(portSpy.at(0).at(0).toInt(), m_pEngine->getApiPort());

        const qint64 nPid = m_pEngine->getEnginePid();
        const QStringList expected{
            QStringLiteral("-api_port=%1").arg(m_pEngine->getApiPort()),
            QStringLiteral("-user=alice"),
            QStringLiteral("-pwd=") + kPassword,
            QStringLiteral("-proxy_port_start=%1").arg(m_param->getBeginPort()),
            QStringLiteral("-proxy_port_num=%1").arg(kRangeSize),
            QStringLiteral("-intranet_ip=127.0.0.1"),
            QStringLiteral("-sync_udp_port=%1").arg(m_pEngine->getDatagramPort()),
            QStringLiteral("-mac_adds=") + m_pEngine->getMacAddress(),
            QStringLiteral("-client_api_port=%1").arg(m_param->getHttpServerPort())};
        QCOMPARE(commandLine(nPid).mid(1), expected);
        QCOMPARE(pollStatus().last(), 501);
        // The command line is logged with the password masked, and the password nowhere.
        const QStringList logged = loggedWith(QStringLiteral("qstrParam:"));
        QCOMPARE(logged.size(), 1);
        QVERIFY(logged.first().contains(QStringLiteral("-pwd=*** -proxy_port_start=")));
        QVERIFY(loggedWith(QString::fromLatin1(kPassword)).isEmpty());

        // A datagram reaches QML as UI 4, its text up to the first zero byte.
        QUdpSocket sender;
        const char datagram[] = "{\"code\":2,\"data\":\"30001\"}\0tail";
        sender.writeDatagram(QByteArray(datagram, sizeof(datagram) - 1), QHostAddress::LocalHost,
                             quint16(m_pEngine->getDatagramPort()));
        QVERIFY(waitForUi(4));
        QCOMPARE(m_ui->last().at(1).toString(), QStringLiteral("{\"code\":2,\"data\":\"30001\"}"));

        // A deliberate stop is no crash: nothing restarts and nothing is reported.
        m_ui->clear();
        QVERIFY(m_pEngine->stopProxy(0));
        QVERIFY(processGone(nPid));
        QVERIFY(!m_param->getProxyRun());
        QTest::qWait(1500);
        QCOMPARE(m_pEngine->getEnginePid(), 0);
        QVERIFY(valuesOf(50).isEmpty());
    }

    // Busy only over TCP: a UDP probe would have passed it.
    void busyApiPortIsMoved()
    {
        QTcpServer busy;
        QVERIFY(busy.listen(QHostAddress::LocalHost));
        m_pEngine->setApiPort(busy.serverPort());
        QSignalSpy moved(m_pEngine, &ProxyGoProxy::nApiPortChanged);
        QVERIFY(m_pEngine->startProxy(0));
        QCOMPARE(moved.size(), 1);
        QVERIFY(moved.at(0).at(0).toInt() != busy.serverPort());
        QVERIFY(waitForUi(27));
        QCOMPARE(pollStatus().last(), 501);

        // A new port restarts the engine there; "0" and the current port change nothing.
        const int nNewPort = freePort();
        QSignalSpy reset(m_pEngine, &ProxyGoProxy::signal_ResetApiPort);
        QVERIFY(!m_pEngine->resetApiPort(QString::number(m_pEngine->getApiPort())));
        QVERIFY(!m_pEngine->resetApiPort(QStringLiteral("0")));
        QCOMPARE(reset.size(), 1);
        QVERIFY(!m_pEngine->resetApiPort(QString::number(nNewPort)));
        QVERIFY(waitForUi(27, 2));
        QCOMPARE(reset.last().at(0).toInt(), nNewPort);
        QCOMPARE(pollStatus().last(), 501);
    }

    void statusPollWaitsUntilTheEngineListens()
    {
        QVERIFY(placeEngine(QStringLiteral("exec '%1' \"$@\" --ready-after %2\n")
                                .arg(kRealEngine)
                                .arg(1500 * QEL_TIME_FACTOR)));
        QSignalSpy apiUrl(ProxyManager::GetInstance(), &ProxyManager::signal_InitApiUrl);
        QVERIFY(m_pEngine->startProxy(1));
        QVERIFY(waitForUi(27));
        const QList<int> seen = pollStatus();
        QVERIFY2(seen.size() >= 2 && seen.first() == 51 && seen.last() == 501,
                 qPrintable(QString::number(seen.size())));
        QCOMPARE(apiUrl.size(), 1); // the good status ran the start-up follow-ups
    }

    void crashesRestartThreeTimesThenReport()
    {
        QVERIFY(m_pEngine->startProxy(0));
        QVERIFY(waitForUi(27));
        for (int nKill = 1; nKill <= 3; ++nKill) {
            const qint64 nPid = m_pEngine->getEnginePid();
            QVERIFY(::kill(pid_t(nPid), SIGKILL) == 0);
            QVERIFY2(waitForUi(27, nKill + 1, (1000 << nKill) * QEL_TIME_FACTOR + kWaitMs),
                     qPrintable(QStringLiteral("restart %1").arg(nKill)));
            QVERIFY(m_pEngine->getEnginePid() != nPid);
            QVERIFY(m_param->getProxyRun());
        }
        QVERIFY(::kill(pid_t(m_pEngine->getEnginePid()), SIGKILL) == 0);
        QVERIFY(waitForUi(50));
        QCOMPARE(valuesOf(50), QList<int>{0});
        QVERIFY(!m_param->getProxyRun());
        QTest::qWait(1500);
        QCOMPARE(m_pEngine->getEnginePid(), 0);
        QCOMPARE(valuesOf(27).size(), 4);

        // A start from the screen gives it three lives again.
        QVERIFY(m_pEngine->startProxy(1));
        QVERIFY(waitForUi(27, 5));
        QVERIFY(m_param->getProxyRun());
    }

    void stopKillsAGroupIgnoringSigterm()
    {
        const QString qstrChildFile = m_workDir.filePath(QStringLiteral("child.pid"));
        QVERIFY(placeEngine(QStringLiteral("trap '' TERM\n"
                                           "'%1' \"$@\" &\n"
                                           "echo $! > '%2'\n"
                                           "while :; do sleep 1; done\n")
                                .arg(kRealEngine, qstrChildFile)));
        QVERIFY(m_pEngine->startProxy(0));
        QVERIFY(waitForUi(27));
        const qint64 nLeader = m_pEngine->getEnginePid();
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(qstrChildFile).size() > 0, kWaitMs);
        QFile childFile(qstrChildFile);
        QVERIFY(childFile.open(QIODevice::ReadOnly));
        const qint64 nChild = childFile.readAll().trimmed().toLongLong();
        qint64 nGroup = 0;
        QVERIFY(processState(nChild, &nGroup));
        QCOMPARE(nGroup, nLeader);

        QElapsedTimer timer;
        timer.start();
        QVERIFY(m_pEngine->stopProxy(0));
        QVERIFY(timer.elapsed() >= 2900);
        QVERIFY(timer.elapsed() < 3000 + 3000 * QEL_TIME_FACTOR);
        QVERIFY(processGone(nLeader));
        QTRY_VERIFY_WITH_TIMEOUT(processGone(nChild), kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(groupMembers(nLeader), 0, kWaitMs);
        QVERIFY(valuesOf(50).isEmpty());
    }

    void missingProgramReportsOnce()
    {
        QVERIFY(QFile::remove(enginePath()));
        m_param->setProxyRun(true);
        QVERIFY(!m_pEngine->startProxy(1));
        QTest::qWait(1500);
        QCOMPARE(valuesOf(50), QList<int>{0});
        QVERIFY(valuesOf(27).isEmpty());
        QVERIFY(!m_param->getProxyRun());
    }

    void killedClientLeavesNoEngine()
    {
        QProcess client;
        client.start(QCoreApplication::applicationDirPath() + QStringLiteral("/engine_client_probe"),
                     {QString::number(m_param->getBeginPort())});
        QVERIFY(client.waitForReadyRead(kWaitMs));
        const qint64 nEngine = client.readLine().trimmed().toLongLong();
        QVERIFY(nEngine > 0);
        QVERIFY(!processGone(nEngine));
        QVERIFY(::kill(pid_t(client.processId()), SIGKILL) == 0);
        QVERIFY(client.waitForFinished(kWaitMs));
        QTRY_VERIFY_WITH_TIMEOUT(processGone(nEngine), 2000);
    }

    void localAddressChoice_data()
    {
        QTest::addColumn<QList<LocalInterface>>("interfaces");
        QTest::addColumn<QString>("mac");
        QTest::addColumn<QStringList>("list");
        const auto v4 = entry("192.168.1.5");
        LocalInterface down = upInterface("eth9", "00:00:00:00:00:09", {v4});
        down.bRunning = false;
        LocalInterface loopback = upInterface("lo", "00:00:00:00:00:00", {v4});
        loopback.bLoopback = true;
        QTest::newRow("one address")
            << QList<LocalInterface>{upInterface("eth0", "AA:00:00:00:00:01", {v4})}
            << "AA:00:00:00:00:01" << QStringList{"192.168.1.5", "127.0.0.1"};
        QTest::newRow("VMware name excluded, lower case not")
            << QList<LocalInterface>{upInterface("VMware Net", "AA:00:00:00:00:02", {v4}),
                                     upInterface("vmware-ish", "AA:00:00:00:00:03", {v4})}
            << "AA:00:00:00:00:03" << QStringList{"192.168.1.5", "127.0.0.1"};
        QTest::newRow("only VMware") << QList<LocalInterface>{upInterface("VMware", "AA", {v4})}
                                     << QString() << QStringList();
        QTest::newRow("IPv6 only, localhost only, down and loopback passed over")
            << QList<LocalInterface>{upInterface("v6", "AA:00:00:00:00:04", {entry("fe80::1")}),
                                     upInterface("lh", "AA:00:00:00:00:05", {entry("127.0.0.1")}),
                                     down, loopback,
                                     upInterface("eth1", "AA:00:00:00:00:06",
                                                 {entry("fe80::2"), entry("10.0.0.7"),
                                                  entry("127.0.0.1"), entry("10.0.0.8")})}
            << "AA:00:00:00:00:06" << QStringList{"10.0.0.7", "10.0.0.8", "127.0.0.1"};
    }

    void localAddressChoice()
    {
        QFETCH(QList<LocalInterface>, interfaces);
        QFETCH(QString, mac);
        QFETCH(QStringList, list);
        const int nChosen = chooseLocalInterface(interfaces);
        QCOMPARE(nChosen < 0 ? QString() : interfaces.at(nChosen).qstrHardwareAddress, mac);
        QCOMPARE(nChosen < 0 ? QStringList() : localIpv4List(interfaces.at(nChosen).entries),
                 list);
    }
};

QEL_ENGINE_TEST_MAIN(tst_ProxyGoProxy)
#include "tst_ProxyGoProxy.moc"
