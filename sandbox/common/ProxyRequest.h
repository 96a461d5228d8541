#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Parsing of what a proxy client sends first, kept apart from the sockets so it can be
// checked on its own.
namespace ProxyRequest {

struct Destination
{
    std::string host; // a name, dotted IPv4, or IPv6 text without brackets
    int port = 0;
};

// SOCKS5 reply codes used by the relay.
enum Socks5Reply : uint8_t
{
    Socks5Succeeded = 0x00,
    Socks5GeneralFailure = 0x01,
    Socks5HostUnreachable = 0x04,
    Socks5ConnectionRefused = 0x05,
    Socks5CommandNotSupported = 0x07,
    Socks5AddressNotSupported = 0x08,
};

// Address of a SOCKS5 request from its address type byte and the bytes that follow it
// (address and two port bytes). Returns false for an unknown type, a short buffer, an empty
// domain name or port 0.
bool parseSocks5Address(uint8_t addressType, const std::vector<uint8_t>& bytes, Destination& dest);

// Builds the SOCKS5 reply with the bound address (IPv4 or IPv6 text; anything else gives
// 0.0.0.0).
std::vector<uint8_t> socks5Reply(uint8_t code, const std::string& boundIp, int boundPort);

// An HTTP proxy request head (request line and headers through the empty line).
struct HttpHead
{
    bool isConnect = false;
    Destination dest;
    // For an absolute-URI request: the head to send to the origin (origin-form target, proxy
    // headers dropped, "Connection: close" so one connection carries one request).
    std::string forwardHead;
};

// Parses a request head. Returns false with an error text for anything the relay cannot
// carry (malformed line, unsupported scheme, bad port, ...).
bool parseHttpHead(const std::string& head, HttpHead& out, std::string& errorText);

// Splits "host:port" or "[v6]:port"; defaultPort applies when no port is given (0 = port
// required). A host with a blank, "/", a zero or another control byte is refused.
bool splitHostPort(const std::string& text, int defaultPort, Destination& dest);

} // namespace ProxyRequest
