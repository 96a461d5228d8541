#pragma once

#include <json/json.h>

#include <optional>
#include <string>
#include <vector>

// The fixture files behind the service's routes. A fixture is named by its path from a
// fixture folder without ".json" ("/api/socks/login"); the folders are searched in order,
// so an earlier one (a catalogue set) overrides a later one (the generated fixtures).
class FixtureStore
{
public:
    // apiBase and resBase replace "{{api}}" and "{{res}}" in every fixture text.
    FixtureStore(std::vector<std::string> dirs, std::string apiBase, std::string resBase);

    // The fixture's text with the base addresses filled in; nothing when no folder has it.
    std::optional<std::string> text(const std::string& name) const;

    // The fixture answering a request to `route`: the first rule of "route.rules.json" that
    // the method and the form fields match names it, otherwise the route itself.
    std::string choose(const std::string& route, const std::string& method,
                       const Json::Value& form) const;

private:
    std::optional<std::string> read(const std::string& name) const;

    std::vector<std::string> m_dirs;
    std::string m_apiBase;
    std::string m_resBase;
};
