#include "ServiceOptions.h"

#include <cstdlib>

namespace {

bool parsePort(const std::string& text, int& port)
{
    if (text.empty() || text.size() > 5 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    port = std::atoi(text.c_str());
    return port <= 65535;
}

} // namespace

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
            ok = parsePort(value, out.apiPort);
        else if (name == "--res-port")
            ok = parsePort(value, out.resPort);
        else if (name == "--socks-port")
            ok = parsePort(value, out.socksPort);
        else if (name == "--fixtures")
            out.fixturesDir = value;
        else if (name == "--files")
            out.filesDir = value;
        else
            ok = false;
        if (!ok) {
            error = "bad option " + name + " " + value;
            return false;
        }
    }
    return true;
}
