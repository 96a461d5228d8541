#pragma once

#include "Interface/InterfacePost.h"

// The service object QML creates as "CurlInterfaceRecv": the answer handlers of the
// program's own commands join here; until then its hooks only log.
class InterfaceRecv : public InterfacePost
{
    Q_OBJECT
public:
    InterfaceRecv();

    // The object main.qml created; null before that.
    static InterfaceRecv* GetInstance();

    void PostEventInterface(HTTPEvent_KX* pEvent) override;
    void PostEventInterfaceError(HTTPEvent_KX* pEvent) override;
    void SetDownloadProgressInterface(long dlNow, long dlTotal, long dlSpeed, int nPos) override;
    void SetDownloadEventInterface(HTTPEvent_KX* pEvent) override;
    void ResetAppState(int nType) override;
};
