#pragma once

#include "DatagramSender.h"
#include "DriveOptions.h"
#include "PortTable.h"

#include <httplib.h>
#include <json/json.h>

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

// The engine's local HTTP API on 127.0.0.1. Every answer is one JSON object with "code"
// (0 = done), "msg" (a text the client can show) and "data"; the extraction link answers its
// port list as plain text lines.
class DriveApi
{
public:
    // Non-zero answer codes.
    enum Code
    {
        CodeOk = 0,
        CodeMissingField = 1,
        CodeBadValue = 2,
        CodeOutOfRange = 3,
        CodePortBusy = 4,
        CodeNotBound = 5,
        CodeNoFreePort = 6,
        CodeUnknownRoute = 404,
    };

    DriveApi(const DriveOptions& options, PortTable& ports, DatagramSender& datagrams);

    // Binds 127.0.0.1:port; from then on connections are accepted.
    bool listen(int port);
    // Serves until stop(); blocks.
    void run();
    // Closes the listener.
    void stop();

private:
    using Request = httplib::Request;
    using Response = httplib::Response;

    void getServerStatus(const Request& req, Response& res);
    void setPortSession(const Request& req, Response& res);
    void delPortSession(const Request& req, Response& res);
    void freedProxyPort(const Request& req, Response& res);
    void setPortProxyScope(const Request& req, Response& res);
    void getIpList(const Request& req, Response& res);

    // Reads the exit of a set_port_session request; false with the answer already written.
    bool readExitLine(const Request& req, Response& res, ExitLine& line, int& port);
    bool checkOpenPort(const Request& req, Response& res, int port);
    ExitLine extractedLine(const Request& req, const std::vector<int>& segment, int port);
    Json::Value extractionRecord(const Request& req, const ExitLine& line, int port) const;

    httplib::Server m_server;
    PortTable& m_ports;
    DatagramSender& m_datagrams;
    std::mutex m_accountMutex;
    std::string m_strUser;
    std::atomic<unsigned> m_nExtracted{0};
};
