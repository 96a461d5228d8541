#include "DriveOptions.h"

#include "PlainText.h"

#include <algorithm>
#include <arpa/inet.h>
#include <iterator>
#include <map>

namespace {

enum class Kind
{
    Port,    // 1..65535
    OptPort, // 0..65535
    Count,   // 0..65535
    Text,    // anything, also empty
    Ipv4,    // dotted IPv4
};

struct Argument
{
    const char* key;
    Kind kind;
};

// In the order the client passes them.
const Argument kArguments[] = {
    {"api_port", Kind::Port},
    {"user", Kind::Text},
    {"pwd", Kind::Text},
    {"proxy_port_start", Kind::Port},
    {"proxy_port_num", Kind::Count},
    {"intranet_ip", Kind::Ipv4},
    {"sync_udp_port", Kind::Port},
    {"mac_adds", Kind::Text},
    {"client_api_port", Kind::OptPort},
};

bool valueFits(Kind kind, const std::string& value)
{
    int unused = 0;
    in_addr address{};
    switch (kind) {
    case Kind::Port:
        return parseBoundedInt(value, 1, 65535, unused);
    case Kind::OptPort:
    case Kind::Count:
        return parseBoundedInt(value, 0, 65535, unused);
    case Kind::Ipv4:
        return inet_pton(AF_INET, value.c_str(), &address) == 1;
    case Kind::Text:
        return true;
    }
    return false;
}

bool isKnownKey(const std::string& key)
{
    return std::any_of(std::begin(kArguments), std::end(kArguments),
                       [&](const Argument& argument) { return key == argument.key; });
}

int toInt(const std::string& text)
{
    return text.empty() ? 0 : std::stoi(text);
}

// The value of "--ready-after=MS", or of "--ready-after MS" (the next argument).
bool readReadyAfter(const std::vector<std::string>& args, size_t& i, std::string& value)
{
    const std::string option = "--ready-after";
    if (args[i] == option) {
        if (i + 1 >= args.size())
            return false;
        value = args[++i];
        return true;
    }
    if (startsWith(args[i], option + "=")) {
        value = args[i].substr(option.size() + 1);
        return true;
    }
    return false;
}

} // namespace

bool isValidPortRange(int start, int count)
{
    return start >= 1 && start <= 65535 && count >= 0 && start + count - 1 <= 65535;
}

bool DriveOptions::parse(const std::vector<std::string>& args, std::string& errorText)
{
    std::map<std::string, std::string> values;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string readyAfter;
        if (startsWith(args[i], "--ready-after")) {
            if (!readReadyAfter(args, i, readyAfter) ||
                !parseBoundedInt(readyAfter, 0, 600000, nReadyAfterMs)) {
                errorText = "--ready-after needs milliseconds (0 to 600000)";
                return false;
            }
            continue;
        }
        const auto equals = args[i].find('=');
        if (args[i].size() < 2 || args[i][0] != '-' || equals == std::string::npos) {
            errorText = "unexpected argument \"" + args[i] + "\" (expected -key=value)";
            return false;
        }
        const std::string key = args[i].substr(1, equals - 1);
        if (!isKnownKey(key)) {
            errorText = "unknown argument -" + key;
            return false;
        }
        if (!values.emplace(key, args[i].substr(equals + 1)).second) {
            errorText = "-" + key + " given twice";
            return false;
        }
    }
    for (const Argument& argument : kArguments) {
        const auto it = values.find(argument.key);
        if (it == values.end()) {
            errorText = std::string("missing -") + argument.key + "=";
            return false;
        }
        if (!valueFits(argument.kind, it->second)) {
            errorText = std::string("bad value for -") + argument.key + ": \"" + it->second + "\"";
            return false;
        }
    }
    nApiPort = toInt(values["api_port"]);
    strUser = values["user"];
    nProxyPortStart = toInt(values["proxy_port_start"]);
    nProxyPortNum = toInt(values["proxy_port_num"]);
    strIntranetIp = values["intranet_ip"];
    nSyncUdpPort = toInt(values["sync_udp_port"]);
    strMacAdds = values["mac_adds"];
    nClientApiPort = toInt(values["client_api_port"]);
    if (!isValidPortRange(nProxyPortStart, nProxyPortNum)) {
        errorText = "-proxy_port_start plus -proxy_port_num runs past port 65535";
        return false;
    }
    return true;
}

std::string DriveOptions::describe() const
{
    return "api_port=" + std::to_string(nApiPort) + " user=" + strUser +
           " ports=" + std::to_string(nProxyPortStart) + "+" + std::to_string(nProxyPortNum) +
           " intranet_ip=" + strIntranetIp + " sync_udp_port=" + std::to_string(nSyncUdpPort) +
           " mac_adds=" + strMacAdds + " client_api_port=" + std::to_string(nClientApiPort);
}
