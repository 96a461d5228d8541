#pragma once

#include "ExitRelay.h"

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

// The local ports the engine serves, each with its exit, inside the range the client gave.
// Safe to use from the API's worker threads.
class PortTable
{
public:
    PortTable(int start, int count);
    ~PortTable();

    enum class BindResult
    {
        Bound,
        Rebound,
        OutOfRange,
        Busy, // another program holds the port
    };

    // Unbinds the ports outside the new range and returns them.
    std::vector<int> setRange(int start, int count);
    std::pair<int, int> range() const;

    BindResult bind(int port, const ExitLine& line);
    // False when the port was not bound.
    bool unbind(int port);
    // Returns the ports that were bound.
    std::vector<int> unbindAll();
    std::vector<int> boundPorts() const;

    // Binds up to `count` ports of the range that nobody serves yet, trying `firstPort` first
    // and going on in order, wrapping at the end of the range. The exit of each comes from
    // makeLine(port). Returns the ports bound.
    std::vector<int> bindFree(int count, int firstPort,
                              const std::function<ExitLine(int)>& makeLine);

private:
    bool inRange(int port) const;
    // Caller holds m_mutex.
    bool startRelay(int port, const ExitLine& line);

    mutable std::mutex m_mutex;
    int m_nStart;
    int m_nCount;
    std::map<int, std::unique_ptr<ExitRelay>> m_relays;
};
