#pragma once

#include <string>
#include <string_view>

// Small text checks the stand-ins share.

// Decimal text in [min, max] only (no sign, no spaces, no trailing characters). value is left
// alone on failure.
bool parseBoundedInt(const std::string& text, int min, int max, int& value);

// ASCII letters in lower case (HTTP names compare without case).
std::string lowerCase(std::string text);

bool startsWith(std::string_view text, std::string_view prefix);
