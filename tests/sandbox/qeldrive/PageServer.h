#pragma once

#include <atomic>
#include <string>
#include <thread>
#include <vector>

// A small HTTP origin on 127.0.0.1 for the relay tests: "GET /page" answers a fixed page,
// "GET /bytes/N" N bytes; every answer closes the connection. One thread per connection.
class PageServer
{
public:
    PageServer() = default;
    ~PageServer();
    PageServer(const PageServer&) = delete;
    PageServer& operator=(const PageServer&) = delete;

    // Listens on a free port; returns it, or 0.
    int start();
    void stop();
    int port() const { return m_nPort; }
    int requestCount() const { return m_nRequests.load(); }

    static std::string page();
    // http://HOST:PORT/page
    std::string pageUrl(const std::string& host = "127.0.0.1") const;

private:
    void acceptLoop();
    void serve(int fd);

    int m_nPort = 0;
    int m_listenFd = -1;
    int m_stopPipe[2] = {-1, -1};
    std::atomic<int> m_nRequests{0};
    std::thread m_acceptThread;
    std::vector<std::thread> m_connections; // touched by the accept thread only
};
