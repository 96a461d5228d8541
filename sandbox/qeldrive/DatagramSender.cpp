#include "DatagramSender.h"

#include "DriveLog.h"
#include "PublicModule/HttpCurl/features/NormalJson.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>

DatagramSender::DatagramSender(int port) : m_fd(socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0))
{
    m_target.sin_family = AF_INET;
    m_target.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    // Bound to loopback explicitly: an unbound socket would be bound to every interface by
    // its first send.
    sockaddr_in local = m_target;
    local.sin_port = 0;
    if (bind(m_fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0)
        driveLog("datagram socket not bound: " + std::string(std::strerror(errno)));
    m_target.sin_port = htons(static_cast<uint16_t>(port));
}

DatagramSender::~DatagramSender()
{
    if (m_fd >= 0)
        close(m_fd);
}

void DatagramSender::sendExtraction(const Json::Value& record)
{
    Json::Value message(Json::objectValue);
    message["code"] = 1;
    message["data"] = record;
    send(message);
}

void DatagramSender::sendFreedPort(int port)
{
    Json::Value message(Json::objectValue);
    message["code"] = 2;
    message["data"] = std::to_string(port);
    send(message);
}

void DatagramSender::send(const Json::Value& message)
{
    const std::string text = toNormalString(message);
    if (sendto(m_fd, text.data(), text.size(), 0, reinterpret_cast<const sockaddr*>(&m_target),
               sizeof m_target) < 0)
        driveLog("datagram not sent: " + std::string(std::strerror(errno)));
}
