#pragma once

#include "FixtureStore.h"

#include <json/json.h>

#include <mutex>
#include <optional>
#include <string>
#include <vector>

// The account's devices and their line history as the stand-in keeps them between
// requests: loaded from the fixtures, changed by the three device saves and the history
// uploads, loaded again on reset. Safe from any thread.
class DeviceStore
{
public:
    explicit DeviceStore(const FixtureStore& fixtures);

    // The answer of a device or device history route; nothing for any other request.
    std::optional<Json::Value> answer(const std::string& route, const Json::Value& form);
    void reset();

private:
    Json::Value deviceList() const;
    Json::Value saveDevice(const Json::Value& form);
    Json::Value saveSessionId(const Json::Value& form);
    Json::Value batchSaveDevice(const Json::Value& form);
    Json::Value saveHistory(const Json::Value& form);
    Json::Value history() const;
    Json::Value* device(const std::string& serial);

    const FixtureStore& m_fixtures;
    std::mutex m_mutex;
    std::vector<Json::Value> m_devices; // in the fixture's order
    std::vector<Json::Value> m_history;
};
