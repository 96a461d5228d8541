#include "PortTable.h"

#include "DriveLog.h"

PortTable::PortTable(int start, int count) : m_nStart(start), m_nCount(count) {}

PortTable::~PortTable()
{
    unbindAll();
}

std::vector<int> PortTable::setRange(int start, int count)
{
    std::map<int, std::unique_ptr<ExitRelay>> outside;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_nStart = start;
        m_nCount = count;
        for (auto it = m_relays.begin(); it != m_relays.end();) {
            if (inRange(it->first)) {
                ++it;
                continue;
            }
            outside.insert(std::move(*it));
            it = m_relays.erase(it);
        }
    }
    std::vector<int> ports;
    for (auto& [port, relay] : outside) {
        relay->stop(); // outside the lock, as in unbind()
        ports.push_back(port);
    }
    return ports;
}

std::pair<int, int> PortTable::range() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return {m_nStart, m_nCount};
}

bool PortTable::inRange(int port) const
{
    return port >= m_nStart && port < m_nStart + m_nCount;
}

bool PortTable::startRelay(int port, const ExitLine& line)
{
    auto relay = std::make_unique<ExitRelay>(line);
    if (relay->start(port) != port)
        return false;
    m_relays[port] = std::move(relay);
    return true;
}

PortTable::BindResult PortTable::bind(int port, const ExitLine& line)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!inRange(port))
        return BindResult::OutOfRange;
    const auto it = m_relays.find(port);
    if (it != m_relays.end()) {
        it->second->setExit(line);
        return BindResult::Rebound;
    }
    return startRelay(port, line) ? BindResult::Bound : BindResult::Busy;
}

bool PortTable::unbind(int port)
{
    std::unique_ptr<ExitRelay> relay;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto it = m_relays.find(port);
        if (it == m_relays.end())
            return false;
        relay = std::move(it->second);
        m_relays.erase(it);
    }
    relay->stop(); // outside the lock: it waits for the port's connections to end
    return true;
}

std::vector<int> PortTable::unbindAll()
{
    std::map<int, std::unique_ptr<ExitRelay>> relays;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        relays.swap(m_relays);
    }
    std::vector<int> ports;
    for (auto& [port, relay] : relays) {
        relay->stop();
        ports.push_back(port);
    }
    return ports;
}

std::vector<int> PortTable::boundPorts() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<int> ports;
    for (const auto& entry : m_relays)
        ports.push_back(entry.first);
    return ports;
}

std::vector<int> PortTable::bindFree(int count, int firstPort,
                                     const std::function<ExitLine(int)>& makeLine)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<int> bound;
    const int first = inRange(firstPort) ? firstPort : m_nStart;
    for (int i = 0; i < m_nCount && int(bound.size()) < count; ++i) {
        const int port = m_nStart + (first - m_nStart + i) % m_nCount;
        if (m_relays.count(port) == 0 && startRelay(port, makeLine(port)))
            bound.push_back(port);
    }
    return bound;
}
