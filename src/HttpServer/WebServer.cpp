#include "HttpServer/WebServer.h"

#include "DataManager/Proxy/ProxyManager.h"
#include "Interface/GlobleParam.h"
#include "Interface/InterfaceRecv.h"

#include <QDebug>

namespace {

// The routes read the client's state when a request arrives, not when the server is made.
CallbackRouteHooks clientHooks()
{
    CallbackRouteHooks hooks;
    hooks.clientMac = [] {
        Json::Value value;
        if (InterfaceRecv* pRecv = InterfaceRecv::GetInstance())
            pRecv->getClientMac(value);
        return value.isMember("mac") ? value["mac"].asString() : std::string();
    };
    hooks.todayList = [] {
        Json::Value list(Json::arrayValue);
        ProxyManager::GetInstance()->getTodayListJson(list);
        return list;
    };
    hooks.bindPort = [](const std::string& strIp, const std::string& strPort) {
        return ProxyManager::GetInstance()->modifyTodayBySessionAndPort(strIp, strPort);
    };
    hooks.portRange = [] {
        const GlobleParam* pParam = GlobleParam::GetInstance();
        return pParam ? std::make_pair(pParam->getBeginPort(), pParam->getPortNumber())
                      : std::make_pair(0, 0);
    };
    return hooks;
}

} // namespace

WebServer* WebServer::GetInstance()
{
    static WebServer instance;
    return &instance;
}

WebServer::WebServer() : m_pHttpServer(std::make_unique<CHttpServer>())
{
    m_pHttpServer->SetRouteHooks(clientHooks());
}

int WebServer::startWebServer(int nPort)
{
    qDebug() << "callback server not started, port" << nPort;
    return 0;
}

void WebServer::setWebServerPort(int nPort)
{
    if (nPort > 0)
        m_nWebServerPort = nPort;
}

int WebServer::getWebServerPort()
{
    if (m_nWebServerPort == 0)
        m_nWebServerPort = kDefaultPort;
    return m_nWebServerPort;
}
