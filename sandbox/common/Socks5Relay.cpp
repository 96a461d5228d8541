#include "Socks5Relay.h"

#include "ProxyRequest.h"
#include "RelaySocket.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

using RelaySocket::Fd;

namespace {

constexpr size_t kMaxHttpHead = 16 * 1024;

// The local address of a socket as text and port.
std::pair<std::string, int> localAddress(int fd)
{
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    char text[INET6_ADDRSTRLEN] = "0.0.0.0";
    int port = 0;
    if (getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        if (address.ss_family == AF_INET6) {
            const auto* v6 = reinterpret_cast<const sockaddr_in6*>(&address);
            inet_ntop(AF_INET6, &v6->sin6_addr, text, sizeof text);
            port = ntohs(v6->sin6_port);
        } else {
            const auto* v4 = reinterpret_cast<const sockaddr_in*>(&address);
            inet_ntop(AF_INET, &v4->sin_addr, text, sizeof text);
            port = ntohs(v4->sin_port);
        }
    }
    return {text, port};
}

int listenLoopback(int port)
{
    Fd fd(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (fd.get() < 0)
        return -1;
    const int on = 1;
    setsockopt(fd.get(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    if (bind(fd.get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(fd.get(), 128) != 0)
        return -1;
    return fd.release();
}

} // namespace

Socks5Relay::Socks5Relay(Log log) : m_log(std::move(log)) {}

Socks5Relay::~Socks5Relay()
{
    stop();
}

int Socks5Relay::start(int port)
{
    if (m_listenFd >= 0 || port < 0 || port > 65535)
        return 0;
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0)
        return 0;
    const int listenFd = listenLoopback(port);
    if (listenFd < 0) {
        close(pipeFds[0]);
        close(pipeFds[1]);
        return 0;
    }
    m_stopRead = pipeFds[0];
    m_stopWrite = pipeFds[1];
    m_listenFd = listenFd;
    m_nPort = localAddress(listenFd).second;
    m_acceptThread = std::thread(&Socks5Relay::acceptLoop, this);
    return m_nPort;
}

void Socks5Relay::stop()
{
    if (m_listenFd < 0)
        return;
    // Closing the write end makes the read end readable for every waiting thread.
    close(m_stopWrite);
    m_acceptThread.join();
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_allDone.wait(lock, [this] { return m_nActive == 0; });
    }
    close(m_listenFd);
    close(m_stopRead);
    m_listenFd = m_stopRead = m_stopWrite = -1;
    m_nPort = 0;
}

void Socks5Relay::onConnect(const std::string& host, int port)
{
    log("relay " + std::to_string(m_nPort.load()) + ": connect " + host + ":" +
        std::to_string(port));
}

void Socks5Relay::log(const std::string& text) const
{
    if (m_log)
        m_log(text);
}

void Socks5Relay::acceptLoop()
{
    while (RelaySocket::waitFor(m_listenFd, POLLIN, m_stopRead, -1)) {
        const int clientFd = accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (clientFd < 0) {
            if (errno == EMFILE || errno == ENFILE)
                poll(nullptr, 0, 100); // let connections end before accepting more
            continue;
        }
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_nActive >= kMaxConnections) {
            close(clientFd);
            continue;
        }
        ++m_nActive;
        std::thread(&Socks5Relay::serve, this, clientFd).detach();
    }
}

void Socks5Relay::releaseConnection()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (--m_nActive == 0)
        m_allDone.notify_all();
}

void Socks5Relay::serve(int clientFd)
{
    {
        Fd client(clientFd);
        uint8_t first = 0;
        // Peek so the HTTP parser sees the whole request line.
        if (RelaySocket::waitFor(clientFd, POLLIN, m_stopRead, kHandshakeTimeoutMs) &&
            recv(clientFd, &first, 1, MSG_PEEK) == 1) {
            if (first == 0x05)
                serveSocks5(clientFd);
            else
                serveHttp(clientFd);
        }
    }
    releaseConnection();
}

int Socks5Relay::connectDestination(const std::string& host, int port)
{
    onConnect(host, port);
    std::string errorText;
    const int fd = RelaySocket::connectTcp(host, port, m_stopRead, kConnectTimeoutMs, errorText);
    if (fd < 0)
        log("relay " + std::to_string(m_nPort.load()) + ": " + host + ":" + std::to_string(port) +
            " failed: " + errorText);
    return fd;
}

void Socks5Relay::serveSocks5(int clientFd)
{
    const int t = kHandshakeTimeoutMs;
    const int stop = m_stopRead;
    uint8_t greeting[2];
    if (!RelaySocket::readExact(clientFd, greeting, 2, stop, t))
        return;
    std::vector<uint8_t> methods(greeting[1]);
    if (!RelaySocket::readExact(clientFd, methods.data(), methods.size(), stop, t))
        return;
    const bool noAuth = std::find(methods.begin(), methods.end(), 0x00) != methods.end();
    const uint8_t choice[2] = {0x05, static_cast<uint8_t>(noAuth ? 0x00 : 0xff)};
    if (!RelaySocket::sendAll(clientFd, choice, 2, stop, t) || !noAuth)
        return;

    uint8_t request[4];
    if (!RelaySocket::readExact(clientFd, request, 4, stop, t) || request[0] != 0x05)
        return;
    auto refuse = [&](uint8_t code) {
        const auto reply = ProxyRequest::socks5Reply(code, "", 0);
        RelaySocket::sendAll(clientFd, reply.data(), reply.size(), stop, t);
    };
    // The address length depends on its type; a domain name carries its own length byte.
    std::vector<uint8_t> rest;
    if (request[3] == 0x01 || request[3] == 0x04) {
        rest.resize(request[3] == 0x01 ? 6 : 18);
    } else if (request[3] == 0x03) {
        uint8_t length = 0;
        if (!RelaySocket::readExact(clientFd, &length, 1, stop, t))
            return;
        rest.resize(size_t(length) + 3);
        rest[0] = length;
    } else {
        return refuse(ProxyRequest::Socks5AddressNotSupported);
    }
    const size_t offset = request[3] == 0x03 ? 1 : 0;
    if (!RelaySocket::readExact(clientFd, rest.data() + offset, rest.size() - offset, stop, t))
        return;
    if (request[1] != 0x01)
        return refuse(ProxyRequest::Socks5CommandNotSupported);
    ProxyRequest::Destination dest;
    if (!ProxyRequest::parseSocks5Address(request[3], rest, dest))
        return refuse(ProxyRequest::Socks5AddressNotSupported);

    Fd remote(connectDestination(dest.host, dest.port));
    if (remote.get() < 0)
        return refuse(ProxyRequest::Socks5HostUnreachable);
    const auto [ip, port] = localAddress(remote.get());
    const auto reply = ProxyRequest::socks5Reply(ProxyRequest::Socks5Succeeded, ip, port);
    if (RelaySocket::sendAll(clientFd, reply.data(), reply.size(), stop, t))
        RelaySocket::pump(clientFd, remote.get(), stop, kIdleTimeoutMs);
}

void Socks5Relay::serveHttp(int clientFd)
{
    const int t = kHandshakeTimeoutMs;
    const int stop = m_stopRead;
    std::string data;
    size_t headEnd = std::string::npos;
    char buffer[4096];
    while (headEnd == std::string::npos && data.size() < kMaxHttpHead) {
        const long n = RelaySocket::readSome(clientFd, buffer, sizeof buffer, stop, t);
        if (n <= 0)
            return;
        data.append(buffer, size_t(n));
        headEnd = data.find("\r\n\r\n");
    }
    auto answer = [&](const std::string& status) {
        RelaySocket::sendAll(
            clientFd, "HTTP/1.1 " + status + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n",
            stop, t);
    };
    ProxyRequest::HttpHead head;
    std::string errorText;
    if (headEnd == std::string::npos ||
        !ProxyRequest::parseHttpHead(data.substr(0, headEnd + 4), head, errorText)) {
        log("relay " + std::to_string(m_nPort.load()) +
            ": bad request: " + (errorText.empty() ? "head too long" : errorText));
        return answer("400 Bad Request");
    }
    Fd remote(connectDestination(head.dest.host, head.dest.port));
    if (remote.get() < 0)
        return answer("502 Bad Gateway");
    // Whatever followed the head (a body, or early tunnel bytes) goes on unchanged.
    const std::string early = data.substr(headEnd + 4);
    const bool sent =
        head.isConnect
            ? RelaySocket::sendAll(clientFd, "HTTP/1.1 200 Connection established\r\n\r\n", stop, t)
            : RelaySocket::sendAll(remote.get(), head.forwardHead, stop, t);
    if (sent && RelaySocket::sendAll(remote.get(), early, stop, t))
        RelaySocket::pump(clientFd, remote.get(), stop, kIdleTimeoutMs);
}
