#pragma once

#include "Socks5Relay.h"

#include <mutex>
#include <string>

// The residential exit a local port was bound to, as the client sends it.
struct ExitLine
{
    std::string strSessionId;
    std::string strIp;
    std::string strSn;
    std::string strServer;
    std::string strServerPort;
    std::string strTimeType;
    std::string strArea;
    std::string strUseType;

    std::string describe() const;
};

// One bound local port. No residential exit exists here, so connections go straight to the
// destination; each is logged with the exit it was meant for.
class ExitRelay : public Socks5Relay
{
public:
    explicit ExitRelay(const ExitLine& line);

    // A rebinding replaces the exit; connections already relayed keep going.
    void setExit(const ExitLine& line);
    ExitLine exitLine() const;

protected:
    void onConnect(const std::string& host, int port) override;

private:
    mutable std::mutex m_mutex;
    ExitLine m_exit;
};
