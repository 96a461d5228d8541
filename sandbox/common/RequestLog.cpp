#include "RequestLog.h"

#include "PlainText.h"

#include <QCryptographicHash>

namespace {

std::string sha256Hex(const std::string& bytes)
{
    return QCryptographicHash::hash(QByteArray::fromStdString(bytes), QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}

// The HTTP library files the connection's addresses among the headers; they were not sent.
bool isConnectionInfo(const std::string& name)
{
    return name == "REMOTE_ADDR" || name == "REMOTE_PORT" || name == "LOCAL_ADDR" ||
           name == "LOCAL_PORT";
}

// Names compared without case in HTTP; the log keeps one spelling so lookups are simple.
Json::Value headerObject(const httplib::Headers& headers)
{
    Json::Value out(Json::objectValue);
    for (const auto& [name, value] : headers) {
        if (isConnectionInfo(name))
            continue;
        out[lowerCase(name)] = value;
    }
    return out;
}

Json::Value pairObject(const std::string& text)
{
    httplib::Params params;
    httplib::detail::parse_query_text(text, params);
    Json::Value out(Json::objectValue);
    for (const auto& [key, value] : params)
        out[key] = value;
    return out;
}

std::string queryText(const std::string& target)
{
    const auto mark = target.find('?');
    return mark == std::string::npos ? std::string() : target.substr(mark + 1);
}

bool isUrlEncoded(const httplib::Request& req)
{
    return startsWith(req.get_header_value("Content-Type"), "application/x-www-form-urlencoded");
}

// Multipart parts without a file name are plain form fields.
void addMultipart(const httplib::Request& req, Json::Value& entry)
{
    for (const auto& [name, part] : req.files) {
        if (part.filename.empty()) {
            entry["form"][name] = part.content;
            continue;
        }
        Json::Value file;
        file["name"] = name;
        file["filename"] = part.filename;
        file["content_type"] = part.content_type;
        file["size"] = static_cast<Json::UInt64>(part.content.size());
        file["sha256"] = sha256Hex(part.content);
        entry["files"].append(file);
    }
}

} // namespace

Json::Value RequestLog::describe(const std::string& listener, const httplib::Request& req,
                                 const Json::Value& signOk)
{
    Json::Value entry;
    entry["listener"] = listener;
    entry["method"] = req.method;
    entry["path"] = req.path;
    entry["target"] = req.target;
    entry["query"] = pairObject(queryText(req.target));
    entry["headers"] = headerObject(req.headers);
    entry["form"] = Json::Value(Json::objectValue);
    entry["files"] = Json::Value(Json::arrayValue);
    if (req.is_multipart_form_data()) {
        addMultipart(req, entry);
    } else {
        entry["body"] = req.body;
        if (isUrlEncoded(req))
            entry["form"] = pairObject(req.body);
    }
    entry["sign_ok"] = signOk;
    return entry;
}

void RequestLog::add(Json::Value entry)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries.append(std::move(entry));
}

Json::Value RequestLog::entries() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_entries;
}

void RequestLog::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries = Json::Value(Json::arrayValue);
}
