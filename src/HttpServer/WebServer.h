#pragma once

#include "HttpServer/CHttpServer.h"

#include <memory>

// The engine's callback server: one parser, a port and a state. It is never started here:
// startWebServer opens nothing, so the state stays 0 and no request reaches the parser.
class WebServer
{
public:
    static WebServer* GetInstance();

    CHttpServer* getHttpServer() { return m_pHttpServer.get(); }
    // Returns 0; opens nothing and keeps no port.
    int startWebServer(int nPort);
    void setWebServerPort(int nPort);
    int getWebServerPort();
    void setWebServerState(int nState) { m_nWebServerState = nState; }
    int getWebServerState() const { return m_nWebServerState; }

    static constexpr int kDefaultPort = 50203;

private:
    WebServer();

    int m_nWebServerState = 0;
    int m_nWebServerPort = 0;
    std::unique_ptr<CHttpServer> m_pHttpServer;
};
