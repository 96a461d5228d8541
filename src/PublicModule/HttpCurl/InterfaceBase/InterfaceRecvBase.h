#pragma once

#include "PublicModule/HttpCurl/InterfaceBase/InterfaceProcBase.h"

// The first dispatch of every finished request on the shared-layer command numbers, the
// download events turned into UI messages, and the two receiver operations the shell
// calls. Answers arrive on this object's thread; download events on the transfer's
// worker. The hooks at the end are what the application layer overrides.
class InterfaceRecvBase : public InterfaceProcBase
{
    Q_OBJECT
public:
    InterfaceRecvBase();
    ~InterfaceRecvBase() override;

    // The one service object; null before QML has created it.
    static InterfaceRecvBase* GetInstance();

    void PostEventInterfaceBase(HTTPEvent_KX* pEvent) override;
    void PostEventInterfaceErrorBase(HTTPEvent_KX* pEvent) override;
    void SetDownloadProgressInterfaceBase(long dlNow, long dlTotal, long dlSpeed,
                                          int nPos) override;
    void SetDownloadEventInterfaceBase(HTTPEvent_KX* pEvent) override;
    void ResetAppStateBase(int nType) override;
    void setAppSendValue(int nType, QString qstrValue, int nValue) override;

    virtual void PostEventInterface(HTTPEvent_KX* pEvent);
    virtual void PostEventInterfaceError(HTTPEvent_KX* pEvent);
    virtual void SetDownloadProgressInterface(long dlNow, long dlTotal, long dlSpeed, int nPos);
    virtual void SetDownloadEventInterface(HTTPEvent_KX* pEvent);
    virtual void ResetAppState(int nType);

    // Shared-layer answer handlers.
    void slotUpdateExe(HTTPEvent_KX* pEvent);
    void slotUpdateZip(HTTPEvent_KX* pEvent);
    void slotGetPrivacy(HTTPEvent_KX* pEvent);
    void slotInstallResult(HTTPEvent_KX* pEvent);
    void slotInformationAbout(HTTPEvent_KX* pEvent);
    void slotUpdateAbnormalLog(HTTPEvent_KX* pEvent);

private:
    // UI message for one new whole percent of a transfer; nothing for other transfers.
    void reportTransferStep(HTTPEvent_KX* pEvent, int nPercent);
};
