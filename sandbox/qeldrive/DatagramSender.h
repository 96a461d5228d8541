#pragma once

#include <json/json.h>

#include <netinet/in.h>

// Sends the client its UDP datagrams on 127.0.0.1: one JSON object in compact text each.
class DatagramSender
{
public:
    explicit DatagramSender(int port);
    ~DatagramSender();
    DatagramSender(const DatagramSender&) = delete;
    DatagramSender& operator=(const DatagramSender&) = delete;

    // Code 1: an exit extracted through the API, with its record.
    void sendExtraction(const Json::Value& record);
    // Code 2: a local port that is no longer served.
    void sendFreedPort(int port);

private:
    void send(const Json::Value& message);

    int m_fd;
    sockaddr_in m_target{};
};
