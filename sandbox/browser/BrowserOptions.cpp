#include "BrowserOptions.h"

#include "OptionPairs.h"
#include "PlainText.h"

bool parseBrowserOptions(int argc, char** argv, BrowserOptions& out, std::string& error)
{
    const auto apply = [&out](const std::string& name, const std::string& value) {
        if (name == "--port")
            return parseBoundedInt(value, 0, 65535, out.port);
        if (name == "--profiles")
            out.profilesFile = value;
        else if (name == "--config-home")
            out.configHome = value;
        else
            return false;
        return true;
    };
    return parseOptionPairs(argc, argv, apply, error);
}
