#include "PageServer.h"

#include "RelaySocket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kWaitMs = 10000;

std::string response(const std::string& status, size_t length)
{
    return "HTTP/1.1 " + status +
           "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(length) +
           "\r\nConnection: close\r\n\r\n";
}

} // namespace

PageServer::~PageServer()
{
    stop();
}

std::string PageServer::page()
{
    return "qeldrive test page\n";
}

std::string PageServer::pageUrl(const std::string& host) const
{
    return "http://" + host + ":" + std::to_string(m_nPort) + "/page";
}

int PageServer::start()
{
    m_listenFd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (m_listenFd < 0 || bind(m_listenFd, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        listen(m_listenFd, 256) != 0 || pipe2(m_stopPipe, O_CLOEXEC) != 0 ||
        getsockname(m_listenFd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return 0;
    m_nPort = ntohs(address.sin_port);
    m_acceptThread = std::thread(&PageServer::acceptLoop, this);
    return m_nPort;
}

void PageServer::stop()
{
    if (m_acceptThread.joinable()) {
        close(m_stopPipe[1]);
        m_acceptThread.join();
        for (std::thread& connection : m_connections)
            connection.join();
        m_connections.clear();
        close(m_stopPipe[0]);
    }
    if (m_listenFd >= 0)
        close(m_listenFd);
    m_listenFd = -1;
}

void PageServer::acceptLoop()
{
    while (RelaySocket::waitFor(m_listenFd, POLLIN, m_stopPipe[0], -1)) {
        const int fd = accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd >= 0)
            m_connections.emplace_back(&PageServer::serve, this, fd);
    }
}

void PageServer::serve(int fd)
{
    RelaySocket::Fd client(fd);
    std::string head;
    char buffer[4096];
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < 65536) {
        const long n = RelaySocket::readSome(fd, buffer, sizeof buffer, m_stopPipe[0], kWaitMs);
        if (n <= 0)
            return;
        head.append(buffer, size_t(n));
    }
    ++m_nRequests;
    const int stop = m_stopPipe[0];
    const std::string bytesPrefix = "GET /bytes/";
    if (head.rfind("GET /page ", 0) == 0) {
        RelaySocket::sendAll(fd, response("200 OK", page().size()) + page(), stop, kWaitMs);
    } else if (head.rfind(bytesPrefix, 0) == 0) {
        size_t remaining = std::stoull(head.substr(bytesPrefix.size()));
        RelaySocket::sendAll(fd, response("200 OK", remaining), stop, kWaitMs);
        const std::string chunk(256 * 1024, 'x');
        while (remaining > 0) {
            const size_t n = std::min(remaining, chunk.size());
            if (!RelaySocket::sendAll(fd, chunk.data(), n, stop, kWaitMs))
                return;
            remaining -= n;
        }
    } else {
        RelaySocket::sendAll(fd, response("404 Not Found", 0), stop, kWaitMs);
    }
    shutdown(fd, SHUT_WR);
    // Let the client read to the end before the socket closes.
    RelaySocket::readSome(fd, buffer, sizeof buffer, stop, kWaitMs);
}
