#include "LinePool.h"

#include "PublicModule/HttpCurl/features/Encryption.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <set>

namespace {

constexpr int kPoolSize = 120;
constexpr size_t kDefaultNum = 50;

struct Place
{
    const char* szCountry;
    const char* szState;
    const char* szCity;
    const char* szContinent;
};

// The catalogue fixtures' own codes, so a location chosen from them finds exits.
const Place kPlaces[] = {{"US", "CA", "LAX", "NA"},
                         {"US", "NY", "NYC", "NA"},
                         {"BR", "SP", "SAO", "SA"},
                         {"FR", "IDF", "PAR", "EU"}};
const char* const kIsps[] = {"att", "verizon", "bt", "telekom"};

const std::set<std::string> kPagedRoutes = {"/api/get_line_list", "/api/get_static_ip_list"};
const std::set<std::string> kWholeRoutes = {"/api/client/user_static",
                                            "/api/client/user_data_center"};
const char* const kStaticRoute = "/api/client/user_static";
// Static exits expire a day apart from 2027-01-01 on, so ordering by expiry shows.
constexpr Json::Int64 kFirstExpiry = 1798761600;
constexpr Json::Int64 kExpiryStep = 86400;

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool containsNoCase(const std::string& text, const std::string& part)
{
    return lower(text).find(lower(part)) != std::string::npos;
}

std::string field(const Json::Value& form, const char* szKey)
{
    return JsonRead::getString(form, szKey);
}

Json::Value listAnswer(Json::Value data)
{
    Json::Value answer;
    answer["code"] = 0;
    answer["msg"] = "success";
    answer["data"] = std::move(data);
    return answer;
}

} // namespace

LinePool::LinePool()
{
    for (int i = 0; i < kPoolSize; ++i) {
        const Place& place = kPlaces[i % 4];
        char szIp[32];
        std::snprintf(szIp, sizeof(szIp), "172.%d.%d.%d", 16 + i / 50, i % 50, 10 + i);
        char szSerial[16];
        std::snprintf(szSerial, sizeof(szSerial), "SN%04d", i + 1);
        Json::Value exit(Json::objectValue);
        exit["ip"] = szIp;
        exit["country"] = place.szCountry;
        exit["state"] = place.szState;
        exit["city"] = place.szCity;
        exit["continent"] = place.szContinent;
        exit["region"] = place.szState;
        exit["isp"] = kIsps[i % 4];
        exit["postal"] = std::to_string(10000 + i);
        exit["server"] = "127.0.0.1";
        exit["server_port"] = std::to_string(20000 + i);
        exit["sn"] = Encryption::GetInstance()->encode(szSerial);
        m_exits.push_back(exit);
        m_serials.emplace_back(szSerial);
    }
}

std::optional<Json::Value> LinePool::answer(const std::string& route, const Json::Value& form)
{
    if (kPagedRoutes.count(route))
        return listAnswer(page(route, form));
    if (kWholeRoutes.count(route))
        return listAnswer(whole(form, route == kStaticRoute));
    if (route == "/api/sn_is_exist")
        return listAnswer(serialStates(form));
    return std::nullopt;
}

void LinePool::reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_positions.clear();
}

std::vector<const Json::Value*> LinePool::filtered(const Json::Value& form) const
{
    std::vector<const Json::Value*> exits;
    for (const Json::Value& exit : m_exits) {
        bool bMatch = true;
        for (const char* szKey : {"country", "state", "city", "isp", "postal"})
            bMatch = bMatch && containsNoCase(exit[szKey].asString(), field(form, szKey));
        if (bMatch && containsNoCase(exit["ip"].asString(), field(form, "ip_part")))
            exits.push_back(&exit);
    }
    return exits;
}

Json::Value LinePool::page(const std::string& route, const Json::Value& form)
{
    const std::vector<const Json::Value*> exits = filtered(form);
    const long nAsked = std::strtol(field(form, "num").c_str(), nullptr, 10);
    const size_t nNum = nAsked > 0 ? static_cast<size_t>(nAsked) : kDefaultNum;
    std::string key = route + "|" + field(form, "user");
    for (const char* szKey : {"country", "state", "city", "isp", "postal", "ip_part"})
        key += "|" + field(form, szKey);

    std::lock_guard<std::mutex> lock(m_mutex);
    size_t& nPosition = m_positions[key];
    Json::Value data(Json::arrayValue);
    if (nPosition >= exits.size()) {
        nPosition = 0;
        return data;
    }
    const size_t nEnd = std::min(exits.size(), nPosition + nNum);
    for (size_t i = nPosition; i < nEnd; ++i) {
        Json::Value exit = *exits[i];
        exit["ip_time_type"] = field(form, "ip_time_type");
        data.append(exit);
    }
    nPosition = nEnd;
    return data;
}

Json::Value LinePool::whole(const Json::Value& form, bool bStatic) const
{
    Json::Value data(Json::arrayValue);
    for (const Json::Value* pExit : filtered(form)) {
        Json::Value exit = *pExit;
        exit["ip_time_type"] = field(form, "ip_time_type");
        if (bStatic)
            exit["expire_time"] =
                Json::Int64(kFirstExpiry + kExpiryStep * (pExit - m_exits.data()));
        data.append(exit);
    }
    return data;
}

Json::Value LinePool::serialStates(const Json::Value& form) const
{
    Json::Value data(Json::arrayValue);
    const std::string text = field(form, "sn");
    size_t nStart = 0;
    while (nStart <= text.size() && !text.empty()) {
        const size_t nComma = std::min(text.find(',', nStart), text.size());
        const std::string serial = text.substr(nStart, nComma - nStart);
        Json::Value state;
        state["sn"] = serial;
        state["exist"] =
            std::find(m_serials.begin(), m_serials.end(), serial) != m_serials.end() ? 1 : 0;
        data.append(state);
        nStart = nComma + 1;
    }
    return data;
}
