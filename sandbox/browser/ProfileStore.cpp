#include "ProfileStore.h"

#include "PublicModule/HttpCurl/features/JsonRead.h"

#include <fstream>
#include <set>
#include <sstream>

ProfileStore::ProfileStore(Json::Value profiles)
    : m_initial(std::move(profiles)), m_profiles(m_initial)
{
}

Json::Value ProfileStore::builtIn()
{
    Json::Value profiles(Json::arrayValue);
    const struct
    {
        const char* id;
        int seq;
        const char* name;
    } rows[] = {{"5f0d3c2a9b7e4f61a2c8d4e6b1a30001", 1, "Shop"},
                {"5f0d3c2a9b7e4f61a2c8d4e6b1a30002", 2, ""},
                {"5f0d3c2a9b7e4f61a2c8d4e6b1a30003", 3, "Café Ads"}};
    for (const auto& row : rows) {
        Json::Value profile;
        profile["id"] = row.id;
        profile["seq"] = row.seq;
        profile["name"] = row.name;
        profiles.append(profile);
    }
    return profiles;
}

bool ProfileStore::load(const std::string& path, Json::Value& out, std::string& error)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    if (!file || !JsonRead::parse(text.str(), out) || !out.isArray()) {
        error = "profiles file " + path + " is not a JSON array";
        return false;
    }
    std::set<std::string> ids;
    for (const Json::Value& profile : out) {
        const std::string id = JsonRead::getString(profile, "id");
        if (id.empty() || !ids.insert(id).second) {
            error = "every profile needs a distinct text \"id\"";
            return false;
        }
    }
    return true;
}

Json::Value ProfileStore::page(int page, int pageSize) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Json::Value list(Json::arrayValue);
    const long long first = static_cast<long long>(page) * pageSize;
    for (long long i = first; i >= 0 && i < first + pageSize &&
                          i < static_cast<long long>(m_profiles.size()); ++i)
        list.append(m_profiles[static_cast<Json::ArrayIndex>(i)]);
    return list;
}

bool ProfileStore::contains(const std::string& id) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const Json::Value& profile : m_profiles) {
        if (JsonRead::getString(profile, "id") == id)
            return true;
    }
    return false;
}

void ProfileStore::applyUpdate(const Json::Value& update)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const std::string id = JsonRead::getString(update, "id");
    for (Json::Value& profile : m_profiles) {
        if (JsonRead::getString(profile, "id") != id)
            continue;
        for (const char* key : {"host", "port", "proxyMethod", "proxyType"})
            profile[key] = update[key];
    }
}

void ProfileStore::reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_profiles = m_initial;
}
