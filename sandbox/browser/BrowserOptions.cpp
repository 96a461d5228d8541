#include "BrowserOptions.h"

#include "PlainText.h"

bool parseBrowserOptions(int argc, char** argv, BrowserOptions& out, std::string& error)
{
    for (int i = 1; i < argc; i += 2) {
        const std::string name = argv[i];
        if (i + 1 >= argc) {
            error = "missing value for " + name;
            return false;
        }
        const std::string value = argv[i + 1];
        bool ok = true;
        if (name == "--port")
            ok = parseBoundedInt(value, 0, 65535, out.port);
        else if (name == "--profiles")
            out.profilesFile = value;
        else if (name == "--config-home")
            out.configHome = value;
        else
            ok = false;
        if (!ok) {
            error = "bad option " + name + " " + value;
            return false;
        }
    }
    return true;
}
