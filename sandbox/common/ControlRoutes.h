#pragma once

#include "RequestLog.h"
#include "ScriptTable.h"

#include <httplib.h>
#include <json/json.h>

#include <functional>
#include <string>

// The routes under /_sandbox/ through which tests read a stand-in's request log
// (GET log), clear it with every script (POST reset) and script faults (POST script).
class ControlRoutes
{
public:
    // Completes a script before it is queued (a stand-in may name a body by reference);
    // false with a reason refuses it.
    using ScriptFill = std::function<bool(Json::Value& spec, std::string& error)>;

    // onReset clears what the stand-in keeps besides the log and the scripts.
    ControlRoutes(RequestLog& log, ScriptTable& scripts, std::function<void()> onReset = {},
                  ScriptFill fill = {});

    static bool isControl(const std::string& path);

    // Answers a control request: its answer, or 404 for a control path that is none.
    void handle(const httplib::Request& req, httplib::Response& res);

    // Logs a request of the stand-in's own routes; when a script is queued for its path,
    // answers it the script's way (a script stands for the whole stand-in, so it comes
    // before any check) and returns true.
    bool logAndAnswerScript(Json::Value entry, const httplib::Request& req,
                            httplib::Response& res);

private:
    void answerScriptInstall(const httplib::Request& req, httplib::Response& res);

    RequestLog& m_log;
    ScriptTable& m_scripts;
    std::function<void()> m_onReset;
    ScriptFill m_fill;
};
