#pragma once

#include <json/json.h>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <string>

// How one scripted answer misbehaves.
struct Script
{
    std::string mode; // body, hang, close, nonjson, 404, truncated, large, status
    Json::Value body;
    int status = 500;
    int delayMs = 0;
};

// Scripted answers per route, installed by tests through the control routes. Also the
// place where held requests (hang, delay) wait, so reset and shutdown can release them.
class ScriptTable
{
public:
    // Queues {"route","mode","body","status","delay_ms","times"} behind the route's earlier
    // scripts. An earlier script without a limit could never hand over, so it is dropped.
    // False with a reason for an unusable script.
    bool install(const Json::Value& spec, std::string& error);

    // The route's first queued script, using up one of its times.
    std::optional<Script> take(const std::string& route);

    // Drops every script and releases every held request.
    void reset();

    // Releases every held request for good (the service is stopping).
    void shutdown();

    // Waits up to timeoutMs (negative: without limit). True when a reset or shutdown cut
    // the wait short, so the caller should give up on its answer.
    bool hold(int timeoutMs);

private:
    struct Entry
    {
        Script script;
        int times = -1; // -1: until reset
    };

    std::mutex m_mutex;
    std::condition_variable m_released;
    std::map<std::string, std::deque<Entry>> m_scripts;
    std::uint64_t m_generation = 0;
    bool m_stopping = false;
};
