#include "DeviceStore.h"

#include "PublicModule/HttpCurl/features/Encryption.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/features/NormalJson.h"

#include <cstdlib>
#include <sstream>

namespace {

const char kDeviceFixture[] = "/api/client/get_device_list";
const char kHistoryFixture[] = "/api/client/get_todaylist.device";
const char kHistoryType[] = "2";

// What a save may change on a device; "proxy_status" is kept as a number.
const char* const kDeviceFields[] = {"remark",    "out_ip",   "country_code", "st_code",
                                     "city_code", "ip_sn",    "server_ip",    "session_id",
                                     "isp_code",  "zip_code", "continent",    "pc_extra"};

Json::Value answerOf(int code, const std::string& msg)
{
    Json::Value answer;
    answer["code"] = code;
    answer["msg"] = msg;
    return answer;
}

// The fields of `source` a save sent, written into the device.
void applyFields(Json::Value& device, const Json::Value& source)
{
    for (const char* szKey : kDeviceFields) {
        if (source.isMember(szKey))
            device[szKey] = JsonRead::toText(source[szKey]);
    }
    if (source.isMember("proxy_status"))
        device["proxy_status"] = std::atoi(JsonRead::toText(source["proxy_status"]).c_str());
}

Json::Value fixtureArray(const FixtureStore& fixtures, const char* szName)
{
    Json::Value answer;
    const std::optional<std::string> text = fixtures.text(szName);
    if (!text || !JsonRead::parse(*text, answer))
        return Json::Value(Json::arrayValue);
    const Json::Value& retData = JsonRead::member(answer, "ret_data");
    return retData.isArray() ? retData : JsonRead::getArray(retData, "list");
}

// Fixture history rows hold their line as an object for reading; the service keeps it as
// encoded text, its "sn" encoded too.
Json::Value storedHistoryRow(Json::Value row)
{
    Json::Value& line = row["line"];
    if (!line.isObject())
        return row;
    Encryption* pEncoder = Encryption::GetInstance();
    if (line["sn"].isString())
        line["sn"] = pEncoder->encode(line["sn"].asString());
    line = pEncoder->encode(toNormalString(line));
    return row;
}

Json::Value parsedData(const Json::Value& form)
{
    Json::Value data;
    JsonRead::parse(JsonRead::getString(form, "data"), data);
    return data;
}

std::vector<std::string> splitSerials(const std::string& text)
{
    std::vector<std::string> serials;
    std::istringstream in(text);
    for (std::string serial; std::getline(in, serial, ',');)
        serials.push_back(serial);
    return serials;
}

} // namespace

DeviceStore::DeviceStore(const FixtureStore& fixtures) : m_fixtures(fixtures)
{
    reset();
}

void DeviceStore::reset()
{
    std::vector<Json::Value> devices;
    for (const Json::Value& device : fixtureArray(m_fixtures, kDeviceFixture))
        devices.push_back(device);
    std::vector<Json::Value> history;
    for (const Json::Value& row : fixtureArray(m_fixtures, kHistoryFixture))
        history.push_back(storedHistoryRow(row));
    std::lock_guard<std::mutex> lock(m_mutex);
    m_devices = std::move(devices);
    m_history = std::move(history);
}

std::optional<Json::Value> DeviceStore::answer(const std::string& route, const Json::Value& form)
{
    const bool bHistory = JsonRead::getString(form, "type") == kHistoryType;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (route == "/api/client/get_device_list")
        return deviceList();
    if (route == "/api/client/save_device")
        return saveDevice(form);
    if (route == "/api/client/save_session_id")
        return saveSessionId(form);
    if (route == "/api/client/batch_save_device")
        return batchSaveDevice(form);
    if (route == "/api/client/batch_save_todaylist" && bHistory)
        return saveHistory(form);
    if (route == "/api/client/get_todaylist" && bHistory)
        return history();
    return std::nullopt;
}

Json::Value* DeviceStore::device(const std::string& serial)
{
    for (Json::Value& device : m_devices) {
        if (JsonRead::getString(device, "device_sn") == serial)
            return &device;
    }
    return nullptr;
}

Json::Value DeviceStore::deviceList() const
{
    Json::Value answer = answerOf(0, "success");
    Json::Value& list = answer["ret_data"]["list"] = Json::Value(Json::arrayValue);
    for (const Json::Value& device : m_devices)
        list.append(device);
    return answer;
}

// One device or a comma-joined batch; the fields sent are the change.
Json::Value DeviceStore::saveDevice(const Json::Value& form)
{
    int nSaved = 0;
    for (const std::string& serial : splitSerials(JsonRead::getString(form, "device_sn"))) {
        if (Json::Value* pDevice = device(serial)) {
            applyFields(*pDevice, form);
            ++nSaved;
        }
    }
    return nSaved > 0 ? answerOf(0, "success") : answerOf(1, "device not found");
}

// One line for every device of "data": the line's fields from the form, each device's own
// "session_id" from its element.
Json::Value DeviceStore::saveSessionId(const Json::Value& form)
{
    const Json::Value data = parsedData(form);
    if (!data.isArray())
        return answerOf(1, "data is not a list");
    for (const Json::Value& element : data) {
        if (Json::Value* pDevice = device(JsonRead::getString(element, "device_sn"))) {
            applyFields(*pDevice, form);
            (*pDevice)["session_id"] = JsonRead::getString(element, "session_id");
        }
    }
    return answerOf(0, "success");
}

// A line of its own for every device of "data"; "pc_extra" from the form.
Json::Value DeviceStore::batchSaveDevice(const Json::Value& form)
{
    const Json::Value data = parsedData(form);
    if (!data.isArray())
        return answerOf(1, "data is not a list");
    for (const Json::Value& element : data) {
        if (Json::Value* pDevice = device(JsonRead::getString(element, "device_sn"))) {
            applyFields(*pDevice, element);
            (*pDevice)["pc_extra"] = JsonRead::getString(form, "pc_extra");
        }
    }
    return answerOf(0, "success");
}

// Uploaded lines replace the rows of the same "session" and join the history.
Json::Value DeviceStore::saveHistory(const Json::Value& form)
{
    const Json::Value data = parsedData(form);
    if (!data.isArray())
        return answerOf(1, "data is not a list");
    for (const Json::Value& element : data) {
        const std::string session = JsonRead::getString(element, "session");
        if (!element.isObject() || session.empty())
            continue;
        bool bReplaced = false;
        for (Json::Value& row : m_history) {
            if (JsonRead::getString(row, "session") == session) {
                row = element;
                bReplaced = true;
            }
        }
        if (!bReplaced)
            m_history.push_back(element);
    }
    return answerOf(0, "success");
}

Json::Value DeviceStore::history() const
{
    Json::Value answer = answerOf(0, "success");
    answer["ret_data"] = Json::Value(Json::arrayValue);
    for (const Json::Value& row : m_history)
        answer["ret_data"].append(row);
    return answer;
}
