#include "RequestSign.h"

#include "PlainText.h"

#include <QCryptographicHash>

#include <map>

namespace {

const char kSignSalt[] = "K7q!vR2#pL9$wN4%tB6^yH8&mC3*xD5(";
const char kSignHeader[] = "qv-sign";

bool isFormPost(const httplib::Request& req)
{
    const std::string type = lowerCase(req.get_header_value("Content-Type"));
    return req.method == "POST" && (startsWith(type, "multipart/form-data") ||
                                    startsWith(type, "application/x-www-form-urlencoded"));
}

} // namespace

namespace RequestSign {

std::string expectedSign(const httplib::Headers& headers)
{
    // std::map keeps byte order; emplace keeps the first of repeated names.
    std::map<std::string, std::string> sorted;
    for (const auto& [name, value] : headers) {
        const std::string key = lowerCase(name);
        if (startsWith(key, "qv-") && key != kSignHeader)
            sorted.emplace(key, value);
    }
    std::string text;
    for (const auto& [key, value] : sorted) {
        if (value.empty())
            continue;
        if (!text.empty())
            text += '&';
        text += key + '=' + value;
    }
    text += kSignSalt;
    const QByteArray digest =
        QCryptographicHash::hash(QByteArray::fromStdString(text), QCryptographicHash::Md5);
    return digest.toHex().toStdString();
}

bool isSignRequired(const httplib::Request& req)
{
    return startsWith(req.path, "/api/") && (req.method == "DELETE" || isFormPost(req));
}

Json::Value checkSign(const httplib::Request& req)
{
    if (req.has_header(kSignHeader))
        return req.get_header_value(kSignHeader) == expectedSign(req.headers);
    if (isSignRequired(req))
        return false;
    return Json::Value();
}

} // namespace RequestSign
