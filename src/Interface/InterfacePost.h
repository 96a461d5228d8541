#pragma once

#include "PublicModule/HttpCurl/InterfaceBase/InterfaceRecvBase.h"

// The request methods that QML calls on the service object.
class InterfacePost : public InterfaceRecvBase
{
    Q_OBJECT
public:
    InterfacePost() = default;

    // Downloads the update package from the address the version check stored.
    Q_INVOKABLE void downloadUpdateExe(int nValue = 0);
    // Stops the running update download at its next progress report.
    Q_INVOKABLE void cancelDownloadUpdateExe(int nValue = 0);
};
