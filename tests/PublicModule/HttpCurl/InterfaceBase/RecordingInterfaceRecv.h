#pragma once

#include "PublicModule/HttpCurl/InterfaceBase/InterfaceRecvBase.h"
#include "PublicModule/HttpCurl/httpBase/HTTPEvent_KX.h"

#include <QList>
#include <QString>
#include <QVariantList>

// The shared layer with its application hooks recorded, in call order, as
// "PostEventInterface:<cmd>", "PostEventInterfaceError:<cmd>", "ResetAppState:<n>" and
// "ui:<type>" for the UI messages the object itself sends.
class RecordingInterfaceRecv : public InterfaceRecvBase
{
public:
    RecordingInterfaceRecv()
    {
        connect(this, &InterfaceProcBase::signal_SetUiData, this,
                [this](int nType, QString qstrValue, int nValue) {
                    calls.append(QStringLiteral("ui:%1").arg(nType));
                    ui.append(QVariantList{nType, qstrValue, nValue});
                });
    }

    void PostEventInterface(HTTPEvent_KX* pEvent) override
    {
        calls.append(QStringLiteral("PostEventInterface:%1").arg(pEvent->m_nCmd));
    }
    void PostEventInterfaceError(HTTPEvent_KX* pEvent) override
    {
        calls.append(QStringLiteral("PostEventInterfaceError:%1").arg(pEvent->m_nCmd));
    }
    void ResetAppState(int nType) override
    {
        calls.append(QStringLiteral("ResetAppState:%1").arg(nType));
    }

    int finished() const
    {
        int nCount = 0;
        for (const QString& call : calls)
            nCount += call.startsWith(QLatin1String("PostEventInterface")) ? 1 : 0;
        return nCount;
    }

    QStringList calls;
    QList<QVariantList> ui;
};
