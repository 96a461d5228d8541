#include "BrowserRoutes.h"

#include "HttpAnswer.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/features/NormalJson.h"

#include <map>
#include <utility>
#include <vector>

namespace {

using FieldRule = std::pair<const char*, Json::ValueType>;

// The members each route needs, and their types; a member of another type is missing.
const std::map<std::string, std::vector<FieldRule>>& routeFields()
{
    static const std::map<std::string, std::vector<FieldRule>> fields{
        {"/browser/list", {{"page", Json::intValue}, {"pageSize", Json::intValue}}},
        {"/browser/update",
         {{"browserFingerPrint", Json::objectValue},
          {"clearCookiesBeforeLaunch", Json::booleanValue},
          {"host", Json::stringValue},
          {"id", Json::stringValue},
          {"port", Json::intValue},
          {"proxyMethod", Json::intValue},
          {"proxyType", Json::stringValue}}},
        {"/browser/close", {{"id", Json::stringValue}}},
        {"/browser/open", {{"id", Json::stringValue}}},
    };
    return fields;
}

bool hasField(const Json::Value& body, const FieldRule& rule)
{
    const Json::Value& value = JsonRead::member(body, rule.first);
    if (rule.second == Json::intValue)
        return value.isInt();
    return value.type() == rule.second;
}

Json::Value refusal(const std::string& msg)
{
    Json::Value answer;
    answer["success"] = false;
    answer["msg"] = msg;
    return answer;
}

Json::Value success(Json::Value data)
{
    Json::Value answer;
    answer["success"] = true;
    answer["data"] = std::move(data);
    return answer;
}

Json::Value idData(const std::string& id)
{
    Json::Value data;
    data["id"] = id;
    return data;
}

} // namespace

BrowserRoutes::BrowserRoutes(ProfileStore& profiles, RequestLog& log, ScriptTable& scripts)
    : m_profiles(profiles), m_control(log, scripts, [this] { m_profiles.reset(); })
{
}

void BrowserRoutes::install(httplib::Server& server)
{
    const auto handler = [this](const httplib::Request& req, httplib::Response& res) {
        handle(req, res);
    };
    server.Get(".*", handler);
    server.Post(".*", handler);
    server.Put(".*", handler);
    server.Delete(".*", handler);
}

void BrowserRoutes::handle(const httplib::Request& req, httplib::Response& res)
{
    if (ControlRoutes::isControl(req.path)) {
        m_control.handle(req, res);
        return;
    }
    if (m_control.logAndAnswerScript(RequestLog::describe("browser", req, Json::Value()), req,
                                     res))
        return;
    const Json::Value reply = answer(req.path, req.body);
    if (reply.isNull())
        HttpAnswer::notFound(res);
    else
        res.set_content(toNormalString(reply), "application/json");
}

Json::Value BrowserRoutes::answer(const std::string& path, const std::string& text)
{
    if (path == "/health")
        return success("ok");
    const auto fields = routeFields().find(path);
    if (fields == routeFields().end())
        return Json::Value();
    Json::Value body;
    if (!JsonRead::parse(text, body, false) || !body.isObject())
        return refusal("the body is not a JSON object");
    for (const FieldRule& rule : fields->second) {
        if (!hasField(body, rule))
            return refusal(std::string("missing field ") + rule.first);
    }
    if (path == "/browser/list")
        return answerList(body);
    if (path == "/browser/update")
        return answerUpdate(body);
    return answerWindow(body);
}

Json::Value BrowserRoutes::answerList(const Json::Value& body) const
{
    Json::Value data;
    data["page"] = body["page"];
    data["pageSize"] = body["pageSize"];
    data["list"] = m_profiles.page(body["page"].asInt(), body["pageSize"].asInt());
    return success(data);
}

Json::Value BrowserRoutes::answerUpdate(const Json::Value& body)
{
    const std::string id = body["id"].asString();
    if (!m_profiles.contains(id))
        return refusal("unknown browser id " + id);
    m_profiles.applyUpdate(body);
    return success(idData(id));
}

// Closing and opening a window change nothing the list shows.
Json::Value BrowserRoutes::answerWindow(const Json::Value& body) const
{
    const std::string id = body["id"].asString();
    if (!m_profiles.contains(id))
        return refusal("unknown browser id " + id);
    return success(idData(id));
}
