#include "ScriptedAnswer.h"

#include "ConnectionAbort.h"
#include "PublicModule/HttpCurl/features/NormalJson.h"

#include <functional>
#include <map>
#include <memory>

namespace {

constexpr size_t kLargeAnswerBytes = 20 * 1024 * 1024;
constexpr size_t kTruncatedShortfall = 1024;

// A JSON text is sent as it is; any other JSON value in its compact text.
std::string bodyText(const Json::Value& body)
{
    if (body.isNull())
        return std::string();
    return body.isString() ? body.asString() : toNormalString(body);
}

void answerBody(const Script& script, httplib::Response& res, int status)
{
    res.status = status;
    res.set_content(bodyText(script.body),
                    script.body.isString() ? "text/plain" : "application/json");
}

// Announces more bytes than it sends; the library closes the connection when the
// provider gives up.
void answerTruncated(const Script& script, httplib::Response& res)
{
    std::string text = bodyText(script.body);
    if (text.empty())
        text = R"({"code":0,"msg":"success","data":{"list":[)";
    auto sent = std::make_shared<bool>(false);
    res.set_content_provider(text.size() + kTruncatedShortfall, "application/json",
                             [text, sent](size_t, size_t, httplib::DataSink& sink) {
                                 if (*sent)
                                     return false;
                                 *sent = true;
                                 sink.write(text.data(), text.size());
                                 return true;
                             });
}

void answerLarge(httplib::Response& res)
{
    const std::string head = R"({"code":0,"msg":"success","data":{"blob":")";
    const std::string tail = R"("}})";
    std::string text = head;
    text.append(kLargeAnswerBytes - head.size() - tail.size(), 'x');
    text += tail;
    res.set_content(std::move(text), "application/json");
}

using ModeAnswer =
    std::function<void(const Script&, ScriptTable&, const httplib::Request&, httplib::Response&)>;

const std::map<std::string, ModeAnswer>& modeAnswers()
{
    static const std::map<std::string, ModeAnswer> answers{
        {"body", [](const Script& s, ScriptTable&, const httplib::Request&,
                    httplib::Response& res) { answerBody(s, res, 200); }},
        {"status", [](const Script& s, ScriptTable&, const httplib::Request&,
                      httplib::Response& res) { answerBody(s, res, s.status); }},
        {"hang",
         [](const Script&, ScriptTable& scripts, const httplib::Request& req, httplib::Response&) {
             scripts.hold(-1);
             abortConnection(req);
         }},
        {"close", [](const Script&, ScriptTable&, const httplib::Request& req,
                     httplib::Response&) { abortConnection(req); }},
        {"nonjson",
         [](const Script&, ScriptTable&, const httplib::Request&, httplib::Response& res) {
             res.set_content("<html>not json</html>", "text/html");
         }},
        {"404",
         [](const Script&, ScriptTable&, const httplib::Request&, httplib::Response& res) {
             res.set_content("404 page not found", "text/plain");
         }},
        {"truncated", [](const Script& s, ScriptTable&, const httplib::Request&,
                         httplib::Response& res) { answerTruncated(s, res); }},
        {"large", [](const Script&, ScriptTable&, const httplib::Request&,
                     httplib::Response& res) { answerLarge(res); }},
    };
    return answers;
}

} // namespace

bool isScriptMode(const std::string& mode)
{
    return modeAnswers().count(mode) > 0;
}

void answerScript(const Script& script, ScriptTable& scripts, const httplib::Request& req,
                  httplib::Response& res)
{
    // A reset or shutdown during the delay drops the request unanswered.
    if (script.delayMs > 0 && scripts.hold(script.delayMs)) {
        abortConnection(req);
        return;
    }
    const auto it = modeAnswers().find(script.mode);
    if (it != modeAnswers().end())
        it->second(script, scripts, req, res);
}
