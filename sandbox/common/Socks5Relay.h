#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

// A proxy listener on 127.0.0.1. Each accepted connection is told apart by its first byte:
// 0x05 starts a SOCKS5 exchange (no authentication, CONNECT to IPv4, IPv6 and domain names),
// anything else is read as an HTTP proxy request (absolute-URI request or CONNECT). The relay
// connects directly to the destination and copies both ways until either side is done.
//
// One thread accepts; each connection runs on a thread of its own. Every wait also watches a
// stop pipe, so stop() ends the listener and all relayed connections promptly.
class Socks5Relay
{
public:
    using Log = std::function<void(const std::string&)>;

    // The log function is called from connection threads; it must be thread-safe.
    explicit Socks5Relay(Log log = {});
    virtual ~Socks5Relay();

    Socks5Relay(const Socks5Relay&) = delete;
    Socks5Relay& operator=(const Socks5Relay&) = delete;

    // Listens on 127.0.0.1; 0 picks a free port. Returns the bound port, or 0 on failure
    // (also when already started).
    int start(int port);
    // Closes the listener and every relayed connection; waits for their threads.
    void stop();
    int port() const { return m_nPort.load(); }

    // Limits that keep a misbehaving client from holding resources.
    static constexpr int kMaxConnections = 512;
    static constexpr int kHandshakeTimeoutMs = 10000;
    static constexpr int kConnectTimeoutMs = 10000;
    static constexpr int kIdleTimeoutMs = 120000;

protected:
    // Called on the connection's thread once the destination is known, before connecting.
    // The default logs the destination.
    virtual void onConnect(const std::string& host, int port);
    void log(const std::string& text) const;

private:
    void acceptLoop();
    void serve(int clientFd);
    void serveSocks5(int clientFd);
    void serveHttp(int clientFd);
    int connectDestination(const std::string& host, int port);
    void releaseConnection();

    Log m_log;
    std::atomic<int> m_nPort{0};
    int m_listenFd = -1;
    int m_stopRead = -1;
    int m_stopWrite = -1;
    std::thread m_acceptThread;
    std::mutex m_mutex;
    std::condition_variable m_allDone;
    int m_nActive = 0;
};
