// A client that starts the engine as the program does, prints the engine's process id once
// it runs, and waits to be killed.
#include "Interface/GlobleParam.h"
#include "Interface/ProxyGoProxy.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    GlobleParam param;
    param.SetUsername(QStringLiteral("probe"));
    param.setRadiusPass(QStringLiteral("probe-pass"));
    param.setBeginPort(app.arguments().value(1).toInt());
    param.setPortNumber(4);
    ProxyGoProxy* pEngine = ProxyGoProxy::GetInstance();
    QObject::connect(&param, &GlobleParam::bProxyRunChanged, [pEngine](bool bRun) {
        if (!bRun)
            return;
        std::printf("%lld\n", static_cast<long long>(pEngine->getEnginePid()));
        std::fflush(stdout);
    });
    if (!pEngine->startProxy(0))
        return 1;
    return app.exec();
}
