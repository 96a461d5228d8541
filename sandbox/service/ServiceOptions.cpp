#include "ServiceOptions.h"

#include "OptionPairs.h"
#include "PlainText.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

std::string catalogueFolder(const ServiceOptions& options)
{
    return options.fixturesDir + "-" + options.catalogue;
}

// A set name is a plain folder suffix, so it cannot point outside the service's folder.
bool isSetName(const std::string& name)
{
    return !name.empty() && std::all_of(name.begin(), name.end(), [](unsigned char c) {
        return std::isalnum(c) || c == '_' || c == '-';
    });
}

bool checkCatalogue(const ServiceOptions& options, std::string& error)
{
    if (options.catalogue.empty() || isGeneratedCatalogue(options))
        return true;
    std::error_code ec;
    if (isSetName(options.catalogue) && std::filesystem::is_directory(catalogueFolder(options), ec))
        return true;
    error = "no catalogue set " + options.catalogue + " (no folder " + catalogueFolder(options) +
            ")";
    return false;
}

} // namespace

bool isGeneratedCatalogue(const ServiceOptions& options)
{
    return options.catalogue == kGeneratedCatalogue;
}

bool parseServiceOptions(int argc, char** argv, ServiceOptions& out, std::string& error)
{
    const auto apply = [&out](const std::string& name, const std::string& value) {
        if (name == "--api-port")
            return parseBoundedInt(value, 0, 65535, out.apiPort);
        if (name == "--res-port")
            return parseBoundedInt(value, 0, 65535, out.resPort);
        if (name == "--socks-port")
            return parseBoundedInt(value, 0, 65535, out.socksPort);
        if (name == "--fixtures")
            out.fixturesDir = value;
        else if (name == "--files")
            out.filesDir = value;
        else if (name == "--catalogue")
            out.catalogue = value;
        else
            return false;
        return true;
    };
    return parseOptionPairs(argc, argv, apply, error) && checkCatalogue(out, error);
}

std::vector<std::string> fixtureFolders(const ServiceOptions& options)
{
    std::vector<std::string> folders;
    if (!options.catalogue.empty() && !isGeneratedCatalogue(options))
        folders.push_back(catalogueFolder(options));
    folders.push_back(options.fixturesDir);
    folders.push_back(options.generatedDir);
    return folders;
}
