#pragma once

#include "SandboxProcess.h"

// The stand-in outside browser (build/bin/sandbox-browser) for one test, on a free port.
class SandboxBrowser : public SandboxProcess
{
public:
    // extraArgs: --profiles FILE, --config-home DIR.
    bool start(const QStringList& extraArgs = {})
    {
        return SandboxProcess::start(QStringLiteral("sandbox-browser"),
                                     QStringList{"--port", "0"} + extraArgs, 1);
    }

    QString url() const { return baseUrl(port()); }
};
