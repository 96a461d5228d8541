#pragma once

#include <httplib.h>
#include <json/json.h>

#include <mutex>
#include <string>

// Every request the listeners receive, in arrival order, for tests to inspect.
class RequestLog
{
public:
    // One entry: listener, method, path, target, query, headers (lower-case names), form
    // fields, file parts (name, filename, content_type, size, sha256), the raw body when the
    // request is not multipart, and sign_ok.
    static Json::Value describe(const std::string& listener, const httplib::Request& req,
                                const Json::Value& signOk);

    void add(Json::Value entry);
    Json::Value entries() const;
    void clear();

private:
    mutable std::mutex m_mutex;
    Json::Value m_entries{Json::arrayValue};
};
