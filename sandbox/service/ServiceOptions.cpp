#include "ServiceOptions.h"

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
    for (int i = 1; i < argc; i += 2) {
        const std::string name = argv[i];
        if (i + 1 >= argc) {
            error = "missing value for " + name;
            return false;
        }
        const std::string value = argv[i + 1];
        bool ok = true;
        if (name == "--api-port")
            ok = parseBoundedInt(value, 0, 65535, out.apiPort);
        else if (name == "--res-port")
            ok = parseBoundedInt(value, 0, 65535, out.resPort);
        else if (name == "--socks-port")
            ok = parseBoundedInt(value, 0, 65535, out.socksPort);
        else if (name == "--fixtures")
            out.fixturesDir = value;
        else if (name == "--files")
            out.filesDir = value;
        else if (name == "--catalogue")
            out.catalogue = value;
        else
            ok = false;
        if (!ok) {
            error = "bad option " + name + " " + value;
            return false;
        }
    }
    return checkCatalogue(out, error);
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
