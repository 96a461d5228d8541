#include "ServiceRoutes.h"

#include "CatalogueGenerator.h"
#include "HttpAnswer.h"
#include "PlainText.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/features/NormalJson.h"
#include "RequestSign.h"
#include "StaticAnswer.h"

namespace {

const char kFilesPrefix[] = "/files/";
const char kRedirectPrefix[] = "/redirect/";

// Variants ("login.refused") and rules files are fixtures, never routes of their own.
bool isVariantName(const std::string& path)
{
    return path.find('.', path.rfind('/') + 1) != std::string::npos;
}

// The generated catalogue's answer for a catalogue route; null for any other route.
const std::string* generatedCatalogue(const std::string& path)
{
    const CatalogueGenerator::Texts& texts = CatalogueGenerator::texts();
    if (path == "/api/get_area_list_v2" || path == "/api/get_static_area_list")
        return &texts.area;
    if (path == "/api/get_isp_list" || path == "/api/get_static_isp_list")
        return &texts.isp;
    if (path == "/api/get_zip_list" || path == "/api/get_static_zip_list")
        return &texts.zip;
    return nullptr;
}

} // namespace

ServiceRoutes::ServiceRoutes(const ServiceOptions& options, const FixtureStore& fixtures,
                             RequestLog& log, ScriptTable& scripts)
    : m_options(options), m_fixtures(fixtures), m_devices(fixtures),
      m_control(log, scripts, [this] { resetState(); },
                [this](Json::Value& spec, std::string& error) {
                    return fillFixtureBody(spec, error);
                })
{
    if (isGeneratedCatalogue(m_options))
        CatalogueGenerator::texts(); // built before the first request waits on it
}

void ServiceRoutes::install(httplib::Server& server, const std::string& listener)
{
    const auto handler = [this, listener](const httplib::Request& req, httplib::Response& res) {
        handle(listener, req, res);
    };
    server.Get(".*", handler);
    server.Post(".*", handler);
    server.Put(".*", handler);
    server.Patch(".*", handler);
    server.Delete(".*", handler);
    server.Options(".*", handler);
}

void ServiceRoutes::handle(const std::string& listener, const httplib::Request& req,
                           httplib::Response& res)
{
    if (ControlRoutes::isControl(req.path)) {
        m_control.handle(req, res);
        return;
    }
    const Json::Value signOk = RequestSign::checkSign(req);
    const Json::Value entry = RequestLog::describe(listener, req, signOk);
    if (m_control.logAndAnswerScript(entry, req, res))
        return;
    if (signOk.isBool() && !signOk.asBool()) {
        HttpAnswer::codeAndMsg(res, 200, 4001, "bad sign");
        return;
    }
    answerRoute(req, entry["form"], res);
}

void ServiceRoutes::answerRoute(const httplib::Request& req, const Json::Value& form,
                                httplib::Response& res)
{
    if (startsWith(req.path, kFilesPrefix))
        StaticAnswer::file(m_options.filesDir, req.path.substr(sizeof(kFilesPrefix) - 1), req, res);
    else if (startsWith(req.path, kRedirectPrefix))
        StaticAnswer::redirectToFile(req.path.substr(sizeof(kRedirectPrefix) - 1), req, res);
    else if (isVariantName(req.path))
        HttpAnswer::notFound(res);
    else if (const auto lines = m_lines.answer(req.path, form))
        res.set_content(toNormalString(*lines), "application/json");
    else if (const auto devices = m_devices.answer(req.path, form))
        res.set_content(toNormalString(*devices), "application/json");
    else if (const std::string* catalogue =
                 isGeneratedCatalogue(m_options) ? generatedCatalogue(req.path) : nullptr)
        res.set_content(*catalogue, "application/json");
    else
        answerFixture(m_fixtures.choose(req.path, req.method, form), res);
}

void ServiceRoutes::answerFixture(const std::string& name, httplib::Response& res)
{
    if (const auto text = m_fixtures.text(name))
        res.set_content(*text, "application/json");
    else
        HttpAnswer::notFound(res);
}

// What a reset restores besides the log and the scripts.
void ServiceRoutes::resetState()
{
    m_lines.reset();
    m_devices.reset();
}

// A script naming a "fixture" answers that fixture's JSON as its body.
bool ServiceRoutes::fillFixtureBody(Json::Value& spec, std::string& error) const
{
    if (!spec.isMember("fixture"))
        return true;
    const std::string name = JsonRead::getString(spec, "fixture");
    const std::optional<std::string> text = m_fixtures.text(name);
    if (!text || !JsonRead::parse(*text, spec["body"])) {
        error = "no JSON fixture " + name;
        return false;
    }
    return true;
}
