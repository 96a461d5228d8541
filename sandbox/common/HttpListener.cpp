#include "HttpListener.h"

#include "BindAlone.h"

#include <algorithm>
#include <chrono>

namespace {

const char kHost[] = "127.0.0.1";
constexpr size_t kWorkerThreads = 64; // held (hang) requests must not starve the others
constexpr time_t kKeepAliveSeconds = 1;

} // namespace

HttpListener::HttpListener()
{
    bindAlone(m_server);
    m_server.new_task_queue = [] { return new httplib::ThreadPool(kWorkerThreads); };
    m_server.set_keep_alive_timeout(kKeepAliveSeconds);
}

HttpListener::~HttpListener()
{
    stop();
}

int HttpListener::bind(int port)
{
    if (port == 0)
        m_port = std::max(0, m_server.bind_to_any_port(kHost));
    else
        m_port = m_server.bind_to_port(kHost, port) ? port : 0;
    return m_port;
}

std::string HttpListener::baseAddress() const
{
    return std::string("http://") + kHost + ":" + std::to_string(m_port);
}

void HttpListener::start()
{
    m_thread = std::thread([this] { m_server.listen_after_bind(); });
    while (!m_server.is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void HttpListener::stop()
{
    if (!m_thread.joinable())
        return;
    m_server.stop();
    m_thread.join();
}
