#pragma once

#include <json/json.h>

#include <string>

// The compact JSON text of a value, the program's own writer standing beside
// the system JsonCpp: objects without any blank or line break and with members in key
// order (as Json::Value keeps them); arrays in JsonCpp's StyledWriter array layout
// (right margin 74, indent size 3); reals with %.17g and no ".0"; non-ASCII bytes
// unescaped; other control bytes as \u00XX (upper-case hex); no line feed at the end.
// Holds no shared state: safe on any thread.
std::string toNormalString(const Json::Value& value);
