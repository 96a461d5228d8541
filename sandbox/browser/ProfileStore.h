#pragma once

#include <json/json.h>

#include <mutex>
#include <string>

// The browser's profiles (windows): objects with at least a text "id", and "seq" and "name"
// as the list shows them. Proxy settings that an update sends are kept in the profile.
class ProfileStore
{
public:
    // The profiles a reset restores.
    explicit ProfileStore(Json::Value profiles);

    // Three profiles: a named one, one without a name and one with a non-ASCII name.
    static Json::Value builtIn();
    // A file holding a JSON array of objects, each with a distinct, non-empty text "id".
    // False with a reason for anything else.
    static bool load(const std::string& path, Json::Value& out, std::string& error);

    // One page (from 0) of pageSize profiles.
    Json::Value page(int page, int pageSize) const;
    bool contains(const std::string& id) const;
    // Stores the proxy members of an update in the profile it names.
    void applyUpdate(const Json::Value& update);
    void reset();

private:
    const Json::Value m_initial;
    mutable std::mutex m_mutex;
    Json::Value m_profiles;
};
