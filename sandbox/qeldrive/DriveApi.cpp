#include "DriveApi.h"

#include "BindAlone.h"
#include "DriveLog.h"
#include "PlainText.h"
#include "PublicModule/HttpCurl/features/Encryption.h"
#include "PublicModule/HttpCurl/features/NormalJson.h"

#include <map>

namespace {

void answer(httplib::Response& res, int code, const std::string& msg,
            const Json::Value& data = Json::Value(Json::objectValue))
{
    Json::Value body(Json::objectValue);
    body["code"] = code;
    body["msg"] = msg;
    body["data"] = data;
    res.set_content(toNormalString(body), "application/json");
}

// One reader for query, urlencoded and multipart fields: the client posts multipart forms,
// the extraction link and hand-made requests use the other two.
bool readField(const httplib::Request& req, const char* name, std::string& value)
{
    if (req.has_param(name)) {
        value = req.get_param_value(name);
        return true;
    }
    if (req.has_file(name)) {
        value = req.get_file_value(name).content;
        return true;
    }
    return false;
}

// A required field: false (with the answer written) when the request lacks it.
bool field(const httplib::Request& req, httplib::Response& res, const char* name,
           std::string& value)
{
    if (readField(req, name, value))
        return true;
    answer(res, DriveApi::CodeMissingField, std::string("missing field \"") + name + "\"");
    return false;
}

// A required decimal field within bounds.
bool intField(const httplib::Request& req, httplib::Response& res, const char* name, int min,
              int max, int& value)
{
    std::string text;
    if (!field(req, res, name, text))
        return false;
    if (!parseBoundedInt(text, min, max, value)) {
        answer(res, DriveApi::CodeBadValue, std::string("bad value for \"") + name + "\"");
        return false;
    }
    return true;
}

std::string optional(const httplib::Request& req, const char* name, const std::string& def)
{
    std::string value;
    return readField(req, name, value) ? value : def;
}

std::string rangeText(const std::pair<int, int>& range)
{
    return std::to_string(range.first) + "-" + std::to_string(range.first + range.second - 1);
}

Json::Value portArray(const std::vector<int>& ports)
{
    Json::Value array(Json::arrayValue);
    for (int port : ports)
        array.append(port);
    return array;
}

// The leading parts of an IPv4 address ("71.183"); false unless 1 to 4 decimal parts of
// 0-255.
bool parseIpSegment(const std::string& text, std::vector<int>& parts)
{
    parts.clear();
    std::string part;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '.') {
            part += text[i];
            continue;
        }
        int value = 0;
        if (!parseBoundedInt(part, 0, 255, value) || parts.size() == 4)
            return false;
        parts.push_back(value);
        part.clear();
    }
    return true;
}

// A made-up exit address per extraction inside the segment asked for (10. by default),
// unique for a while, so the client files each extracted exit as a row of its own.
std::string madeUpIp(const std::vector<int>& segment, unsigned serial, int port)
{
    const int filler[] = {int(serial % 256), (port >> 8) & 0xff, port & 0xff};
    std::string ip;
    for (size_t i = 0; i < 4; ++i) {
        const int value = i < segment.size() ? segment[i] : filler[i - 1];
        ip += (i ? "." : "") + std::to_string(value);
    }
    return ip;
}

// Location codes of the extraction link: "all" stands for any.
std::string location(const httplib::Request& req, const char* name)
{
    const std::string value = optional(req, name, "all");
    return value == "all" ? "random" : value;
}

} // namespace

DriveApi::DriveApi(const DriveOptions& options, PortTable& ports, DatagramSender& datagrams)
    : m_ports(ports), m_datagrams(datagrams), m_strUser(options.strUser)

{
    using Handler = void (DriveApi::*)(const Request&, Response&);
    auto route = [this](Handler handler) {
        return httplib::Server::Handler(
            [this, handler](const Request& req, Response& res) { (this->*handler)(req, res); });
    };
    m_server.Post("/api/get_server_status", route(&DriveApi::getServerStatus));
    m_server.Get("/api/get_server_status", route(&DriveApi::getServerStatus));
    m_server.Post("/api/set_port_session", route(&DriveApi::setPortSession));
    m_server.Post("/api/del_port_session", route(&DriveApi::delPortSession));
    m_server.Post("/api/freed_proxy_port", route(&DriveApi::freedProxyPort));
    m_server.Post("/api/set_port_proxy_scope", route(&DriveApi::setPortProxyScope));
    m_server.Get("/api/get_ip_list", route(&DriveApi::getIpList));
    m_server.set_error_handler([](const Request& req, Response& res) {
        if (res.status == 404)
            answer(res, CodeUnknownRoute, "unknown route " + req.path);
        else
            answer(res, res.status, "bad request");
    });
    // Short waits, so stopping is not held up by an idle keep-alive connection.
    m_server.set_keep_alive_timeout(1);
    m_server.set_read_timeout(2);
    bindAlone(m_server);
}

bool DriveApi::listen(int port)
{
    return m_server.bind_to_port("127.0.0.1", port);
}

void DriveApi::run()
{
    m_server.listen_after_bind();
}

void DriveApi::stop()
{
    m_server.stop();
}

void DriveApi::getServerStatus(const Request&, Response& res)
{
    const auto range = m_ports.range();
    Json::Value data(Json::objectValue);
    data["proxy_port_start"] = range.first;
    data["proxy_port_num"] = range.second;
    data["ports"] = portArray(m_ports.boundPorts());
    {
        std::lock_guard<std::mutex> lock(m_accountMutex);
        data["user"] = m_strUser;
    }
    answer(res, CodeOk, "running", data);
}

bool DriveApi::readExitLine(const Request& req, Response& res, ExitLine& line, int& port)
{
    std::string userSession;
    int timeType = 0;
    if (!field(req, res, "user_session", userSession) ||
        !field(req, res, "session_id", line.strSessionId) ||
        !intField(req, res, "port", 1, 65535, port) || !field(req, res, "sn", line.strSn) ||
        !field(req, res, "server", line.strServer) || !field(req, res, "ip", line.strIp) ||
        !intField(req, res, "time_type", 0, 1000, timeType) ||
        !field(req, res, "area", line.strArea))
        return false;
    line.strTimeType = std::to_string(timeType);
    if ((timeType == 3 || timeType == 6) && !field(req, res, "server_port", line.strServerPort))
        return false;
    if ((timeType == 6 || timeType == 11) && !field(req, res, "use_type", line.strUseType))
        return false;
    return checkOpenPort(req, res, port);
}

// "open_port" (sent when a binding is repeated) is the port in the client's text encoding;
// one that names another port is refused rather than trusted.
bool DriveApi::checkOpenPort(const Request& req, Response& res, int port)
{
    std::string encoded;
    if (!readField(req, "open_port", encoded))
        return true;
    const std::string decoded = Encryption::GetInstance()->decode(encoded);
    if (decoded == std::to_string(port))
        return true;
    answer(res, CodeBadValue, "open_port does not match port " + std::to_string(port));
    return false;
}

void DriveApi::setPortSession(const Request& req, Response& res)
{
    ExitLine line;
    int port = 0;
    if (!readExitLine(req, res, line, port))
        return;
    const std::string portText = std::to_string(port);
    // "open_port" comes with a binding of an exit bought before: no new purchase.
    std::string openPort;
    const std::string reuse = readField(req, "open_port", openPort) ? " (reuse)" : "";
    Json::Value data(Json::objectValue);
    data["port"] = port;
    switch (m_ports.bind(port, line)) {
    case PortTable::BindResult::Bound:
        driveLog("port " + portText + " bound to exit " + line.describe() + reuse);
        return answer(res, CodeOk, "success", data);
    case PortTable::BindResult::Rebound:
        driveLog("port " + portText + " now for exit " + line.describe() + reuse);
        return answer(res, CodeOk, "success", data);
    case PortTable::BindResult::OutOfRange:
        return answer(res, CodeOutOfRange,
                      "port " + portText + " is outside the proxy port range " +
                          rangeText(m_ports.range()));
    case PortTable::BindResult::Busy:
        return answer(res, CodePortBusy, "port " + portText + " is in use by another program");
    }
}

void DriveApi::delPortSession(const Request& req, Response& res)
{
    int port = 0;
    if (!intField(req, res, "port", 1, 65535, port))
        return;
    if (!m_ports.unbind(port))
        return answer(res, CodeNotBound, "port " + std::to_string(port) + " is not bound");
    driveLog("port " + std::to_string(port) + " freed");
    m_datagrams.sendFreedPort(port);
    answer(res, CodeOk, "success");
}

void DriveApi::freedProxyPort(const Request&, Response& res)
{
    const std::vector<int> ports = m_ports.unbindAll();
    for (int port : ports)
        m_datagrams.sendFreedPort(port);
    driveLog("freed " + std::to_string(ports.size()) + " ports");
    Json::Value data(Json::objectValue);
    data["ports"] = portArray(ports);
    answer(res, CodeOk, "success", data);
}

void DriveApi::setPortProxyScope(const Request& req, Response& res)
{
    std::string user, pwd;
    int start = 0, count = 0;
    if (!field(req, res, "user", user) || !field(req, res, "pwd", pwd) ||
        !intField(req, res, "proxy_port_start", 1, 65535, start) ||
        !intField(req, res, "proxy_port_num", 0, 65535, count))
        return;
    if (!isValidPortRange(start, count))
        return answer(res, CodeOutOfRange, "the port range runs past port 65535");
    {
        // The password would sign in to the exits; with none here it is only required.
        std::lock_guard<std::mutex> lock(m_accountMutex);
        m_strUser = user;
    }
    // Bindings outside the new range end, and the client hears of each like of any freed port.
    for (int port : m_ports.setRange(start, count))
        m_datagrams.sendFreedPort(port);
    driveLog("user " + user + ", port range " + rangeText({start, count}));
    answer(res, CodeOk, "success");
}

ExitLine DriveApi::extractedLine(const Request& req, const std::vector<int>& segment,
                                 int port)
{
    ExitLine line;
    line.strIp = madeUpIp(segment, m_nExtracted++, port);
    line.strServer = "stand-in";
    line.strTimeType = optional(req, "ip_time", "");
    line.strUseType = optional(req, "use_type", "");
    line.strArea = location(req, "country") + "-" + location(req, "city");
    return line;
}

Json::Value DriveApi::extractionRecord(const Request& req, const ExitLine& line, int port) const
{
    Json::Value record(Json::objectValue);
    record["ip"] = line.strIp;
    // Plan kind 4 comes as use_type=1 without ip_time; traffic as use_type=3 with ip_time=1.
    record["ip_time_type"] = line.strTimeType.empty() ? "4" : line.strTimeType;
    record["use_type"] = line.strUseType.empty() ? "0" : line.strUseType;
    record["port"] = std::to_string(port);
    record["country"] = location(req, "country");
    record["country_code"] = location(req, "country");
    record["state"] = location(req, "state");
    record["city"] = location(req, "city");
    record["postal"] = location(req, "zip");
    record["isp"] = location(req, "isp");
    record["region"] = "";
    record["continent"] = "";
    record["server"] = line.strServer;
    record["server_port"] = "";
    record["sn"] = "";
    record["out_ip"] = line.strIp;
    record["online_status"] = "1";
    return record;
}

void DriveApi::getIpList(const Request& req, Response& res)
{
    int num = 0;
    if (!intField(req, res, "num", 1, 65535, num))
        return;
    std::vector<int> segment{10};
    const std::string ipPart = optional(req, "ip_part", "");
    if (!ipPart.empty() && !parseIpSegment(ipPart, segment))
        return answer(res, CodeBadValue, "bad value for \"ip_part\"");
    int firstPort = 0;
    parseBoundedInt(optional(req, "port", ""), 1, 65535, firstPort);
    std::map<int, ExitLine> lines;
    const std::vector<int> ports = m_ports.bindFree(num, firstPort, [&](int port) {
        return lines[port] = extractedLine(req, segment, port);
    });
    if (ports.empty())
        return answer(res, CodeNoFreePort,
                      "no free port in the proxy port range " + rangeText(m_ports.range()));
    std::string text;
    for (int port : ports) {
        text += (text.empty() ? "" : "\r\n") + std::string("127.0.0.1:") + std::to_string(port);
        m_datagrams.sendExtraction(extractionRecord(req, lines[port], port));
    }
    driveLog("extracted " + std::to_string(ports.size()) + " ports");
    res.set_content(text, "text/plain");
}
