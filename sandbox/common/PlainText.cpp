#include "PlainText.h"

#include <algorithm>
#include <cctype>

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

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}
