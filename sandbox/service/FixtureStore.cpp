#include "FixtureStore.h"

#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "StaticAnswer.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

void replaceAll(std::string& text, const std::string& from, const std::string& to)
{
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// A rule matches when every condition it gives holds: "method" equal, and each field of
// "form" sent with exactly that text.
bool matches(const Json::Value& rule, const std::string& method, const Json::Value& form)
{
    if (!rule.isObject())
        return false;
    const Json::Value& wantedMethod = JsonRead::member(rule, "method");
    if (!wantedMethod.isNull() && JsonRead::toText(wantedMethod) != method)
        return false;
    const Json::Value wantedForm = JsonRead::getObject(rule, "form");
    for (const std::string& field : wantedForm.getMemberNames()) {
        const Json::Value& sent = JsonRead::member(form, field.c_str());
        if (sent.isNull() || JsonRead::toText(sent) != JsonRead::toText(wantedForm[field]))
            return false;
    }
    return true;
}

} // namespace

FixtureStore::FixtureStore(std::vector<std::string> dirs, std::string apiBase, std::string resBase)
    : m_dirs(std::move(dirs)), m_apiBase(std::move(apiBase)), m_resBase(std::move(resBase))
{
}

std::optional<std::string> FixtureStore::read(const std::string& name) const
{
    if (name.empty() || name[0] != '/' || !StaticAnswer::isSafeRelative(name))
        return std::nullopt;
    for (const std::string& dir : m_dirs) {
        const std::string path = dir + name + ".json";
        std::error_code ec;
        if (!std::filesystem::is_regular_file(path, ec))
            continue;
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    return std::nullopt;
}

std::optional<std::string> FixtureStore::text(const std::string& name) const
{
    std::optional<std::string> text = read(name);
    if (text) {
        replaceAll(*text, "{{api}}", m_apiBase);
        replaceAll(*text, "{{res}}", m_resBase);
    }
    return text;
}

std::string FixtureStore::choose(const std::string& route, const std::string& method,
                                 const Json::Value& form) const
{
    Json::Value rules;
    const std::optional<std::string> rulesText = read(route + ".rules");
    if (!rulesText || !JsonRead::parse(*rulesText, rules) || !rules.isArray())
        return route;
    for (const Json::Value& rule : rules) {
        if (matches(rule, method, form))
            return JsonRead::getString(rule, "fixture");
    }
    return route;
}
