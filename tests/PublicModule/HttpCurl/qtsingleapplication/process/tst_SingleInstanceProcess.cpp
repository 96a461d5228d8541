// Real processes meeting over the single-instance channel, and the client's exit.
#include "PublicModule/HttpCurl/qtsingleapplication/QtLocalPeer.h"
#include "PublicModule/HttpCurl/qtsingleapplication/QtSingleApplication.h"
#include "SandboxService.h"

#include <QHostAddress>
#include <QProcess>
#include <QTemporaryDir>
#include <QUdpSocket>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <unistd.h>
#include <memory>

namespace {
// Quitting, however started, ends well before a hung transfer's own 20 s limit, and well
// after what a busy machine adds.
constexpr int kQuitBoundMs = 12000 * QEL_TIME_FACTOR;
const QString kMainId = QStringLiteral("ui_qelproxy_main_abcxyz");
// The run's own id for a primary in the shared /tmp keeps real clients and parallel runs out.
const QString kPlainId = QStringLiteral("probe_plain_%1").arg(::getpid());
// An environment whose candidates are all unusable, and the reason a start gives.
const QStringList kNoFolder{"XDG_RUNTIME_DIR", "TMPDIR=/nonexistent/qel"};
const QString kNoFolderLine = QStringLiteral(
    "no folder for the single-instance lock and socket: XDG_RUNTIME_DIR () is not set; "
    "TMPDIR (/nonexistent/qel) does not exist");

bool loggedAll(const Json::Value& log, QStringList paths)
{
    for (const Json::Value& entry : log)
        paths.removeAll(QString::fromStdString(JsonRead::getString(entry, "path")));
    return paths.isEmpty();
}
} // namespace

class TestSingleInstanceProcess : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { m_systemTmp = QDir::tempPath(); }
    void init();
    void cleanup();
    void secondStartRaisesFirstAndLeaves();
    void quietWithoutDebugging();
    void printWritesRecordsToConout();
    void secondPrintStartKeepsFirstRecords();
    void updateNoticeReachesUiAsMessage3();
    void buildGetsStartCountBackOverUdp();
    void startsMeetByTheirFolders_data();
    void startsMeetByTheirFolders();
    void laterStartsMeetAPrimaryBeyondASquat();
    void noFolderEndsWithReason_data();
    void noFolderEndsWithReason();
    void lockAtSharedPathIsNotOurs();
    void quitDuringHungTransfersIsBounded_data();
    void quitDuringHungTransfersIsBounded();
    void updateEndToEnd_data();
    void updateEndToEnd();
    void updateWithoutClientEndsAtOnce_data();
    void updateWithoutClientEndsAtOnce();

private:
    QProcess* start(const QString& program, const QStringList& args,
                    const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment());
    void waitForPrimary(const QString& appId);
    // A copy in the test folder, where it keeps its settings and downloads.
    QString privateCopy(const QString& program);
    QString sendFromHere(const QString& appId, const QString& message);
    // This process's environment with each "NAME=VALUE" set, a relative VALUE under the
    // test folder, and each bare "NAME" removed.
    QProcessEnvironment changed(const QStringList& changes) const;

    QString m_systemTmp;
    std::unique_ptr<QTemporaryDir> m_tmp;
    QList<QProcess*> m_processes;
};

void TestSingleInstanceProcess::init()
{
    m_tmp = std::make_unique<QTemporaryDir>(m_systemTmp + "/tst_single-XXXXXX");
    // Private rendezvous: the channel lives in TMPDIR, so tests never meet a real client.
    qputenv("TMPDIR", m_tmp->path().toUtf8());
    qputenv("XDG_RUNTIME_DIR", m_tmp->path().toUtf8());
}

void TestSingleInstanceProcess::cleanup()
{
    for (QProcess* p : m_processes) {
        if (p->state() != QProcess::NotRunning) {
            p->kill();
            p->waitForFinished(3000);
        }
        delete p;
    }
    m_processes.clear();
    const QString socket = "/tmp/qelproxy-" + QString::number(::getuid()) + "/" +
                           QtLocalPeer(nullptr, kPlainId).getSocketName();
    QFile::remove(socket);
    QFile::remove(socket + "-lockfile");
}

QProcess* TestSingleInstanceProcess::start(const QString& program, const QStringList& args,
                                           const QProcessEnvironment& env)
{
    auto* p = new QProcess;
    p->setWorkingDirectory(m_tmp->path());
    p->setProcessEnvironment(env);
    m_processes.append(p);
    p->start(program, args);
    return p;
}

QString TestSingleInstanceProcess::privateCopy(const QString& program)
{
    const QString copy = m_tmp->path() + "/" + QFileInfo(program).fileName();
    return QFile::copy(program, copy) ? copy : QString();
}

QProcessEnvironment TestSingleInstanceProcess::changed(const QStringList& changes) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& change : changes) {
        const QString name = change.section('=', 0, 0);
        const QString value = change.section('=', 1);
        if (!change.contains('='))
            env.remove(name);
        else
            env.insert(name, value.isEmpty() || value.startsWith('/')
                                 ? value
                                 : m_tmp->path() + "/" + value);
    }
    return env;
}

void TestSingleInstanceProcess::waitForPrimary(const QString& appId)
{
    const QString socket = QtLocalPeer(nullptr, appId).getSocketPath();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket), 10000);
}

void TestSingleInstanceProcess::secondStartRaisesFirstAndLeaves()
{
    QProcess* first = start(QEL_CLIENT_BIN, {"--debugging"});
    waitForPrimary(kMainId);

    // Leaving takes a process start, which a busy machine stretches to seconds.
    QProcess* second = start(QEL_CLIENT_BIN, {});
    QVERIFY(second->waitForFinished(kQuitBoundMs));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);

    // The client's own service object takes the raise, then an `update`-style notice.
    QByteArray log;
    QTRY_VERIFY_WITH_TIMEOUT(
        (log += first->readAllStandardError()).contains("InterfaceRecvBase<->ResetAppState"),
        3000 * QEL_TIME_FACTOR);
    QVERIFY(log.contains("raise_window_noop"));
    QCOMPARE(sendFromHere(kMainId,
                          R"({"objvalue":"198.51.100.4","operate":"notice_window_noop","type":3})"),
             QStringLiteral("ack"));
    QTRY_VERIFY_WITH_TIMEOUT(
        (log += first->readAllStandardError()).contains("InterfaceRecvBase<->setAppSendValue 3"),
        3000 * QEL_TIME_FACTOR);
    QCOMPARE(first->state(), QProcess::Running);
}

void TestSingleInstanceProcess::quietWithoutDebugging()
{
    // Ended by a signal, the client saves its settings beside itself.
    QProcess* first = start(privateCopy(QEL_CLIENT_BIN), {});
    waitForPrimary(kMainId);
    QProcess* second = start(QEL_CLIENT_BIN, {"--debugging"});
    QVERIFY(second->waitForFinished(5000 * QEL_TIME_FACTOR));
    QTest::qWait(300);
    first->terminate();
    QVERIFY(first->waitForFinished(5000 * QEL_TIME_FACTOR));
    // Only the line written before the handler is installed may appear.
    const QByteArray errors = first->readAllStandardError().trimmed();
    const QList<QByteArray> lines = errors.split('\n');
    QVERIFY2(lines.size() == 1, errors.constData());
    QVERIFY(lines.first().contains("CApp Exe Begin..."));
    QVERIFY(first->readAllStandardOutput().isEmpty());
}

void TestSingleInstanceProcess::printWritesRecordsToConout()
{
    QProcess* first = start(QEL_CLIENT_BIN, {"--print"});
    waitForPrimary(kMainId);
    QProcess* second = start(QEL_CLIENT_BIN, {});
    QVERIFY(second->waitForFinished(5000 * QEL_TIME_FACTOR));
    QFile conout(m_tmp->path() + "/CONOUT$");
    QByteArray text;
    for (int i = 0; i < 30 && !text.contains("raise_window_noop"); ++i) {
        QTest::qWait(100);
        if (conout.open(QIODevice::ReadOnly)) {
            text = conout.readAll();
            conout.close();
        }
    }
    QVERIFY(text.contains("raise_window_noop"));
    QCOMPARE(conout.permissions() & 0x7077, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QVERIFY(text.contains("[Debug]"));
    QVERIFY(
        QRegularExpression(
            R"(\[Debug\]\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\]\[File:.*\]\[Line:\d+\]\[Function:.*\]\r\n\[Detail\]:\[)")
            .match(QString::fromUtf8(text))
            .hasMatch());
    QVERIFY(first->readAllStandardOutput().isEmpty());
}

// The second start hands over before it would touch the file, so the first's records stay.
void TestSingleInstanceProcess::secondPrintStartKeepsFirstRecords()
{
    QProcess* first = start(QEL_CLIENT_BIN, {"--print"});
    waitForPrimary(kMainId);
    QFile conout(m_tmp->path() + "/CONOUT$");
    QTRY_VERIFY_WITH_TIMEOUT(conout.size() > 0, 3000 * QEL_TIME_FACTOR);
    QProcess* second = start(QEL_CLIENT_BIN, {"--print"});
    QVERIFY(second->waitForFinished(5000 * QEL_TIME_FACTOR));
    QCOMPARE(second->exitCode(), 0);
    QByteArray text;
    QTRY_VERIFY_WITH_TIMEOUT(
        conout.open(QIODevice::ReadOnly) &&
            (text = conout.readAll(), conout.close(), text.contains("raise_window_noop")),
        3000 * QEL_TIME_FACTOR);
    QVERIFY(text.startsWith("[Debug]"));
    QVERIFY(text.contains("AppRun..."));
    QVERIFY(first->readAllStandardOutput().isEmpty());
    QVERIFY(second->readAllStandardOutput().isEmpty());
}

QString TestSingleInstanceProcess::sendFromHere(const QString& appId, const QString& message)
{
    // This test process is not the primary, so its peer is a client like `update`.
    QtLocalPeer peer(nullptr, appId);
    return peer.sendMessage(message, 500) ? QStringLiteral("ack") : QString();
}

void TestSingleInstanceProcess::updateNoticeReachesUiAsMessage3()
{
    QProcess* probe = start(QEL_PROBE_BIN, {"probe_notice"});
    QVERIFY(probe->waitForReadyRead(10000));
    QCOMPARE(probe->readLine().trimmed(), QByteArray("READY"));

    QCOMPARE(sendFromHere("probe_notice",
                          R"({"objvalue":"203.0.113.7","operate":"notice_window_noop","type":3})"),
             QStringLiteral("ack"));
    QVERIFY(probe->waitForReadyRead(3000));
    QCOMPARE(probe->readLine().trimmed(), QByteArray("UI 3 203.0.113.7"));

    // Only the IP check's notice reaches the screens; the raise below is the next line.
    QCOMPARE(sendFromHere("probe_notice",
                          R"({"objvalue":"/tmp/x","operate":"notice_window_noop","type":17})"),
             QStringLiteral("ack"));
    QCOMPARE(
        sendFromHere("probe_notice", QtSingleApplication::controlMessage(2, "raise_window_noop")),
        QStringLiteral("ack"));
    QVERIFY(probe->waitForReadyRead(3000));
    QCOMPARE(probe->readLine().trimmed(), QByteArray("RESET 1"));
}

void TestSingleInstanceProcess::buildGetsStartCountBackOverUdp()
{
    QProcess* probe = start(QEL_PROBE_BIN, {"probe_build"});
    QVERIFY(probe->waitForReadyRead(10000));

    QUdpSocket udp;
    QVERIFY(udp.bind(QHostAddress(QHostAddress::LocalHost), 0));
    for (int expected : {2, 3}) {
        QCOMPARE(sendFromHere("probe_build", QtSingleApplication::controlMessage(
                                                 2, "build_window_noop", udp.localPort())),
                 QStringLiteral("ack"));
        QVERIFY(udp.hasPendingDatagrams() || udp.waitForReadyRead(3000));
        QByteArray data(static_cast<int>(udp.pendingDatagramSize()), '\0');
        QHostAddress from;
        udp.readDatagram(data.data(), data.size(), &from);
        QCOMPARE(from, QHostAddress(QHostAddress::LocalHost));
        QCOMPARE(data, QByteArray(R"({"operate":"recive_back","start_times":)") +
                           QByteArray::number(expected) + ",\"type\":2}");
    }
}

void TestSingleInstanceProcess::startsMeetByTheirFolders_data()
{
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    QTest::addColumn<bool>("meets");
    // Starts of one session, as a terminal and a menu hand on their TMPDIR.
    const QStringList runtime{"XDG_RUNTIME_DIR=runtime"};
    QTest::newRow("other TMPDIR") << runtime + QStringList{"TMPDIR=tmp"}
                                  << runtime + QStringList{"TMPDIR=other"} << true;
    QTest::newRow("menu, then terminal")
        << runtime + QStringList{"TMPDIR"} << runtime + QStringList{"TMPDIR=tmp"} << true;
    QTest::newRow("missing TMPDIR")
        << runtime + QStringList{"TMPDIR=tmp"} << runtime + QStringList{"TMPDIR=missing"} << true;
    // A client without either keeps its channel in /tmp, met there from a runtime folder
    // of its own only without a TMPDIR; as the scripts and tests start, nothing is met.
    const QStringList plain{"XDG_RUNTIME_DIR", "TMPDIR"};
    QTest::newRow("no TMPDIR") << plain << runtime + QStringList{"TMPDIR"} << true;
    QTest::newRow("empty TMPDIR") << plain << runtime + QStringList{"TMPDIR="} << true;
    QTest::newRow("own TMPDIR") << plain << runtime + QStringList{"TMPDIR=tmp"} << false;
    QTest::newRow("own TMPDIR, missing")
        << plain << runtime + QStringList{"TMPDIR=missing"} << false;
    QTest::newRow("own TMPDIR and runtime folder")
        << runtime + QStringList{"TMPDIR"} << QStringList{"XDG_RUNTIME_DIR=own", "TMPDIR=tmp"}
        << false;
}

void TestSingleInstanceProcess::startsMeetByTheirFolders()
{
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    QFETCH(bool, meets);
    for (const char* folder : {"runtime", "own", "tmp", "other"})
        QVERIFY(QDir(m_tmp->path()).mkdir(folder));
    QProcess* primary = start(QEL_PROBE_BIN, {kPlainId}, changed(first));
    QVERIFY(primary->waitForReadyRead(10000));
    QCOMPARE(primary->readLine().trimmed(), QByteArray("READY"));

    QProcess* later = start(QEL_PROBE_BIN, {kPlainId}, changed(second));
    if (meets) {
        QVERIFY(later->waitForFinished(10000));
        QCOMPARE(later->exitCode(), 3);
        QVERIFY(primary->waitForReadyRead(3000));
        QCOMPARE(primary->readLine().trimmed(), QByteArray("RESET 1"));
    } else {
        QVERIFY(later->waitForReadyRead(10000));
        QCOMPARE(later->readLine().trimmed(), QByteArray("READY"));
    }
}

// Someone else's name in XDG_RUNTIME_DIR sends the first start on to TMPDIR; once the name
// is gone, a later start and an `update`-style notice still meet that primary there.
void TestSingleInstanceProcess::laterStartsMeetAPrimaryBeyondASquat()
{
    const QString tmp = m_tmp->path() + "/tmp";
    const QString runtime = m_tmp->path() + "/runtime";
    QVERIFY(QDir().mkdir(tmp) && QDir().mkdir(runtime));
    const QString own = "/qelproxy-" + QString::number(::getuid());
    QVERIFY(QFile(runtime + own).open(QIODevice::WriteOnly));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TMPDIR", tmp);
    env.insert("XDG_RUNTIME_DIR", runtime);
    const QStringList args{"probe_squat"};
    QProcess* first = start(QEL_PROBE_BIN, args, env);
    QVERIFY(first->waitForReadyRead(10000));
    QCOMPARE(first->readLine().trimmed(), QByteArray("READY"));
    QVERIFY(QFileInfo(tmp + own).isDir());
    QVERIFY(QFile::remove(runtime + own));

    QProcess* second = start(QEL_PROBE_BIN, args, env);
    QVERIFY(second->waitForFinished(5000 * QEL_TIME_FACTOR));
    QCOMPARE(second->exitCode(), 3);
    QVERIFY(first->waitForReadyRead(3000));
    QCOMPARE(first->readLine().trimmed(), QByteArray("RESET 1"));

    QtLocalPeer notice(nullptr, "probe_squat", {{"XDG_RUNTIME_DIR", runtime}, {"TMPDIR", tmp}});
    QVERIFY(notice.sendMessage(
        R"({"objvalue":"203.0.113.9","operate":"notice_window_noop","type":3})", 500));
    QVERIFY(first->waitForReadyRead(3000));
    QCOMPARE(first->readLine().trimmed(), QByteArray("UI 3 203.0.113.9"));
}

void TestSingleInstanceProcess::noFolderEndsWithReason_data()
{
    QTest::addColumn<QStringList>("env"); // as changed() takes it
    QTest::addColumn<QString>("line"); // "LOCK" stands for the lock file's path
    QTest::newRow("no folder") << kNoFolder << "client_probe: " + kNoFolderLine;
    // A folder in its place, as root opens any file whatever its mode.
    QTest::newRow("lock file cannot be opened")
        << QStringList() << "client_probe: cannot open the single-instance lock file LOCK: ";
}

void TestSingleInstanceProcess::noFolderEndsWithReason()
{
    QFETCH(QStringList, env);
    QFETCH(QString, line);
    const QString lock = QtLocalPeer(nullptr, "ui_qelproxy_probe").getSocketPath() + "-lockfile";
    QVERIFY(QFile::remove(lock) && QDir().mkdir(lock));
    QProcess* client = start(QEL_CLIENT_PROBE_BIN, {}, changed(env));
    QVERIFY(client->waitForFinished(5000 * QEL_TIME_FACTOR));
    QCOMPARE(client->exitStatus(), QProcess::NormalExit);
    QCOMPARE(client->exitCode(), 1);
    // The line written before the message handler is installed, then the reason.
    const QByteArray errors = client->readAllStandardError().trimmed();
    const QList<QByteArray> lines = errors.split('\n');
    QVERIFY2(lines.size() == 2, errors.constData());
    QVERIFY(lines[0].contains("CApp Exe Begin..."));
    QVERIFY2(lines[1].startsWith(line.replace("LOCK", lock).toUtf8()), lines[1].constData());
}

// Where every user's lock lay before: one held there (by another user's client) is not
// this user's primary.
void TestSingleInstanceProcess::lockAtSharedPathIsNotOurs()
{
    const QString shared =
        m_tmp->path() + "/" + QtLocalPeer(nullptr, "probe_shared").getSocketName() + "-lockfile";
    QtLP_Private::QtLockedFile planted(shared);
    QVERIFY(planted.open(QIODevice::ReadWrite));
    QVERIFY(planted.lock(QtLP_Private::QtLockedFile::WriteLock, false));
    QProcess* probe = start(QEL_PROBE_BIN, {"probe_shared"});
    QVERIFY(probe->waitForReadyRead(10000));
    QCOMPARE(probe->readLine().trimmed(), QByteArray("READY"));
}

void TestSingleInstanceProcess::quitDuringHungTransfersIsBounded_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("SIGTERM") << "SIGTERM";
    QTest::newRow("SIGINT") << "SIGINT";
    QTest::newRow("window close") << "close";
    QTest::newRow("tray quit") << "tray";
}

// A form post and a download hang at the stand-in while the client quits: it still ends
// in time, with status 0 and its settings saved.
void TestSingleInstanceProcess::quitDuringHungTransfersIsBounded()
{
    QFETCH(QString, how);
    SandboxService service;
    QVERIFY(service.start());
    const QStringList routes{"/install_log", "/files/sample.bin"};
    for (const QString& route : routes) {
        Json::Value script;
        script["route"] = route.toStdString();
        script["mode"] = "hang";
        QVERIFY(service.script(script));
    }
    const QString client = privateCopy(QEL_CLIENT_PROBE_BIN);
    QFile settings(m_tmp->path() + "/QelProxy.ini");
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write(R"({"login": "seed_user", "port_begin": 31234})");
    settings.close();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QEL_TEST_API_URL", service.apiUrl());
    env.insert("QEL_TEST_RES_URL", service.resUrl());
    QProcess* probe = start(client, {"--x", "--stall", "--debugging"}, env);
    QTRY_VERIFY_WITH_TIMEOUT(loggedAll(service.log(), routes), 10000 * QEL_TIME_FACTOR);

    if (how.startsWith("SIG"))
        ::kill(static_cast<pid_t>(probe->processId()), how == "SIGTERM" ? SIGTERM : SIGINT);
    else
        probe->write(how.toUtf8() + "\n");
    const bool bEnded = probe->waitForFinished(kQuitBoundMs);
    if (!bEnded) // the client's lines say where the quit stopped
        std::fprintf(stderr, "%s\n", probe->readAllStandardError().constData());
    QVERIFY(bEnded);
    QCOMPARE(probe->exitStatus(), QProcess::NormalExit);
    QCOMPARE(probe->exitCode(), 0);
    QVERIFY(settings.open(QIODevice::ReadOnly));
    const QByteArray saved = settings.readAll();
    QVERIFY(saved.contains("\"other_proxy\" : false")); // absent reads false, still written
    QVERIFY(saved.contains("\"login\" : \"seed_user\""));
    QVERIFY(saved.contains("\"port_begin\" : 31234"));
}

void TestSingleInstanceProcess::updateEndToEnd_data()
{
    QTest::addColumn<QString>("mode"); // the stand-in's script for the check, empty for none
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("requests");
    QTest::addColumn<QByteArray>("reply");
    QFile fixture(QEL_SOURCE_DIR "/sandbox/service/fixtures/api/check/ip.json");
    QVERIFY(fixture.open(QIODevice::ReadOnly));
    const QByteArray answer = fixture.readAll();
    QTest::newRow("address accepted") << QString() << QByteArray() << 1 << answer;
    const QByteArray refused = "{ \"code\": 1002, \"msg\": \"not accepted\" }\n";
    QTest::newRow("non-zero code") << "body" << refused << 1 << refused;
    QTest::newRow("connection closed")
        << "close" << QByteArray() << 3
        << QByteArray(R"({"code":404,"msg":"Network disconnected"})");
}

// The client starts update beside it (a second check meanwhile starts nothing); update posts
// the check and hands the reply back unchanged, after its closing message.
void TestSingleInstanceProcess::updateEndToEnd()
{
    QFETCH(QString, mode);
    QFETCH(QByteArray, body);
    QFETCH(int, requests);
    QFETCH(QByteArray, reply);
    SandboxService service;
    QVERIFY(service.start());
    if (!mode.isEmpty()) {
        Json::Value script;
        script["route"] = "/api/check/ip";
        script["mode"] = mode.toStdString();
        script["body"] = body.toStdString();
        QVERIFY(service.script(script));
    }
    const QString client = privateCopy(QEL_CLIENT_PROBE_BIN);
    QVERIFY(!privateCopy(QEL_UPDATE_BIN).isEmpty());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QEL_TEST_API_URL", service.apiUrl());
    env.insert("QEL_TEST_RES_URL", service.resUrl());
    QProcess* probe = start(client, {"--x", "--debugging", "--check-ip"}, env);

    QByteArray out;
    QTRY_VERIFY_WITH_TIMEOUT((out += probe->readAllStandardOutput()).contains('\n'),
                             15000 * QEL_TIME_FACTOR);
    QCOMPARE(out, "UI 3 " + reply.toBase64() + "\n");
    QByteArray errors;
    QTRY_VERIFY_WITH_TIMEOUT((errors += probe->readAllStandardError()).contains("exe finished:"),
                             5000 * QEL_TIME_FACTOR);
    QVERIFY(errors.contains("exe finished: 0"));
    QVERIFY(errors.contains("ip check still running; none started"));
    const int nClosing = errors.indexOf("delete_window_noop");
    const int nNotice = errors.indexOf("notice_window_noop");
    QVERIFY(nClosing >= 0 && nClosing < nNotice);
    const QByteArray noticeLine = errors.mid(nNotice, errors.indexOf('\n', nNotice) - nNotice);
    QVERIFY2(!noticeLine.contains("socket"), noticeLine.constData());

    int nChecks = 0;
    for (const Json::Value& entry : service.log()) {
        if (JsonRead::getString(entry, "path") != "/api/check/ip")
            continue;
        ++nChecks;
        QCOMPARE(JsonRead::getString(entry, "method"), std::string("POST"));
        QVERIFY(JsonRead::getBool(entry, "sign_ok"));
    }
    QCOMPARE(nChecks, requests);
    QCOMPARE(probe->readAllStandardOutput(), QByteArray());
}

void TestSingleInstanceProcess::updateWithoutClientEndsAtOnce_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("changes"); // as changed() takes them
    QTest::addColumn<QByteArray>("line");
    const QByteArray byHand = "update: QelProxy starts this program to check the IP address; "
                              "run by hand it does nothing";
    QTest::newRow("by hand") << QStringList() << QStringList() << byHand;
    QTest::newRow("help") << QStringList{"--check_enable", "--help"} << QStringList() << byHand;
    QTest::newRow("no client")
        << QStringList{"--check_enable", "--lang", "_en"} << QStringList()
        << QByteArray("update: no QelProxy is running to take the answer; nothing was checked");
    QTest::newRow("no folder") << QStringList{"--check_enable"} << kNoFolder
                               << ("update: " + kNoFolderLine).toUtf8();
}

void TestSingleInstanceProcess::updateWithoutClientEndsAtOnce()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, changes);
    QFETCH(QByteArray, line);
    SandboxService service;
    QVERIFY(service.start());
    QProcessEnvironment env = changed(changes);
    env.insert("QEL_TEST_API_URL", service.apiUrl());
    QElapsedTimer timer;
    timer.start();
    QProcess* update = start(QEL_UPDATE_BIN, args + QStringList{"--x"}, env);
    QVERIFY(update->waitForFinished(5000 * QEL_TIME_FACTOR));
    QVERIFY2(timer.elapsed() < 3000 * QEL_TIME_FACTOR,
             qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(update->exitStatus(), QProcess::NormalExit);
    QCOMPARE(update->exitCode(), 0);
    QCOMPARE(update->readAllStandardError(), line + "\n");
    QCOMPARE(service.log().size(), 0u);
}

QTEST_GUILESS_MAIN(TestSingleInstanceProcess)
#include "tst_SingleInstanceProcess.moc"
