#pragma once

#include "PublicModule/HttpCurl/InterfaceBase/InterfaceRecvBase.h"

namespace qelupdate {

// The update program's one request.
class InterfacePost : public InterfaceRecvBase
{
    Q_OBJECT
public:
    static constexpr int kCheckLocalIp = 115;

    // Emits UI message 2 with the method's name; sends nothing.
    Q_INVOKABLE void Test();
    Q_INVOKABLE void pushCheckLocalIp(int nValue = 0);
};

// The service object QML creates as "CurlInterfaceRecv": runs the check once the domain step
// is done and keeps the reply for the client.
class InterfaceRecv : public InterfacePost
{
    Q_OBJECT
public:
    // Sent to QML when the reply is in place; its value is 1 on success, 0 on failure.
    static constexpr int kUiChecked = 100;

    InterfaceRecv();

    void PostEventInterface(HTTPEvent_KX* pEvent) override;
    void PostEventInterfaceError(HTTPEvent_KX* pEvent) override;
    void SetDownloadProgressInterface(long dlNow, long dlTotal, long dlSpeed, int nPos) override;
    void SetDownloadEventInterface(HTTPEvent_KX* pEvent) override;
    void ResetAppState(int nType) override;

    void setSendValue(QString qstrValue);
    QString getSendValue();

private:
    void slotCheckLocalIp(HTTPEvent_KX* pEvent);
};

} // namespace qelupdate
