#include "PageServer.h"
#include "ProxyRequest.h"
#include "RawClient.h"
#include "Socks5Relay.h"

#include <QProcess>
#include <QtTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using Bytes = std::vector<uint8_t>;
Q_DECLARE_METATYPE(Bytes)

namespace {

// curl through the relay; returns the body, or "curl exit N" on failure.
QByteArray curlThrough(const QStringList& proxyArgs, const std::string& url)
{
    QProcess curl;
    curl.start("curl",
               QStringList{"-s", "--max-time", "10"} << proxyArgs << QString::fromStdString(url));
    if (!curl.waitForFinished(15000) || curl.exitCode() != 0)
        return "curl exit " + QByteArray::number(curl.exitCode());
    return curl.readAllStandardOutput();
}

Bytes portBytes(int port)
{
    return {uint8_t(port >> 8), uint8_t(port & 0xff)};
}

} // namespace

class tst_Socks5Relay : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void httpHeadIsRewrittenForTheOrigin();
    void badHttpHeadsAreRefused_data();
    void badHttpHeadsAreRefused();
    void socks5Addresses_data();
    void socks5Addresses();
    void socks5ReplyCarriesBoundAddress();

    void carriesSocks5AndHttpOnOnePort();
    void socks5ConnectsToIpv6();
    void refusesWhatItCannotCarry();
    void survivesGarbageAndHalfOpenClients();
    void stopEndsRelayedConnections();

private:
    PageServer m_pages;
    std::unique_ptr<Socks5Relay> m_relay;
    int m_nPort = 0;
};

void tst_Socks5Relay::init()
{
    QVERIFY(m_pages.start() > 0);
    m_relay = std::make_unique<Socks5Relay>();
    m_nPort = m_relay->start(0);
    QVERIFY(m_nPort > 0);
    QCOMPARE(m_relay->port(), m_nPort);
}

void tst_Socks5Relay::cleanup()
{
    m_relay.reset();
    m_pages.stop();
}

void tst_Socks5Relay::httpHeadIsRewrittenForTheOrigin()
{
    ProxyRequest::HttpHead head;
    std::string error;
    QVERIFY(ProxyRequest::parseHttpHead("GET http://Example.org:8080/a/b?x=1 HTTP/1.1\r\n"
                                        "Host: example.org:8080\r\n"
                                        "Proxy-Connection: keep-alive\r\n"
                                        "Connection: keep-alive\r\n"
                                        "Accept: */*\r\n\r\n",
                                        head, error));
    QVERIFY(!head.isConnect);
    QCOMPARE(head.dest.host, std::string("Example.org"));
    QCOMPARE(head.dest.port, 8080);
    QCOMPARE(head.forwardHead, std::string("GET /a/b?x=1 HTTP/1.1\r\n"
                                           "Host: example.org:8080\r\n"
                                           "Accept: */*\r\n"
                                           "Connection: close\r\n\r\n"));

    // No path, no port, no Host header (HTTP/1.0 clients).
    QVERIFY(ProxyRequest::parseHttpHead("GET http://h.test HTTP/1.0\r\n\r\n", head, error));
    QCOMPARE(head.dest.port, 80);
    QCOMPARE(head.forwardHead,
             std::string("GET / HTTP/1.0\r\nHost: h.test:80\r\nConnection: close\r\n\r\n"));

    QVERIFY(ProxyRequest::parseHttpHead("CONNECT [::1]:443 HTTP/1.1\r\n\r\n", head, error));
    QVERIFY(head.isConnect);
    QCOMPARE(head.dest.host, std::string("::1"));
    QCOMPARE(head.dest.port, 443);
}

void tst_Socks5Relay::badHttpHeadsAreRefused_data()
{
    using namespace std::string_literals;
    QTest::addColumn<QString>("head");
    QTest::newRow("https target") << "GET https://h.test/ HTTP/1.1\r\n\r\n";
    QTest::newRow("origin form") << "GET /index.html HTTP/1.1\r\n\r\n";
    QTest::newRow("no version") << "GET http://h.test/\r\n\r\n";
    QTest::newRow("extra word") << "GET http://h.test/ HTTP/1.1 x\r\n\r\n";
    QTest::newRow("credentials in uri") << "GET http://u:p@h.test/ HTTP/1.1\r\n\r\n";
    QTest::newRow("port zero") << "GET http://h.test:0/ HTTP/1.1\r\n\r\n";
    QTest::newRow("port too big") << "GET http://h.test:70000/ HTTP/1.1\r\n\r\n";
    QTest::newRow("connect without port") << "CONNECT h.test HTTP/1.1\r\n\r\n";
    QTest::newRow("bare ipv6") << "CONNECT ::1:443 HTTP/1.1\r\n\r\n";
    // The name looked up would end at the zero byte while the log shows all of it.
    QTest::newRow("connect host with zero byte")
        << QString::fromStdString("CONNECT a\0b:1 HTTP/1.1\r\n\r\n"s);
    QTest::newRow("connect host with control byte") << "CONNECT a\001b:1 HTTP/1.1\r\n\r\n";
    QTest::newRow("uri host with zero byte")
        << QString::fromStdString("GET http://a\0b/ HTTP/1.1\r\n\r\n"s);
    QTest::newRow("uri host with delete byte") << "GET http://a\177b/ HTTP/1.1\r\n\r\n";
    QTest::newRow("empty") << "";
}

void tst_Socks5Relay::badHttpHeadsAreRefused()
{
    QFETCH(QString, head);
    const std::string strHead = head.toStdString();
    ProxyRequest::HttpHead parsed;
    std::string error;
    QVERIFY(!ProxyRequest::parseHttpHead(strHead, parsed, error));
    QVERIFY(!error.empty());
    if (strHead.empty())
        return;
    const int fd = RawClient::connectLoopback(m_nPort);
    QVERIFY(RawClient::sendText(fd, strHead));
    QVERIFY(RawClient::readAll(fd).rfind("HTTP/1.1 400 ", 0) == 0);
    close(fd);
}

void tst_Socks5Relay::socks5Addresses_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<Bytes>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::newRow("ipv4") << 1 << Bytes{10, 0, 0, 7, 0x1f, 0x90} << true << "10.0.0.7" << 8080;
    Bytes v6(16, 0);
    v6[15] = 1;
    v6.push_back(0);
    v6.push_back(80);
    QTest::newRow("ipv6") << 4 << v6 << true << "::1" << 80;
    QTest::newRow("domain") << 3 << Bytes{4, 'a', '.', 'b', 'c', 0, 81} << true << "a.bc" << 81;
    QTest::newRow("unknown type") << 2 << Bytes{1, 2, 3, 4, 0, 80} << false << "" << 0;
    QTest::newRow("short ipv4") << 1 << Bytes{1, 2, 3, 0, 80} << false << "" << 0;
    QTest::newRow("empty domain") << 3 << Bytes{0, 0, 80} << false << "" << 0;
    QTest::newRow("domain with nul") << 3 << Bytes{2, 'a', 0, 0, 80} << false << "" << 0;
    QTest::newRow("port zero") << 1 << Bytes{1, 2, 3, 4, 0, 0} << false << "" << 0;
}

void tst_Socks5Relay::socks5Addresses()
{
    QFETCH(int, type);
    QFETCH(Bytes, bytes);
    QFETCH(bool, valid);
    ProxyRequest::Destination dest;
    QCOMPARE(ProxyRequest::parseSocks5Address(uint8_t(type), bytes, dest), valid);
    if (valid) {
        QTEST(QString::fromStdString(dest.host), "host");
        QTEST(dest.port, "port");
    }
}

void tst_Socks5Relay::socks5ReplyCarriesBoundAddress()
{
    QCOMPARE(ProxyRequest::socks5Reply(0, "127.0.0.1", 0x1234),
             (Bytes{5, 0, 0, 1, 127, 0, 0, 1, 0x12, 0x34}));
    const Bytes v6 = ProxyRequest::socks5Reply(0, "::1", 80);
    QCOMPARE(v6.size(), size_t(22));
    QCOMPARE(v6[3], uint8_t(4));
    QCOMPARE(v6[19], uint8_t(1));
    QCOMPARE(ProxyRequest::socks5Reply(5, "", 0), (Bytes{5, 5, 0, 1, 0, 0, 0, 0, 0, 0}));
}

void tst_Socks5Relay::carriesSocks5AndHttpOnOnePort()
{
    const QString proxy = QString("127.0.0.1:%1").arg(m_nPort);
    const QByteArray page = QByteArray::fromStdString(PageServer::page());
    QCOMPARE(curlThrough({"--socks5-hostname", proxy}, m_pages.pageUrl("localhost")), page);
    QCOMPARE(curlThrough({"--socks5", proxy}, m_pages.pageUrl()), page);
    QCOMPARE(curlThrough({"--proxy", "http://" + proxy}, m_pages.pageUrl()), page);
    QCOMPARE(curlThrough({"--proxytunnel", "--proxy", "http://" + proxy}, m_pages.pageUrl()), page);
    // A body larger than the relay's buffers arrives whole.
    const std::string bigUrl =
        "http://127.0.0.1:" + std::to_string(m_pages.port()) + "/bytes/3000000";
    QCOMPARE(curlThrough({"--socks5-hostname", proxy}, bigUrl).size(), 3000000);
    QCOMPARE(m_pages.requestCount(), 5);
}

void tst_Socks5Relay::socks5ConnectsToIpv6()
{
    const int listener = socket(AF_INET6, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in6 address{};
    address.sin6_family = AF_INET6;
    address.sin6_addr = in6addr_loopback;
    socklen_t length = sizeof address;
    if (bind(listener, reinterpret_cast<sockaddr*>(&address), length) != 0) {
        close(listener);
        QSKIP("no IPv6 loopback here");
    }
    listen(listener, 4);
    getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
    const int client = RawClient::connectLoopback(m_nPort);
    std::string request("\x05\x01\x00\x05\x01\x00\x04", 7);
    request.append(reinterpret_cast<const char*>(in6addr_loopback.s6_addr), 16);
    const int port = ntohs(address.sin6_port);
    request += char(port >> 8);
    request += char(port & 0xff);
    QVERIFY(RawClient::sendText(client, request));
    const Bytes reply = RawClient::readBytes(client, 2 + 22);
    close(client);
    close(listener);
    QCOMPARE(reply.size(), size_t(24));
    QCOMPARE(reply[3], uint8_t(0x00)); // succeeded
    QCOMPARE(reply[5], uint8_t(0x04)); // bound address is IPv6
}

void tst_Socks5Relay::refusesWhatItCannotCarry()
{
    // A client offering only user/password authentication.
    int fd = RawClient::connectLoopback(m_nPort);
    QVERIFY(RawClient::sendBytes(fd, {5, 1, 2}));
    QCOMPARE(RawClient::readBytes(fd, 2), (Bytes{5, 0xff}));
    QVERIFY(RawClient::closedWithin(fd, 2000));
    close(fd);

    // BIND is not supported; the reply says so.
    fd = RawClient::connectLoopback(m_nPort);
    QVERIFY(RawClient::sendBytes(fd, {5, 1, 0, 5, 2, 0, 1, 127, 0, 0, 1, 0, 80}));
    const Bytes reply = RawClient::readBytes(fd, 12);
    QCOMPARE(reply.size(), size_t(12));
    QCOMPARE(reply[3], uint8_t(ProxyRequest::Socks5CommandNotSupported));
    close(fd);

    // A destination that refuses.
    const QString proxy = QString("127.0.0.1:%1").arg(m_nPort);
    QCOMPARE(curlThrough({"--socks5", proxy}, "http://127.0.0.1:1/"), QByteArray("curl exit 97"));
    fd = RawClient::connectLoopback(m_nPort);
    QVERIFY(RawClient::sendText(fd, "GET http://127.0.0.1:1/ HTTP/1.1\r\n\r\n"));
    QVERIFY(RawClient::readAll(fd).rfind("HTTP/1.1 502 ", 0) == 0);
    close(fd);
}

void tst_Socks5Relay::survivesGarbageAndHalfOpenClients()
{
    const int before = RawClient::openFdCount(getpid());
    // Garbage that is not SOCKS5 is read as an HTTP request and refused.
    int fd = RawClient::connectLoopback(m_nPort);
    QVERIFY(RawClient::sendText(fd, std::string("\x16\x03\x01 garbage\r\n\r\n", 15)));
    QVERIFY(RawClient::readAll(fd).rfind("HTTP/1.1 400 ", 0) == 0);
    close(fd);
    // Clients that stop half-way through the greeting, the request or the HTTP head.
    std::vector<int> halfOpen;
    for (const std::string& part : {std::string("\x05\x02", 2), std::string("\x05\x01\x00", 3),
                                    std::string("GET http://h.test/ HTTP/1.1\r\nHo")}) {
        halfOpen.push_back(RawClient::connectLoopback(m_nPort));
        QVERIFY(RawClient::sendText(halfOpen.back(), part));
    }
    // A client that sends a full CONNECT to an unterminated domain length.
    halfOpen.push_back(RawClient::connectLoopback(m_nPort));
    QVERIFY(RawClient::sendBytes(halfOpen.back(), {5, 1, 0, 5, 1, 0, 3, 200, 'a'}));

    // Meanwhile others are served.
    QCOMPARE(
        curlThrough({"--socks5-hostname", QString("127.0.0.1:%1").arg(m_nPort)}, m_pages.pageUrl()),
        QByteArray::fromStdString(PageServer::page()));
    for (int half : halfOpen)
        close(half);
    // The relay's side of every connection goes away: no descriptor stays behind.
    QTRY_COMPARE_WITH_TIMEOUT(RawClient::openFdCount(getpid()), before, 5000);
}

void tst_Socks5Relay::stopEndsRelayedConnections()
{
    // An open tunnel through the relay.
    const int fd = RawClient::connectLoopback(m_nPort);
    const Bytes port = portBytes(m_pages.port());
    QVERIFY(RawClient::sendBytes(fd, {5, 1, 0, 5, 1, 0, 1, 127, 0, 0, 1, port[0], port[1]}));
    QCOMPARE(RawClient::readBytes(fd, 12).size(), size_t(12));

    QElapsedTimer timer;
    timer.start();
    m_relay->stop();
    QVERIFY(timer.elapsed() < 1000 * QEL_TIME_FACTOR);
    QCOMPARE(m_relay->port(), 0);
    QVERIFY(RawClient::closedWithin(fd, 1000));
    close(fd);
    QCOMPARE(RawClient::connectLoopback(m_nPort), -1);

    // The same object serves again after a restart.
    QVERIFY(m_relay->start(0) > 0);
    QCOMPARE(m_relay->start(0), 0); // already listening
}

QTEST_GUILESS_MAIN(tst_Socks5Relay)
#include "tst_Socks5Relay.moc"
