#pragma once

#include "DeviceStore.h"
#include "ControlRoutes.h"
#include "FixtureStore.h"
#include "LinePool.h"
#include "RequestLog.h"
#include "ScriptTable.h"
#include "ServiceOptions.h"

#include <httplib.h>

#include <string>

// The route table both listeners share: control routes, scripts, signature check, files
// and fixtures, in that order.
class ServiceRoutes
{
public:
    ServiceRoutes(const ServiceOptions& options, const FixtureStore& fixtures, RequestLog& log,
                  ScriptTable& scripts);

    // Sends every request of `server` through the table, logged under `listener`.
    void install(httplib::Server& server, const std::string& listener);

private:
    void handle(const std::string& listener, const httplib::Request& req, httplib::Response& res);
    void answerRoute(const httplib::Request& req, const Json::Value& form, httplib::Response& res);
    void answerFixture(const std::string& name, httplib::Response& res);
    void resetState();
    bool fillFixtureBody(Json::Value& spec, std::string& error) const;

    const ServiceOptions& m_options;
    const FixtureStore& m_fixtures;
    LinePool m_lines;
    DeviceStore m_devices;
    ControlRoutes m_control;
};
