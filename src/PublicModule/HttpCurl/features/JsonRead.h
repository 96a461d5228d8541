#pragma once

#include <json/json.h>

#include <cstdint>
#include <string>

// Type-tolerant access to JSON that comes from outside (answers, datagrams, files).
// JsonCpp throws when a value is read as the wrong type; these never do: a member of
// the wrong type reads as missing and yields the given default.
namespace JsonRead {

// Parses text; false (and a null `out`) on malformed input or nesting deeper than 64 levels.
// Comments are skipped when allowed and never kept in `out`. Never throws.
bool parse(const std::string& text, Json::Value& out, bool allowComments = true);

// The member `key` of an object; a null value when `v` is not an object or lacks it.
const Json::Value& member(const Json::Value& v, const char* key);

// Scalars of the expected type only; anything else gives the default.
int toInt(const Json::Value& v, int def = 0);
std::int64_t toInt64(const Json::Value& v, std::int64_t def = 0);
double toDouble(const Json::Value& v, double def = 0.0);
bool toBool(const Json::Value& v, bool def = false);
std::string toString(const Json::Value& v, const std::string& def = std::string());
// Any scalar in its text form (a string unchanged, a number in decimal, a boolean as
// "true"/"false"); null, arrays and objects give the default.
std::string toText(const Json::Value& v, const std::string& def = std::string());

int getInt(const Json::Value& obj, const char* key, int def = 0);
std::int64_t getInt64(const Json::Value& obj, const char* key, std::int64_t def = 0);
double getDouble(const Json::Value& obj, const char* key, double def = 0.0);
bool getBool(const Json::Value& obj, const char* key, bool def = false);
std::string getString(const Json::Value& obj, const char* key,
                      const std::string& def = std::string());
std::string getText(const Json::Value& obj, const char* key,
                    const std::string& def = std::string());
// The member when it is an array (or object); otherwise an empty one of that kind.
Json::Value getArray(const Json::Value& obj, const char* key);
Json::Value getObject(const Json::Value& obj, const char* key);

} // namespace JsonRead
