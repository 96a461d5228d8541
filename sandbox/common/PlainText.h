#pragma once

#include <string>

// Small text checks the stand-ins share.

// Decimal text in [min, max] only (no sign, no spaces, no trailing characters). value is left
// alone on failure.
bool parseBoundedInt(const std::string& text, int min, int max, int& value);
