#include "ControlRoutes.h"

#include "HttpAnswer.h"
#include "PlainText.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/features/NormalJson.h"
#include "ScriptedAnswer.h"

namespace {

const char kControlPrefix[] = "/_sandbox/";

} // namespace

ControlRoutes::ControlRoutes(RequestLog& log, ScriptTable& scripts, std::function<void()> onReset,
                             ScriptFill fill)
    : m_log(log), m_scripts(scripts), m_onReset(std::move(onReset)), m_fill(std::move(fill))
{
}

bool ControlRoutes::isControl(const std::string& path)
{
    return startsWith(path, kControlPrefix);
}

void ControlRoutes::handle(const httplib::Request& req, httplib::Response& res)
{
    const std::string route = req.method + " " + req.path.substr(sizeof(kControlPrefix) - 1);
    if (route == "GET log") {
        res.set_content(toNormalString(m_log.entries()), "application/json");
    } else if (route == "POST reset") {
        m_log.clear();
        m_scripts.reset();
        if (m_onReset)
            m_onReset();
        HttpAnswer::codeAndMsg(res, 200, 0, "success");
    } else if (route == "POST script") {
        answerScriptInstall(req, res);
    } else {
        HttpAnswer::notFound(res);
    }
}

void ControlRoutes::answerScriptInstall(const httplib::Request& req, httplib::Response& res)
{
    Json::Value spec;
    std::string error = "script is not a JSON object";
    if (JsonRead::parse(req.body, spec) && spec.isObject() && (!m_fill || m_fill(spec, error)) &&
        m_scripts.install(spec, error))
        HttpAnswer::codeAndMsg(res, 200, 0, "success");
    else
        HttpAnswer::codeAndMsg(res, 400, 1, error);
}

bool ControlRoutes::logAndAnswerScript(Json::Value entry, const httplib::Request& req,
                                       httplib::Response& res)
{
    m_log.add(std::move(entry));
    const auto script = m_scripts.take(req.path);
    if (!script)
        return false;
    answerScript(*script, m_scripts, req, res);
    return true;
}
