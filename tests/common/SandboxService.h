#pragma once

#include "SandboxProcess.h"

// The stand-in web service (build/bin/sandbox-service) for one test, on free ports.
class SandboxService : public SandboxProcess
{
public:
    // The account the stand-in service signs in.
    static constexpr const char* kDemoUser = "demo_user";
    static constexpr const char* kDemoPassword = "QelDemo#2024";

    // Starts the program with both listeners and the relay; false on failure.
    bool start(const QStringList& extraArgs = {})
    {
        const QStringList args{"--api-port", "0", "--res-port", "0", "--socks-port", "0"};
        if (SandboxProcess::start(QStringLiteral("sandbox-service"), args + extraArgs, 3) &&
            resPort() > 0)
            return true;
        stop();
        return false;
    }

    int apiPort() const { return port(0); }
    int resPort() const { return port(1); }
    int socksPort() const { return port(2); }
    QString apiUrl() const { return baseUrl(apiPort()); }
    QString resUrl() const { return baseUrl(resPort()); }
};
