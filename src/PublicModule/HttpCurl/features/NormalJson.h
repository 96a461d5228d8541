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

// The text between "[" and "\n]" that toNormalString gives an array laid out over lines
// (one of 25 or more elements, or holding a non-empty array or object), appended to `out`
// for some of its elements at a time: each element after a comma (unless `bFirst`: the
// array's first), a line feed and three blanks.
void appendNormalLines(std::string& out, const Json::Value& elements, bool bFirst);
