#include "JsonRead.h"

#include <limits>
#include <memory>
#include <sstream>

namespace JsonRead {

namespace {

// Deeper than any answer, datagram or file of ours; a deeper text is refused at once
// instead of taking seconds and megabytes to read.
constexpr int kMaxDepth = 64;

// Comments are skipped, never kept: a kept comment would reach files written from the value.
std::unique_ptr<Json::CharReader> newReader(bool allowComments)
{
    Json::CharReaderBuilder builder;
    builder["collectComments"] = false;
    builder["allowComments"] = allowComments;
    builder["stackLimit"] = kMaxDepth;
    return std::unique_ptr<Json::CharReader>(builder.newCharReader());
}

// Building a reader costs a good part of parsing a short answer, so each thread keeps one
// for each comment setting.
Json::CharReader& reader(bool allowComments)
{
    thread_local const std::unique_ptr<Json::CharReader> withComments = newReader(true);
    thread_local const std::unique_ptr<Json::CharReader> withoutComments = newReader(false);
    return allowComments ? *withComments : *withoutComments;
}

} // namespace

bool parse(const std::string& text, Json::Value& out, bool allowComments)
{
    out = Json::Value();
    std::string errors;
    try {
        if (reader(allowComments).parse(text.data(), text.data() + text.size(), &out, &errors))
            return true;
    } catch (const std::exception&) {
        // Too deeply nested or otherwise hostile input: treat as malformed.
    }
    out = Json::Value();
    return false;
}

const Json::Value& member(const Json::Value& v, const char* key)
{
    static const Json::Value null;
    if (!v.isObject())
        return null;
    const Json::Value* found = v.find(key, key + std::char_traits<char>::length(key));
    return found ? *found : null;
}

int toInt(const Json::Value& v, int def)
{
    if (v.isInt())
        return v.asInt();
    if (v.isUInt() && v.asUInt() <= static_cast<unsigned>(std::numeric_limits<int>::max()))
        return static_cast<int>(v.asUInt());
    return def;
}

std::int64_t toInt64(const Json::Value& v, std::int64_t def)
{
    if (v.isInt64())
        return v.asInt64();
    return def;
}

double toDouble(const Json::Value& v, double def)
{
    return v.isNumeric() && !v.isBool() ? v.asDouble() : def;
}

bool toBool(const Json::Value& v, bool def)
{
    return v.isBool() ? v.asBool() : def;
}

std::string toString(const Json::Value& v, const std::string& def)
{
    return v.isString() ? v.asString() : def;
}

std::string toText(const Json::Value& v, const std::string& def)
{
    if (v.isString())
        return v.asString();
    if (v.isBool())
        return v.asBool() ? "true" : "false";
    if (v.isInt64())
        return std::to_string(v.asInt64());
    if (v.isUInt64())
        return std::to_string(v.asUInt64());
    if (v.isDouble()) {
        std::ostringstream out;
        out.precision(17);
        out << v.asDouble();
        return out.str();
    }
    return def;
}

int getInt(const Json::Value& obj, const char* key, int def)
{
    return toInt(member(obj, key), def);
}

std::int64_t getInt64(const Json::Value& obj, const char* key, std::int64_t def)
{
    return toInt64(member(obj, key), def);
}

double getDouble(const Json::Value& obj, const char* key, double def)
{
    return toDouble(member(obj, key), def);
}

bool getBool(const Json::Value& obj, const char* key, bool def)
{
    return toBool(member(obj, key), def);
}

std::string getString(const Json::Value& obj, const char* key, const std::string& def)
{
    return toString(member(obj, key), def);
}

std::string getText(const Json::Value& obj, const char* key, const std::string& def)
{
    return toText(member(obj, key), def);
}

Json::Value getArray(const Json::Value& obj, const char* key)
{
    const Json::Value& v = member(obj, key);
    return v.isArray() ? v : Json::Value(Json::arrayValue);
}

Json::Value getObject(const Json::Value& obj, const char* key)
{
    const Json::Value& v = member(obj, key);
    return v.isObject() ? v : Json::Value(Json::objectValue);
}

} // namespace JsonRead
