#include "RawClient.h"

#include <arpa/inet.h>
#include <dirent.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace RawClient {

int connectLoopback(int port)
{
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const timeval timeout{5, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

bool sendBytes(int fd, const std::vector<uint8_t>& bytes)
{
    return send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL) == ssize_t(bytes.size());
}

bool sendText(int fd, const std::string& text)
{
    return sendBytes(fd, std::vector<uint8_t>(text.begin(), text.end()));
}

std::vector<uint8_t> readBytes(int fd, size_t n)
{
    std::vector<uint8_t> bytes(n);
    size_t done = 0;
    while (done < n) {
        const ssize_t got = recv(fd, bytes.data() + done, n - done, 0);
        if (got <= 0)
            break;
        done += size_t(got);
    }
    bytes.resize(done);
    return bytes;
}

std::string readAll(int fd)
{
    std::string text;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = recv(fd, buffer, sizeof buffer, 0)) > 0)
        text.append(buffer, size_t(got));
    return text;
}

bool closedWithin(int fd, int timeoutMs)
{
    pollfd entry{fd, POLLIN, 0};
    if (poll(&entry, 1, timeoutMs) != 1)
        return false;
    char byte;
    return recv(fd, &byte, 1, MSG_DONTWAIT) <= 0;
}

std::string socks5Get(int proxyPort, const std::string& host, int port, const std::string& path)
{
    const int fd = connectLoopback(proxyPort);
    if (fd < 0)
        return {};
    // Greeting and CONNECT request together: the relay reads them in order.
    std::string greeting("\x05\x01\x00\x05\x01\x00\x03", 7);
    greeting += char(host.size()) + host + char(port >> 8) + char(port & 0xff);
    std::string answer;
    if (sendText(fd, greeting) && readBytes(fd, 2) == std::vector<uint8_t>{0x05, 0x00}) {
        const std::vector<uint8_t> reply = readBytes(fd, 10); // IPv4 bound address
        if (reply.size() == 10 && reply[1] == 0x00 &&
            sendText(fd, "GET " + path + " HTTP/1.1\r\nHost: " + host + "\r\n\r\n"))
            answer = readAll(fd);
    }
    close(fd);
    return answer;
}

int openFdCount(long pid)
{
    DIR* dir = opendir(("/proc/" + std::to_string(pid) + "/fd").c_str());
    if (dir == nullptr)
        return -1;
    int count = 0;
    while (const dirent* entry = readdir(dir))
        count += entry->d_name[0] != '.';
    closedir(dir);
    return count;
}

} // namespace RawClient
