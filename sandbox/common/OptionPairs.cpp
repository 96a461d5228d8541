#include "OptionPairs.h"

bool parseOptionPairs(int argc, char** argv, const OptionApply& apply, std::string& error)
{
    for (int i = 1; i < argc; i += 2) {
        const std::string name = argv[i];
        if (i + 1 >= argc) {
            error = "missing value for " + name;
            return false;
        }
        const std::string value = argv[i + 1];
        if (!apply(name, value)) {
            error = "bad option " + name + " " + value;
            return false;
        }
    }
    return true;
}
