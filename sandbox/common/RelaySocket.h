#pragma once

#include <cstddef>
#include <string>

// Socket helpers for the relay. Every wait also watches stopFd, a pipe read end that becomes
// readable (end of file) when the owner stops; such a wait then fails like a timeout.
namespace RelaySocket {

// Closes the descriptor on scope exit.
class Fd
{
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    void reset(int fd = -1);
    // Gives up ownership without closing.
    int release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

// Waits until fd is ready for `events` (POLLIN/POLLOUT); timeoutMs < 0 waits without limit.
// False on time-out, stop or error.
bool waitFor(int fd, short events, int stopFd, int timeoutMs);

// Reads up to size bytes, waiting at most timeoutMs. Returns the count, 0 at end of file,
// -1 on error, time-out or stop.
long readSome(int fd, void* buf, size_t size, int stopFd, int timeoutMs);

// Reads exactly size bytes before the time-out.
bool readExact(int fd, void* buf, size_t size, int stopFd, int timeoutMs);

// Writes all bytes (the socket may be non-blocking).
bool sendAll(int fd, const void* buf, size_t size, int stopFd, int timeoutMs);
bool sendAll(int fd, const std::string& data, int stopFd, int timeoutMs);

// Connects to host:port (name, IPv4 or IPv6 text), trying each resolved address in turn.
// Returns a connected non-blocking socket, or -1 with errorText set.
int connectTcp(const std::string& host, int port, int stopFd, int timeoutMs,
               std::string& errorText);

// Copies bytes both ways until both directions reached end of file, an error occurs, nothing
// moved for idleMs, or stop. A finished direction is passed on as a half close.
void pump(int a, int b, int stopFd, int idleMs);

} // namespace RelaySocket
