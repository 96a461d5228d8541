#include "PageServer.h"
#include "PublicModule/HttpCurl/features/Encryption.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "RawClient.h"
#include "SandboxService.h"

#include <QNetworkDatagram>
#include <QProcess>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QUdpSocket>
#include <QtTest>

#include <csignal>
#include <set>
#include <thread>

namespace {

constexpr int kRangeSize = 8;

struct Answer
{
    int curlExit = -1;
    QByteArray body;
    Json::Value json;
    int code() const { return JsonRead::getInt(json, "code", -1); }
    std::string msg() const { return JsonRead::getString(json, "msg"); }
};

// A free port range of kRangeSize (checked by binding each port once). Starts are drawn
// below the kernel's ephemeral range, where busy neighbouring tests do not crowd it.
int freeRange()
{
    for (int attempt = 0; attempt < 200; ++attempt) {
        const int start = QRandomGenerator::global()->bounded(20000, 32000);
        bool free = true;
        for (int port = start; port < start + kRangeSize && free; ++port) {
            QTcpServer s;
            free = s.listen(QHostAddress::LocalHost, quint16(port));
        }
        if (free)
            return start;
    }
    return 0;
}

int freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

// The engine's descriptor count once two readings apart agree, as a connection just served
// may still be closing; -1 when it keeps changing.
int settledFdCount(long pid)
{
    int last = RawClient::openFdCount(pid);
    for (int i = 0; i < 25; ++i) {
        QTest::qWait(200);
        const int now = RawClient::openFdCount(pid);
        if (now == last)
            return now;
        last = now;
    }
    return -1;
}

Answer curl(const QStringList& args)
{
    QProcess process;
    process.start("curl", QStringList{"-s", "--max-time", "10"} + args);
    Answer answer;
    if (!process.waitForFinished(15000))
        return answer;
    answer.curlExit = process.exitCode();
    answer.body = process.readAllStandardOutput();
    JsonRead::parse(answer.body.toStdString(), answer.json);
    return answer;
}

// The engine as the client runs it: run/qeldrive beside the client, started in run/ with the
// nine arguments in their order.
class Drive
{
public:
    ~Drive() { stop(); }

    QStringList arguments(int rangeStart, int udpPort) const
    {
        return {QString("-api_port=%1").arg(m_nApiPort),
                "-user=alice",
                "-pwd=s3cret-engine-pass",
                QString("-proxy_port_start=%1").arg(rangeStart),
                QString("-proxy_port_num=%1").arg(kRangeSize),
                "-intranet_ip=127.0.0.1",
                QString("-sync_udp_port=%1").arg(udpPort),
                "-mac_adds=00:11:22:33:44:55",
                "-client_api_port=0"};
    }

    void start(const QStringList& args)
    {
        const QString runDir = QStringLiteral(QEL_BIN_DIR "/run");
        m_process.setWorkingDirectory(runDir);
        m_process.start(runDir + "/qeldrive", args);
        m_process.waitForStarted(5000);
    }

    void startAsClient(int rangeStart, int udpPort, const QStringList& extra = {})
    {
        m_nApiPort = freePort();
        start(arguments(rangeStart, udpPort) + extra);
    }

    // Polls the status route like the client until it answers, then wants code 0.
    bool waitReady()
    {
        for (int i = 0; i < 100; ++i) {
            const Answer status = post("/api/get_server_status");
            if (status.curlExit == 0)
                return status.code() == 0;
            QTest::qWait(50);
        }
        return false;
    }

    Answer post(const QString& route, const QStringList& form = {}) const
    {
        QStringList args{"-d", ""};
        for (const QString& field : form)
            args << "--data-urlencode" << field;
        return curl(args << apiUrl(route));
    }

    // The same fields as multipart/form-data, the form the client itself posts.
    Answer postMultipart(const QString& route, const QStringList& form) const
    {
        QStringList args;
        for (const QString& field : form)
            args << "--form-string" << field;
        return curl(args << apiUrl(route));
    }

    Answer get(const QString& routeAndQuery) const { return curl({apiUrl(routeAndQuery)}); }

    QString apiUrl(const QString& route) const
    {
        return QString("http://127.0.0.1:%1%2").arg(m_nApiPort).arg(route);
    }

    QString log()
    {
        m_log += m_process.readAllStandardError();
        return QString::fromUtf8(m_log);
    }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
        m_process.waitForFinished(3000);
    }

    QProcess m_process;
    int m_nApiPort = 0;

private:
    QByteArray m_log;
};

QStringList bindForm(int port, const QString& ip = "203.0.113.9")
{
    return {"user_session=us-1",
            "session_id=0123abcd",
            QString("port=%1").arg(port),
            "sn=SN-7",
            "server=gw1.test",
            "ip=" + ip,
            "time_type=1",
            "area=US-NewYork-NorthAmerica"};
}

QStringList without(QStringList form, const QString& key, const QString& added = {})
{
    form.erase(std::remove_if(form.begin(), form.end(),
                              [&](const QString& f) { return f.startsWith(key + "="); }),
               form.end());
    if (!added.isEmpty())
        form << added;
    return form;
}

} // namespace

class tst_QelDrive : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void servesABoundPortOnceReady();
    void extractionLinkBindsPortsAndReportsThem();
    void rebindingAndScopeChange();
    void badArgumentsExitWithStatus2_data();
    void badArgumentsExitWithStatus2();
    void badRequestsGetACodeAndAMessage_data();
    void badRequestsGetACodeAndAMessage();
    void survivesHostileClientsWithoutLeakingDescriptors();
    void stopsPromptlyOnSignal_data();
    void stopsPromptlyOnSignal();
    void secondDriveOnTheApiPortGivesUp();

private:
    Json::Value nextDatagram();
    QByteArray fetch(const QStringList& proxyArgs);
    QString socksProxy(int port) const { return QString("127.0.0.1:%1").arg(port); }

    PageServer m_pages;
    std::unique_ptr<QUdpSocket> m_udp;
    std::unique_ptr<Drive> m_drive;
    int m_nRange = 0;
};

void tst_QelDrive::init()
{
    QVERIFY(m_pages.start() > 0);
    m_udp = std::make_unique<QUdpSocket>();
    QVERIFY(m_udp->bind(QHostAddress(QHostAddress::LocalHost), 0));
    m_nRange = freeRange();
    QVERIFY(m_nRange > 0);
    m_drive = std::make_unique<Drive>();
}

void tst_QelDrive::cleanup()
{
    m_drive.reset();
    m_udp.reset();
    m_pages.stop();
}

Json::Value tst_QelDrive::nextDatagram()
{
    if (!m_udp->hasPendingDatagrams())
        m_udp->waitForReadyRead(3000);
    Json::Value message;
    if (m_udp->hasPendingDatagrams()) {
        const QByteArray data = m_udp->receiveDatagram().data();
        JsonRead::parse(data.toStdString(), message);
    }
    return message;
}

QByteArray tst_QelDrive::fetch(const QStringList& proxyArgs)
{
    const Answer answer = curl(proxyArgs + QStringList{QString::fromStdString(m_pages.pageUrl())});
    return answer.curlExit == 0 ? answer.body : "curl exit " + QByteArray::number(answer.curlExit);
}

void tst_QelDrive::servesABoundPortOnceReady()
{
    // A first poll that came back before the delay was over reached a drive not yet ready,
    // so it must have been refused; on a machine too busy for that, nothing is proven.
    const int readyAfterMs = 1500;
    QElapsedTimer sinceStart;
    sinceStart.start();
    m_drive->startAsClient(m_nRange, m_udp->localPort(),
                           {"--ready-after", QString::number(readyAfterMs)});
    const Answer first = m_drive->post("/api/get_server_status");
    if (sinceStart.elapsed() < readyAfterMs)
        QCOMPARE(first.curlExit, 7);
    QVERIFY(m_drive->waitReady());

    const int port = m_nRange + 3;
    const Answer bound = m_drive->post("/api/set_port_session", bindForm(port));
    QCOMPARE(bound.code(), 0);
    // A page of the stand-in web service, through the bound port both ways.
    SandboxService service;
    QVERIFY(service.start());
    const QString serviceUrl = service.apiUrl() + "/api/test/get";
    const Answer direct = curl({serviceUrl});
    QCOMPARE(direct.code(), 0);
    QCOMPARE(curl({"--socks5-hostname", socksProxy(port), serviceUrl}).body, direct.body);
    QCOMPARE(curl({"--proxy", "http://" + socksProxy(port), serviceUrl}).body, direct.body);
    // The log names the exit each connection was meant for; the password never appears.
    QTRY_VERIFY(m_drive->log().contains("for exit ip=203.0.113.9 sn=SN-7 server=gw1.test"));
    QVERIFY(!m_drive->log().contains("s3cret"));

    QCOMPARE(m_drive->post("/api/del_port_session", {QString("port=%1").arg(port)}).code(), 0);
    QCOMPARE(fetch({"--socks5-hostname", socksProxy(port)}), QByteArray("curl exit 7"));
    const Json::Value freed = nextDatagram();
    QCOMPARE(JsonRead::getInt(freed, "code"), 2);
    QCOMPARE(JsonRead::getString(freed, "data"), std::to_string(port));
}

void tst_QelDrive::extractionLinkBindsPortsAndReportsThem()
{
    m_drive->startAsClient(m_nRange, m_udp->localPort());
    QVERIFY(m_drive->waitReady());
    // One port of the range is bound already; the link takes the next free ones.
    QCOMPARE(m_drive->post("/api/set_port_session", bindForm(m_nRange)).code(), 0);
    const Answer list = m_drive->get(QString("/api/get_ip_list?num=2&country=US&state=all&city=all"
                                             "&zip=all&isp=all&ip_time=1&t=1&port=%1")
                                         .arg(m_nRange));
    QCOMPARE(list.curlExit, 0);
    const QStringList lines = QString::fromUtf8(list.body).split("\r\n");
    QCOMPARE(lines, (QStringList{socksProxy(m_nRange + 1), socksProxy(m_nRange + 2)}));

    std::set<std::string> ips;
    for (int i = 0; i < 2; ++i) {
        const Json::Value message = nextDatagram();
        QCOMPARE(JsonRead::getInt(message, "code"), 1);
        const Json::Value& record = JsonRead::member(message, "data");
        QCOMPARE(JsonRead::getString(record, "port"), std::to_string(m_nRange + 1 + i));
        QCOMPARE(JsonRead::getString(record, "ip_time_type"), std::string("1"));
        QCOMPARE(JsonRead::getString(record, "country"), std::string("US"));
        ips.insert(JsonRead::getString(record, "ip"));
    }
    QCOMPARE(ips.size(), size_t(2)); // each extracted exit is a row of its own
    QCOMPARE(fetch({"--socks5-hostname", socksProxy(m_nRange + 2)}),
             QByteArray::fromStdString(PageServer::page()));

    // Traffic plan: use_type 3 is passed on in the record.
    const Answer traffic = m_drive->get("/api/get_ip_list?num=1&use_type=3&ip_time=1&t=1");
    QCOMPARE(traffic.body, socksProxy(m_nRange + 3).toUtf8());
    QCOMPARE(JsonRead::getString(JsonRead::member(nextDatagram(), "data"), "use_type"),
             std::string("3"));

    // An IP segment: the made-up exit lies inside it; a malformed one binds nothing.
    QCOMPARE(m_drive->get("/api/get_ip_list?num=1&ip_part=71.183").body,
             socksProxy(m_nRange + 4).toUtf8());
    QVERIFY(JsonRead::getString(JsonRead::member(nextDatagram(), "data"), "ip").rfind("71.183.", 0) ==
            0);
    QCOMPARE(m_drive->get("/api/get_ip_list?num=1&ip_part=71.300").code(), 2);

    // Asking for more than is free binds what is left, then nothing.
    QCOMPARE(m_drive->get("/api/get_ip_list?num=100").body.count("127.0.0.1:"), kRangeSize - 5);
    QCOMPARE(m_drive->get("/api/get_ip_list?num=1").code(), 6);
    while (m_udp->hasPendingDatagrams())
        m_udp->receiveDatagram();

    // Freeing all ports reports each one.
    const Answer freed = m_drive->post("/api/freed_proxy_port");
    QCOMPARE(freed.code(), 0);
    std::set<std::string> freedPorts;
    for (int i = 0; i < kRangeSize; ++i) {
        const Json::Value message = nextDatagram();
        QCOMPARE(JsonRead::getInt(message, "code"), 2);
        freedPorts.insert(JsonRead::getString(message, "data"));
    }
    QCOMPARE(freedPorts.size(), size_t(kRangeSize));
    QCOMPARE(RawClient::connectLoopback(m_nRange + 2), -1);
}

void tst_QelDrive::rebindingAndScopeChange()
{
    m_drive->startAsClient(m_nRange, m_udp->localPort());
    QVERIFY(m_drive->waitReady());
    const int port = m_nRange + 1;
    QCOMPARE(m_drive->post("/api/set_port_session", bindForm(port)).code(), 0);
    // A rebinding replaces the exit without dropping the port; multipart fields count alike.
    QCOMPARE(m_drive->postMultipart("/api/set_port_session", bindForm(port, "198.51.100.4")).code(),
             0);
    QCOMPARE(fetch({"--socks5-hostname", socksProxy(port)}),
             QByteArray::fromStdString(PageServer::page()));
    QTRY_VERIFY(m_drive->log().contains("for exit ip=198.51.100.4"));

    // A new range: ports of the old one are refused, ports of the new one bound.
    const int newStart = m_nRange + 4;
    const Answer scope =
        m_drive->post("/api/set_port_proxy_scope",
                      {"user=bob", "pwd=other-pass", QString("proxy_port_start=%1").arg(newStart),
                       "proxy_port_num=4"});
    QCOMPARE(scope.code(), 0);
    QCOMPARE(m_drive->post("/api/set_port_session", bindForm(m_nRange + 2)).code(), 3);
    QCOMPARE(m_drive->post("/api/set_port_session", bindForm(newStart + 3)).code(), 0);
    // The binding outside the new range ended, and the client was told.
    const Json::Value freed = nextDatagram();
    QCOMPARE(JsonRead::getInt(freed, "code"), 2);
    QCOMPARE(JsonRead::getString(freed, "data"), std::to_string(port));
    QCOMPARE(fetch({"--proxy", "http://" + socksProxy(port)}), QByteArray("curl exit 7"));
    QVERIFY(!m_drive->log().contains("other-pass"));
}

void tst_QelDrive::badArgumentsExitWithStatus2_data()
{
    QTest::addColumn<int>("index"); // argument to replace, or -1 to append
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing api port") << 0 << ""
                                      << "missing -api_port=";
    QTest::newRow("port not a number") << 0 << "-api_port=8o"
                                       << "-api_port";
    QTest::newRow("port zero") << 0 << "-api_port=0"
                               << "-api_port";
    QTest::newRow("port too big") << 6 << "-sync_udp_port=65536"
                                  << "-sync_udp_port";
    QTest::newRow("negative count") << 4 << "-proxy_port_num=-1"
                                    << "-proxy_port_num";
    QTest::newRow("range past 65535") << 3 << "-proxy_port_start=65530"
                                      << "runs past port 65535";
    QTest::newRow("bad intranet ip") << 5 << "-intranet_ip=localhost"
                                     << "-intranet_ip";
    QTest::newRow("no equals sign") << 1 << "-user"
                                    << "-user";
    QTest::newRow("given twice") << -1 << "-user=bob"
                                 << "-user given twice";
    QTest::newRow("unknown key") << -1 << "-verbose=1"
                                 << "unknown argument -verbose";
    QTest::newRow("ready-after without value") << -1 << "--ready-after"
                                               << "--ready-after";
}

void tst_QelDrive::badArgumentsExitWithStatus2()
{
    QFETCH(int, index);
    QFETCH(QString, replacement);
    QFETCH(QString, message);
    m_drive->m_nApiPort = freePort();
    QStringList args = m_drive->arguments(m_nRange, m_udp->localPort());
    if (index < 0)
        args << replacement;
    else if (replacement.isEmpty())
        args.removeAt(index);
    else
        args[index] = replacement;
    m_drive->start(args);
    QVERIFY(m_drive->m_process.waitForFinished(5000));
    QCOMPARE(m_drive->m_process.exitCode(), 2);
    QVERIFY2(m_drive->log().contains(message), qPrintable(m_drive->log()));
    QVERIFY(m_drive->log().contains("usage:"));
}

void tst_QelDrive::badRequestsGetACodeAndAMessage_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<QStringList>("form");
    QTest::addColumn<int>("code");
    // The port fields are filled in by the test: PORT is a port inside the range.
    const QStringList good = bindForm(0);
    QTest::newRow("unknown route") << "/api/nothing" << QStringList() << 404;
    QTest::newRow("missing session") << "/api/set_port_session" << without(good, "session_id") << 1;
    QTest::newRow("missing port") << "/api/set_port_session" << without(good, "port") << 1;
    QTest::newRow("port not a number")
        << "/api/set_port_session" << (without(good, "port") << "port=30x") << 2;
    QTest::newRow("port outside range")
        << "/api/set_port_session" << (without(good, "port") << "port=OUTSIDE") << 3;
    QTest::newRow("static line without server_port")
        << "/api/set_port_session"
        << (without(without(good, "port"), "time_type") << "port=PORT"
                                                        << "time_type=6"
                                                        << "use_type=2")
        << 1;
    QTest::newRow("open_port for another port")
        << "/api/set_port_session"
        << (without(good, "port") << "port=PORT"
                                  << "open_port=ENCODED_OTHER")
        << 2;
    QTest::newRow("open_port not encoded") << "/api/set_port_session"
                                           << (without(good, "port") << "port=PORT"
                                                                     << "open_port=PORT")
                                           << 2;
    QTest::newRow("free unbound port") << "/api/del_port_session" << QStringList{"port=PORT"} << 5;
    QTest::newRow("free without port") << "/api/del_port_session" << QStringList() << 1;
    QTest::newRow("scope past 65535")
        << "/api/set_port_proxy_scope"
        << QStringList{"user=a", "pwd=b", "proxy_port_start=65535", "proxy_port_num=2"} << 3;
    QTest::newRow("scope without pwd")
        << "/api/set_port_proxy_scope"
        << QStringList{"user=a", "proxy_port_start=1000", "proxy_port_num=2"} << 1;
}

void tst_QelDrive::badRequestsGetACodeAndAMessage()
{
    QFETCH(QString, route);
    QFETCH(QStringList, form);
    m_drive->startAsClient(m_nRange, m_udp->localPort());
    QVERIFY(m_drive->waitReady());
    const QString port = QString::number(m_nRange + 1);
    const QString other =
        QString::fromStdString(Encryption::GetInstance()->encode(std::to_string(m_nRange + 2)));
    for (QString& field : form) {
        field.replace("ENCODED_OTHER", other)
            .replace("OUTSIDE", QString::number(m_nRange + kRangeSize))
            .replace("PORT", port);
    }
    const Answer answer = m_drive->post(route, form);
    QTEST(answer.code(), "code");
    QVERIFY(!answer.msg().empty());
    QCOMPARE(RawClient::connectLoopback(m_nRange + 1), -1); // nothing was bound

    // The engine goes on serving: the sound request is accepted, also with its open_port.
    const QString encoded =
        QString::fromStdString(Encryption::GetInstance()->encode(std::to_string(m_nRange + 1)));
    QCOMPARE(
        m_drive->post("/api/set_port_session", bindForm(m_nRange + 1) << "open_port=" + encoded)
            .code(),
        0);
    QTRY_VERIFY(m_drive->log().contains(QString("port %1 bound to exit").arg(m_nRange + 1)));
    QVERIFY(m_drive->log().contains("(reuse)"));
}

void tst_QelDrive::survivesHostileClientsWithoutLeakingDescriptors()
{
    m_drive->startAsClient(m_nRange, m_udp->localPort());
    QVERIFY(m_drive->waitReady());
    const int port = m_nRange;
    QCOMPARE(m_drive->post("/api/set_port_session", bindForm(port)).code(), 0);
    const long pid = m_drive->m_process.processId();
    const int before = settledFdCount(pid);
    QVERIFY(before > 0);

    // Garbage, and clients that stop half-way and then go away.
    int fd = RawClient::connectLoopback(port);
    QVERIFY(RawClient::sendText(fd, "\x01\x02\x03 not a proxy request\r\n\r\n"));
    QVERIFY(RawClient::readAll(fd).rfind("HTTP/1.1 400 ", 0) == 0);
    close(fd);
    for (const std::string& part : {std::string("\x05", 1), std::string("\x05\x01\x00\x05\x01", 5),
                                    std::string("CONNECT 127.0.0.1:")}) {
        fd = RawClient::connectLoopback(port);
        RawClient::sendText(fd, part);
        close(fd);
    }

    // A hundred parallel fetches through the one port.
    std::vector<std::string> answers(100);
    std::vector<std::thread> clients;
    for (size_t i = 0; i < answers.size(); ++i)
        clients.emplace_back([&, i] {
            answers[i] = RawClient::socks5Get(port, "127.0.0.1", m_pages.port(), "/page");
        });
    for (std::thread& client : clients)
        client.join();
    const std::string body = "\r\n\r\n" + PageServer::page();
    for (const std::string& answer : answers)
        QVERIFY2(answer.size() > body.size() &&
                     answer.compare(answer.size() - body.size(), body.size(), body) == 0,
                 answer.c_str());

    QTRY_COMPARE_WITH_TIMEOUT(RawClient::openFdCount(pid), before, 5000);
    QCOMPARE(m_drive->post("/api/get_server_status").code(), 0);
}

void tst_QelDrive::stopsPromptlyOnSignal_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
}

void tst_QelDrive::stopsPromptlyOnSignal()
{
    QFETCH(int, signal);
    m_drive->startAsClient(m_nRange, m_udp->localPort());
    QVERIFY(m_drive->waitReady());
    QCOMPARE(m_drive->post("/api/set_port_session", bindForm(m_nRange)).code(), 0);
    // An open tunnel must not hold the exit up.
    const int tunnel = RawClient::connectLoopback(m_nRange);
    QVERIFY(RawClient::sendText(tunnel, "CONNECT 127.0.0.1:" + std::to_string(m_pages.port()) +
                                            " HTTP/1.1\r\n\r\n"));
    const std::string established = "HTTP/1.1 200 Connection established\r\n\r\n";
    const std::vector<uint8_t> head = RawClient::readBytes(tunnel, established.size());
    QCOMPARE(std::string(head.begin(), head.end()), established);

    QElapsedTimer timer;
    timer.start();
    ::kill(pid_t(m_drive->m_process.processId()), signal);
    QVERIFY(m_drive->m_process.waitForFinished(1000));
    QVERIFY(timer.elapsed() < 1000 * QEL_TIME_FACTOR);
    QCOMPARE(m_drive->m_process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_drive->m_process.exitCode(), 0);
    close(tunnel);
    QCOMPARE(RawClient::connectLoopback(m_nRange), -1);
    QCOMPARE(RawClient::connectLoopback(m_drive->m_nApiPort), -1);
}


// Given an API port another engine listens on, an engine ends instead of sharing it, so the
// client never talks to someone else's engine.
void tst_QelDrive::secondDriveOnTheApiPortGivesUp()
{
    m_drive->startAsClient(m_nRange, m_udp->localPort());
    QVERIFY(m_drive->waitReady());
    Drive second;
    second.m_nApiPort = m_drive->m_nApiPort;
    second.start(second.arguments(m_nRange, m_udp->localPort()));
    QVERIFY(second.m_process.waitForFinished(10000));
    QCOMPARE(second.m_process.exitCode(), 1);
    QVERIFY2(second.log().contains("cannot listen"), qPrintable(second.log()));
}

QTEST_GUILESS_MAIN(tst_QelDrive)
#include "tst_QelDrive.moc"
