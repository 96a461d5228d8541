#pragma once

#include "ControlRoutes.h"
#include "ProfileStore.h"

#include <httplib.h>
#include <json/json.h>

#include <string>

// The browser's local API: "/health" and "/browser/list|update|close|open", each answering
// {"success", "msg", "data"}, after the control routes and any scripted answer.
class BrowserRoutes
{
public:
    BrowserRoutes(ProfileStore& profiles, RequestLog& log, ScriptTable& scripts);

    void install(httplib::Server& server);

private:
    void handle(const httplib::Request& req, httplib::Response& res);
    // The answer to a browser route's body; null for a path that is no route.
    Json::Value answer(const std::string& path, const std::string& body);
    Json::Value answerList(const Json::Value& body) const;
    Json::Value answerUpdate(const Json::Value& body);
    Json::Value answerWindow(const Json::Value& body) const;

    ProfileStore& m_profiles;
    ControlRoutes m_control;
};
