// Programs run through the per-application proxy, against the stand-in engine started by
// the controller: the list read from a settings file, connecting an exit, and scripts
// started through the bound port, cut off when it is freed and ended by a restarting switch.
#include "CountingInterfaceRecv.h"
#include "EngineTestKit.h"
#include "SandboxService.h"

#include "DataManager/Proxy/ProxyManager.h"
#include "Interface/CConfig.h"
#include "Interface/GlobleParam.h"
#include "Interface/ProxyGoProxy.h"

#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

constexpr int kRangeSize = 20;
// Generous: the engine's answers come late on a busy machine.
constexpr int kWaitMs = 30000 * QEL_TIME_FACTOR;
constexpr int kTagRowMenu = 100;
constexpr int kTagTimer = 200;
const char* const kKey = "feedfacefeedfacefeedfacefeedface";

QByteArray readFile(const QString& qstrPath)
{
    QFile file(qstrPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
}

bool writeFile(const QString& qstrPath, const QByteArray& content, bool bExecutable)
{
    QFile file(qstrPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return false;
    file.close();
    return !bExecutable ||
           file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
}

// Alive and not yet reaped: a zombie counts as ended.
bool running(const QByteArray& pid)
{
    const QByteArray stat = readFile(QStringLiteral("/proc/%1/stat").arg(QString(pid)));
    const int nEnd = stat.lastIndexOf(')');
    return nEnd > 0 && stat.mid(nEnd + 2, 1) != "Z";
}

} // namespace

class tst_Programs : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    SandboxService m_service;
    std::unique_ptr<GlobleParam> m_param;
    std::unique_ptr<CountingInterfaceRecv> m_recv;
    ProxyGoProxy* m_pEngine = nullptr;
    QTcpServer m_silentPage; // accepts and never answers, so a fetch stays open
    int m_nRange = 0;

    ProxyManager& proxies() { return *ProxyManager::GetInstance(); }
    QString path(const char* szName) const { return m_dir.filePath(QLatin1String(szName)); }
    Program* program(const char* szName) { return proxies().getProgramByPath(path(szName)); }

    QStringList tips(const std::function<void()>& call)
    {
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        call();
        QStringList texts;
        for (const QList<QVariant>& args : ui)
            if (args.at(0).toInt() == 30)
                texts << args.at(1).toString();
        return texts;
    }

    // The exit the program-line list offers; a binding takes it into today's list.
    void offerExit()
    {
        auto* pLine = new ProgramLine;
        pLine->setSession(kKey);
        pLine->setIp(QStringLiteral("203.0.113.9"));
        pLine->setIpTimeType(1);
        pLine->setqjsonLine({{"country", "DE"}, {"sn", "SN-9"}, {"server", "gw"}});
        proxies().addData(pLine);
    }

    // Connects the exit for programs; the port programs now start with, once the engine's
    // answer came (the request pools may be idle before it does).
    QString connectExit(int nTag)
    {
        proxies().programConnect(kKey, Proxy_ProgramLine, nTag);
        m_recv->settle(kWaitMs);
        const bool bBound =
            QTest::qWaitFor([this] { return !proxies().programPort().isEmpty(); }, kWaitMs);
        return bBound ? proxies().programPort() : QString();
    }

    bool loggedOnPort(const QString& qstrPort, int nDestinationPort)
    {
        return logCount(QRegularExpression::escape(
                   QStringLiteral("port %1: 127.0.0.1:%2 ").arg(qstrPort).arg(nDestinationPort))) > 0;
    }

private slots:
    void initTestCase()
    {
        g_previousHandler = qInstallMessageHandler(recordMessage);
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir::setCurrent(m_dir.path()));
        // A bypass list from the desktop must not reach the programs.
        qputenv("no_proxy", "127.0.0.1,localhost");
        const QByteArray fetch = path("fetch.sh").toUtf8();
        // The same path twice, as a hand-edited file may have it; no "other_proxy".
        QVERIFY(writeFile(CConfig::SettingsPath(),
                          "{\"program_list\": [{\"name\": \"fetch\", \"path\": \"" + fetch +
                              "\"}, {\"name\": \"again\", \"path\": \"" + fetch + "\"}]}",
                          false));
        QVERIFY(m_service.start());
        QVERIFY(m_silentPage.listen(QHostAddress::LocalHost));
        m_param = std::make_unique<GlobleParam>();
        QVERIFY(!m_param->getOtherProxy()); // a parsed file leaves programs connectable
        m_recv = std::make_unique<CountingInterfaceRecv>();
        m_recv->SetLocalDomian("127.0.0.1");
        m_recv->SetLoginDomian(m_service.apiUrl().toStdString());
        m_nRange = freeRange(kRangeSize);
        QVERIFY(m_nRange > 0);
        m_param->SetUsername(QStringLiteral("alice"));
        m_param->setUsernameSession(QStringLiteral("us-1"));
        m_param->setBeginPort(m_nRange);
        m_param->setPortNumber(kRangeSize);
        m_param->setIpNums(100);
        m_pEngine = ProxyGoProxy::GetInstance();
        // Every client starts from one fixed API port: engine tests running side by side
        // would reach each other's engines through it.
        m_pEngine->setApiPort(freePort());
        QVERIFY(m_pEngine->startProxy(0));
        QTRY_VERIFY_WITH_TIMEOUT(m_param->getProxyRun(), kWaitMs);
        // The engine's API answers its status before any binding is asked of it.
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                m_recv->pushGetServerStatus();
                m_recv->settle(kWaitMs);
                return std::any_of(ui.begin(), ui.end(), [](const QList<QVariant>& args) {
                    return args.at(0).toInt() == 50 && args.at(2).toInt() == 1;
                });
            }(),
            kWaitMs);

        // Each script notes what it was given, in its own folder.
        QVERIFY(
            writeFile(fetch,
                      "#!/bin/sh\n"
                      "echo \"$http_proxy $HTTPS_PROXY $all_proxy ${no_proxy-none}\" > env.txt\n"
                      "curl -sS --max-time 20 -o fetched.txt " +
                          m_service.apiUrl().toUtf8() + "/files/hello.txt\n",
                      true));
        QVERIFY(writeFile(path("hold.sh"),
                          "#!/bin/sh\ncurl -sS --max-time 20 -x \"$all_proxy\" "
                          "http://127.0.0.1:" +
                              QByteArray::number(m_silentPage.serverPort()) +
                              "/\necho $? > held.txt\n",
                          true));
        QVERIFY(writeFile(path("sleep.sh"), "#!/bin/sh\necho $$ > pid.txt\nexec sleep 20\n", true));
        QVERIFY(writeFile(path("notes.txt"), "not a program\n", false));
    }

    void cleanupTestCase()
    {
        delete m_pEngine;
        if (m_recv)
            m_recv->settle(kWaitMs);
        ProxyManager::GetInstance()->clearAllData(0);
        m_recv.reset();
        m_param.reset();
        QFile::remove(CConfig::SettingsPath());
        qunsetenv("no_proxy");
        qInstallMessageHandler(g_previousHandler);
    }

    void listKeepsOneRowPerPath()
    {
        proxies().initProgram();
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        proxies().addProgram(path("fetch.sh"), QStringLiteral("fetch"));
        QVERIFY(ui.isEmpty());
        QCOMPARE(proxies().getTargetName(), QStringLiteral("fetch|null"));
        const QList<QObject*> view = proxies().getDataType(Proxy_Program);
        QCOMPARE(view.size(), 2);
        QCOMPARE(view.at(0), program("fetch.sh"));
        QCOMPARE(program("fetch.sh")->getLocalPath(), m_dir.path());
        // The add cell is one kept object.
        QCOMPARE(static_cast<Program*>(view.at(1))->getShowType(), 1);
        QCOMPARE(proxies().getDataType(Proxy_Program).at(1), view.at(1));
        QCOMPARE(m_param->getProgramList().size(), 1u);
        for (const char* szName : {"hold.sh", "sleep.sh", "notes.txt"})
            proxies().addProgram(path(szName), QLatin1String(szName));
    }

    // Nothing bound yet and no port in the pool.
    void refusalsBeforeAnyBinding()
    {
        QCOMPARE(tips([&] { proxies().programConnect(kKey, Proxy_ProgramLine, kTagRowMenu); }),
                 QStringList{"No free local port"});
        QCOMPARE(tips([&] { proxies().startProgramByThis(program("fetch.sh")); }),
                 QStringList{"Connect the program to a proxy first"});
        QCOMPARE(logCount("started as"), 0);
    }

    void connectedScriptFetchesThroughThePort()
    {
        proxies().addPortData(m_nRange, kRangeSize);
        offerExit();
        const QString qstrPort = connectExit(kTagRowMenu);
        QCOMPARE(qstrPort, QString::number(m_nRange));
        QCOMPARE(m_param->getLineTimeZoneCode(), QStringLiteral("DE"));
        // Bound now: the same exit answers at once with its port.
        QSignalSpy ui(m_recv.get(), &InterfaceProcBase::signal_SetUiData);
        QCOMPARE(connectExit(kTagTimer), qstrPort);
        QVERIFY(ui.contains({148, qstrPort, kTagTimer}));
        // Both connections of the one exit leave one program-history row.
        QCOMPARE(proxies().table(Proxy_ProgramHistory).size(), 1);

        proxies().startProgramByThis(program("fetch.sh"));
        QTRY_COMPARE_WITH_TIMEOUT(readFile(path("fetched.txt")),
                                  readFile(QEL_SOURCE_DIR "/sandbox/service/files/hello.txt"),
                                  kWaitMs);
        const QByteArray http = "http://127.0.0.1:" + qstrPort.toUtf8();
        QCOMPARE(readFile(path("env.txt")),
                 http + ' ' + http + " socks5h://127.0.0.1:" + qstrPort.toUtf8() + " none");
        QTRY_VERIFY_WITH_TIMEOUT(loggedOnPort(qstrPort, m_service.apiPort()), kWaitMs);

        QCOMPARE(tips([&] { proxies().startProgramByThis(program("notes.txt")); }),
                 QStringList{"This file cannot be run"});
    }

    void freedPortCutsProgramsOff()
    {
        const QString qstrPort = proxies().programPort();
        QVERIFY(!qstrPort.isEmpty());
        proxies().startProgramByThis(program("hold.sh"));
        QTRY_VERIFY_WITH_TIMEOUT(loggedOnPort(qstrPort, m_silentPage.serverPort()), kWaitMs);

        m_recv->pushFreePortByKey(qstrPort);
        proxies().freePortForwardList(qstrPort);
        m_recv->settle(kWaitMs);
        // curl's code for a connection that broke (52 or 56), well before its own limit.
        QTRY_VERIFY_WITH_TIMEOUT(!readFile(path("held.txt")).isEmpty(), kWaitMs);
        QVERIFY(readFile(path("held.txt")) != "0" && readFile(path("held.txt")) != "28");

        const int nStarted = logCount("started as");
        QCOMPARE(tips([&] { proxies().startProgramByThis(program("fetch.sh")); }),
                 QStringList{"Connect the program to a proxy first"});
        QCOMPARE(logCount("started as"), nStarted);
    }

    void switchEndsProgramsOnlyWhenAsked()
    {
        offerExit();
        QVERIFY(!connectExit(kTagRowMenu).isEmpty());
        proxies().startProgramByThis(program("sleep.sh"));
        QTRY_VERIFY_WITH_TIMEOUT(!readFile(path("pid.txt")).isEmpty(), kWaitMs);
        const QByteArray pid = readFile(path("pid.txt"));

        m_param->setProgramRestart(false);
        QVERIFY(!connectExit(kTagTimer).isEmpty());
        QTest::qWait(200);
        QVERIFY(running(pid));

        m_param->setProgramRestart(true);
        QVERIFY(!connectExit(kTagTimer).isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!running(pid), kWaitMs);
    }
};

QEL_ENGINE_TEST_MAIN(tst_Programs)
#include "tst_Programs.moc"
