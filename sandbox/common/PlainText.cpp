#include "PlainText.h"

bool parseBoundedInt(const std::string& text, int min, int max, int& value)
{
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const int parsed = std::stoi(text);
    if (parsed < min || parsed > max)
        return false;
    value = parsed;
    return true;
}
