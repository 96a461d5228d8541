#pragma once

#include <httplib.h>

#include <string>
#include <thread>

// One HTTP listener of a stand-in on 127.0.0.1, served from a thread of its own.
class HttpListener
{
public:
    HttpListener();
    ~HttpListener();
    HttpListener(const HttpListener&) = delete;
    HttpListener& operator=(const HttpListener&) = delete;

    httplib::Server& server() { return m_server; }

    // 0 asks the system for a free port. Returns the bound port, or 0.
    int bind(int port);
    int port() const { return m_port; }
    // "http://127.0.0.1:PORT".
    std::string baseAddress() const;

    // Serves, and returns once connections are taken: a stop that came earlier would be
    // lost and leave a thread that never ends.
    void start();
    // Ends serving and waits for the thread.
    void stop();

private:
    httplib::Server m_server;
    std::thread m_thread;
    int m_port = 0;
};
