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
