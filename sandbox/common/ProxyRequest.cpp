#include "ProxyRequest.h"

#include "PlainText.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cstring>
#include <sstream>

namespace ProxyRequest {

namespace {

bool isProxyOnlyHeader(const std::string& name)
{
    const std::string n = lowerCase(name);
    return n == "proxy-connection" || n == "proxy-authorization" || n == "connection" ||
           n == "keep-alive";
}

// Rewrites the headers for the origin: drops hop-by-hop proxy headers, adds Host when the
// client left it out, closes after one request.
std::string originHeaders(std::istringstream& lines, const Destination& dest)
{
    std::string out;
    bool hasHost = false;
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            break;
        const auto colon = line.find(':');
        const std::string name = colon == std::string::npos ? "" : line.substr(0, colon);
        if (isProxyOnlyHeader(name))
            continue;
        hasHost = hasHost || lowerCase(name) == "host";
        out += line + "\r\n";
    }
    if (!hasHost) {
        const bool v6 = dest.host.find(':') != std::string::npos;
        out += "Host: " + (v6 ? "[" + dest.host + "]" : dest.host) + ":" +
               std::to_string(dest.port) + "\r\n";
    }
    return out + "Connection: close\r\n\r\n";
}

// "http://host[:port][/path]" -> destination and origin-form path.
bool splitAbsoluteUri(const std::string& uri, Destination& dest, std::string& path,
                      std::string& errorText)
{
    const std::string scheme = "http://";
    if (!startsWith(lowerCase(uri), scheme)) {
        errorText = "only http:// targets or CONNECT are supported";
        return false;
    }
    const std::string rest = uri.substr(scheme.size());
    const auto slash = rest.find_first_of("/?");
    const std::string authority = rest.substr(0, slash);
    path = slash == std::string::npos ? "/" : rest.substr(slash);
    if (path[0] == '?')
        path = "/" + path;
    if (authority.find('@') != std::string::npos || !splitHostPort(authority, 80, dest)) {
        errorText = "bad host in request target";
        return false;
    }
    return true;
}

} // namespace

bool splitHostPort(const std::string& text, int defaultPort, Destination& dest)
{
    std::string host = text;
    std::string portText;
    if (!text.empty() && text[0] == '[') {
        const auto close = text.find(']');
        if (close == std::string::npos)
            return false;
        host = text.substr(1, close - 1);
        const std::string tail = text.substr(close + 1);
        if (!tail.empty()) {
            if (tail[0] != ':')
                return false;
            portText = tail.substr(1);
        }
    } else {
        const auto colon = text.rfind(':');
        if (colon != std::string::npos) {
            if (text.find(':') != colon)
                return false; // bare IPv6 needs brackets
            host = text.substr(0, colon);
            portText = text.substr(colon + 1);
        }
    }
    // A zero or control byte would make the name looked up differ from the name logged.
    const bool hasControlByte = std::any_of(host.begin(), host.end(),
                                            [](unsigned char c) { return c < 0x20 || c == 0x7f; });
    if (host.empty() || hasControlByte || host.find_first_of(" /") != std::string::npos)
        return false;
    int port = defaultPort;
    if (!portText.empty() || defaultPort == 0) {
        if (!parseBoundedInt(portText, 1, 65535, port))
            return false;
    }
    dest.host = host;
    dest.port = port;
    return true;
}

bool parseSocks5Address(uint8_t addressType, const std::vector<uint8_t>& bytes, Destination& dest)
{
    size_t addressLength = 0;
    char text[INET6_ADDRSTRLEN] = {};
    switch (addressType) {
    case 0x01:
        addressLength = 4;
        if (bytes.size() != addressLength + 2)
            return false;
        inet_ntop(AF_INET, bytes.data(), text, sizeof text);
        dest.host = text;
        break;
    case 0x04:
        addressLength = 16;
        if (bytes.size() != addressLength + 2)
            return false;
        inet_ntop(AF_INET6, bytes.data(), text, sizeof text);
        dest.host = text;
        break;
    case 0x03:
        if (bytes.empty() || bytes[0] == 0 || bytes.size() != size_t(bytes[0]) + 3)
            return false;
        addressLength = size_t(bytes[0]) + 1;
        dest.host.assign(bytes.begin() + 1, bytes.begin() + addressLength);
        if (dest.host.find('\0') != std::string::npos)
            return false;
        break;
    default:
        return false;
    }
    dest.port = (bytes[addressLength] << 8) | bytes[addressLength + 1];
    return dest.port != 0;
}

std::vector<uint8_t> socks5Reply(uint8_t code, const std::string& boundIp, int boundPort)
{
    std::vector<uint8_t> reply = {0x05, code, 0x00};
    unsigned char address[16] = {};
    if (inet_pton(AF_INET6, boundIp.c_str(), address) == 1) {
        reply.push_back(0x04);
        reply.insert(reply.end(), address, address + 16);
    } else {
        if (inet_pton(AF_INET, boundIp.c_str(), address) != 1)
            std::memset(address, 0, 4);
        reply.push_back(0x01);
        reply.insert(reply.end(), address, address + 4);
    }
    reply.push_back(static_cast<uint8_t>((boundPort >> 8) & 0xff));
    reply.push_back(static_cast<uint8_t>(boundPort & 0xff));
    return reply;
}

bool parseHttpHead(const std::string& head, HttpHead& out, std::string& errorText)
{
    std::istringstream lines(head);
    std::string requestLine;
    std::getline(lines, requestLine);
    if (!requestLine.empty() && requestLine.back() == '\r')
        requestLine.pop_back();
    std::istringstream parts(requestLine);
    std::string method, target, version, extra;
    parts >> method >> target >> version;
    if (method.empty() || target.empty() || !startsWith(version, "HTTP/1.") || (parts >> extra)) {
        errorText = "malformed request line";
        return false;
    }
    out = HttpHead{};
    if (method == "CONNECT") {
        out.isConnect = true;
        if (!splitHostPort(target, 0, out.dest)) {
            errorText = "CONNECT needs host:port";
            return false;
        }
        return true;
    }
    std::string path;
    if (!splitAbsoluteUri(target, out.dest, path, errorText))
        return false;
    out.forwardHead = method + " " + path + " " + version + "\r\n" + originHeaders(lines, out.dest);
    return true;
}

} // namespace ProxyRequest
