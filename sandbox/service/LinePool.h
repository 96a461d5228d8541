#pragma once

#include <json/json.h>

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

// The exits the line-list routes offer: a fixed pool filtered by the location fields and
// "ip_part". The paged routes go on where the same user's last request with the same filter
// stopped; past the end they answer one empty page and start again. Safe from any thread.
class LinePool
{
public:
    LinePool();

    // The answer of a line-list or serial-check route; nothing for any other route.
    std::optional<Json::Value> answer(const std::string& route, const Json::Value& form);
    // Every paged listing starts from the first exit again.
    void reset();

private:
    std::vector<const Json::Value*> filtered(const Json::Value& form) const;
    Json::Value page(const std::string& route, const Json::Value& form);
    // Static exits (plan 6) carry their "expire_time".
    Json::Value whole(const Json::Value& form, bool bStatic) const;
    Json::Value serialStates(const Json::Value& form) const;

    std::vector<Json::Value> m_exits;
    std::vector<std::string> m_serials; // decoded, in pool order
    std::mutex m_mutex;
    std::map<std::string, size_t> m_positions;
};
