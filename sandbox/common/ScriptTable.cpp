#include "ScriptTable.h"

#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "ScriptedAnswer.h"

#include <chrono>

bool ScriptTable::install(const Json::Value& spec, std::string& error)
{
    const std::string route = JsonRead::getString(spec, "route");
    Entry entry;
    entry.script.mode = JsonRead::getString(spec, "mode");
    entry.script.body = JsonRead::member(spec, "body");
    entry.script.status = JsonRead::getInt(spec, "status", 500);
    entry.script.delayMs = JsonRead::getInt(spec, "delay_ms", 0);
    entry.times = JsonRead::getInt(spec, "times", -1);
    if (route.empty() || route[0] != '/') {
        error = "route must start with /";
        return false;
    }
    if (!isScriptMode(entry.script.mode)) {
        error = "unknown mode";
        return false;
    }
    if (entry.script.status < 100 || entry.script.status > 599 || entry.script.delayMs < 0 ||
        entry.times == 0 || entry.times < -1) {
        error = "bad status, delay_ms or times";
        return false;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    std::deque<Entry>& queue = m_scripts[route];
    if (!queue.empty() && queue.back().times == -1)
        queue.pop_back();
    queue.push_back(entry);
    return true;
}

std::optional<Script> ScriptTable::take(const std::string& route)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_scripts.find(route);
    if (it == m_scripts.end())
        return std::nullopt;
    std::deque<Entry>& queue = it->second;
    const Script script = queue.front().script;
    if (queue.front().times > 0 && --queue.front().times == 0)
        queue.pop_front();
    if (queue.empty())
        m_scripts.erase(it);
    return script;
}

void ScriptTable::reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_scripts.clear();
    ++m_generation;
    m_released.notify_all();
}

void ScriptTable::shutdown()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_stopping = true;
    m_released.notify_all();
}

bool ScriptTable::hold(int timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    const std::uint64_t generation = m_generation;
    const auto released = [&] { return m_stopping || m_generation != generation; };
    if (timeoutMs < 0) {
        m_released.wait(lock, released);
        return true;
    }
    return m_released.wait_for(lock, std::chrono::milliseconds(timeoutMs), released);
}
