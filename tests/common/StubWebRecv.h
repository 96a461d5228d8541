#pragma once

#include "PublicModule/HttpCurl/httpBase/WebRecv.h"

#include <QList>
#include <QPair>

// A receiver that records what the shell asks of the service object.
class StubWebRecv : public WebRecv
{
public:
    StubWebRecv() { g_pWebRecv = this; }
    ~StubWebRecv() override
    {
        if (g_pWebRecv == this)
            g_pWebRecv = nullptr;
    }

    void PostEvent(HTTPEvent_KX*) override {}
    void PostEventError(HTTPEvent_KX*) override {}
    void SetDownloadProgress(long, long, long, int) override {}
    void SetDownloadEvent(HTTPEvent_KX*) override {}
    void ResetAppStateBase(int nState) override { resets.append(nState); }
    void setAppSendValue(int nType, QString qstrValue, int nValue) override
    {
        uiMessages.append({nType, qstrValue});
        Q_UNUSED(nValue);
    }

    QList<int> resets;
    QList<QPair<int, QString>> uiMessages;
};
