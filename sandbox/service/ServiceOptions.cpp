#include "ServiceOptions.h"

#include "PlainText.h"

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
        else
            ok = false;
        if (!ok) {
            error = "bad option " + name + " " + value;
            return false;
        }
    }
    return true;
}
