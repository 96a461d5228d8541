#include "RelaySocket.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace RelaySocket {

namespace {

using Clock = std::chrono::steady_clock;

int remainingMs(Clock::time_point deadline)
{
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

void setNonBlocking(int fd)
{
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
}

bool wouldBlock()
{
    return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
}

// Connects one resolved address; -1 on failure with errorText set.
int connectAddress(const addrinfo& ai, int stopFd, int timeoutMs, std::string& errorText)
{
    Fd fd(socket(ai.ai_family, ai.ai_socktype | SOCK_CLOEXEC, ai.ai_protocol));
    if (fd.get() < 0) {
        errorText = std::strerror(errno);
        return -1;
    }
    setNonBlocking(fd.get());
    if (connect(fd.get(), ai.ai_addr, ai.ai_addrlen) != 0) {
        if (errno != EINPROGRESS) {
            errorText = std::strerror(errno);
            return -1;
        }
        if (!waitFor(fd.get(), POLLOUT, stopFd, timeoutMs)) {
            errorText = "connect timed out";
            return -1;
        }
        int error = 0;
        socklen_t length = sizeof error;
        getsockopt(fd.get(), SOL_SOCKET, SO_ERROR, &error, &length);
        if (error != 0) {
            errorText = std::strerror(error);
            return -1;
        }
    }
    return fd.release();
}

// One direction of the relay: bytes read from `from` wait in the buffer until `to` takes them.
struct Direction
{
    int from;
    int to;
    char buffer[64 * 1024];
    size_t begin = 0;
    size_t end = 0;
    bool eof = false;
    bool done = false; // end of file passed on and buffer empty

    bool pending() const { return begin < end; }
    short fromEvents() const { return !eof && !pending() ? POLLIN : 0; }
    short toEvents() const { return pending() ? POLLOUT : 0; }

    // Returns false on a socket error.
    bool read()
    {
        const ssize_t n = recv(from, buffer, sizeof buffer, 0);
        if (n > 0) {
            begin = 0;
            end = size_t(n);
        } else if (n == 0) {
            eof = true;
        } else if (!wouldBlock()) {
            return false;
        }
        return true;
    }

    bool write()
    {
        const ssize_t n = send(to, buffer + begin, end - begin, MSG_NOSIGNAL);
        if (n > 0)
            begin += size_t(n);
        else if (n < 0 && !wouldBlock())
            return false;
        return true;
    }

    void finishIfDrained()
    {
        if (eof && !pending() && !done) {
            shutdown(to, SHUT_WR);
            done = true;
        }
    }
};

} // namespace

void Fd::reset(int fd)
{
    if (m_fd >= 0)
        close(m_fd);
    m_fd = fd;
}

bool waitFor(int fd, short events, int stopFd, int timeoutMs)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        pollfd fds[2] = {{fd, events, 0}, {stopFd, POLLIN, 0}};
        const int wait = timeoutMs < 0 ? -1 : remainingMs(deadline);
        const int n = poll(fds, stopFd >= 0 ? 2 : 1, wait);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0 || fds[1].revents != 0)
            return false;
        return (fds[0].revents & (events | POLLHUP | POLLERR)) != 0;
    }
}

long readSome(int fd, void* buf, size_t size, int stopFd, int timeoutMs)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (!waitFor(fd, POLLIN, stopFd, remainingMs(deadline)))
            return -1;
        const ssize_t n = recv(fd, buf, size, 0);
        if (n >= 0)
            return n;
        if (!wouldBlock())
            return -1;
    }
}

bool readExact(int fd, void* buf, size_t size, int stopFd, int timeoutMs)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    auto* bytes = static_cast<char*>(buf);
    size_t done = 0;
    while (done < size) {
        const long n = readSome(fd, bytes + done, size - done, stopFd, remainingMs(deadline));
        if (n <= 0)
            return false;
        done += size_t(n);
    }
    return true;
}

bool sendAll(int fd, const void* buf, size_t size, int stopFd, int timeoutMs)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    const auto* bytes = static_cast<const char*>(buf);
    size_t done = 0;
    while (done < size) {
        const ssize_t n = send(fd, bytes + done, size - done, MSG_NOSIGNAL);
        if (n > 0) {
            done += size_t(n);
        } else if (n < 0 && !wouldBlock()) {
            return false;
        } else if (!waitFor(fd, POLLOUT, stopFd, remainingMs(deadline))) {
            return false;
        }
    }
    return true;
}

bool sendAll(int fd, const std::string& data, int stopFd, int timeoutMs)
{
    return sendAll(fd, data.data(), data.size(), stopFd, timeoutMs);
}

int connectTcp(const std::string& host, int port, int stopFd, int timeoutMs, std::string& errorText)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* list = nullptr;
    const int rc = getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &list);
    if (rc != 0) {
        errorText = gai_strerror(rc);
        return -1;
    }
    int fd = -1;
    for (addrinfo* ai = list; ai != nullptr && fd < 0; ai = ai->ai_next)
        fd = connectAddress(*ai, stopFd, timeoutMs, errorText);
    freeaddrinfo(list);
    return fd;
}

void pump(int a, int b, int stopFd, int idleMs)
{
    setNonBlocking(a);
    setNonBlocking(b);
    auto up = std::make_unique<Direction>();
    auto down = std::make_unique<Direction>();
    up->from = down->to = a;
    up->to = down->from = b;
    // A socket with nothing asked of it is left out of the poll, so a hang-up there cannot
    // spin the loop; it shows on the next read or write.
    auto entry = [](int fd, short events) { return pollfd{events ? fd : -1, events, 0}; };
    while (!(up->done && down->done)) {
        pollfd fds[3] = {entry(a, short(up->fromEvents() | down->toEvents())),
                         entry(b, short(down->fromEvents() | up->toEvents())),
                         {stopFd, POLLIN, 0}};
        const int n = poll(fds, 3, idleMs);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0 || fds[2].revents != 0)
            return;
        if ((fds[0].revents | fds[1].revents) & (POLLERR | POLLNVAL))
            return;
        for (Direction* d : {up.get(), down.get()}) {
            const short srcEvents = (d->from == a ? fds[0] : fds[1]).revents;
            const short dstEvents = (d->to == a ? fds[0] : fds[1]).revents;
            if (d->fromEvents() && (srcEvents & (POLLIN | POLLHUP))) {
                // Try the write at once: the other side is usually ready.
                if (!d->read() || (d->pending() && !d->write()))
                    return;
            } else if (d->toEvents() && (dstEvents & (POLLOUT | POLLHUP)) && !d->write()) {
                return;
            }
            d->finishIfDrained();
        }
    }
}

} // namespace RelaySocket
