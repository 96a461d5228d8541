#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Blocking socket client for the relay tests, so they can send what curl never would.
// Every read and write gives up after a few seconds.
namespace RawClient {

// A connected socket to 127.0.0.1:port, or -1 (also when the port refuses).
int connectLoopback(int port);

bool sendBytes(int fd, const std::vector<uint8_t>& bytes);
bool sendText(int fd, const std::string& text);
// Exactly n bytes, or fewer when the peer closes or is silent.
std::vector<uint8_t> readBytes(int fd, size_t n);
// Everything until the peer closes.
std::string readAll(int fd);
// True when the peer closes (end of file or reset) within timeoutMs.
bool closedWithin(int fd, int timeoutMs);

// A SOCKS5 CONNECT with a domain name, then "GET path"; the whole answer, or empty.
std::string socks5Get(int proxyPort, const std::string& host, int port, const std::string& path);

// Entries in /proc/PID/fd.
int openFdCount(long pid);

} // namespace RawClient
