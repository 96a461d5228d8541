#include "Interface/InterfaceRecv.h"

#include <QDebug>

InterfaceRecv::InterfaceRecv()
{
    qDebug() << "InterfaceRecv...begin";
    g_pWebRecv = this;
}

InterfaceRecv* InterfaceRecv::GetInstance()
{
    return dynamic_cast<InterfaceRecv*>(g_pWebRecv);
}

void InterfaceRecv::PostEventInterface(HTTPEvent_KX*)
{
    qDebug() << "InterfaceRecv<->PostEventInterface...";
}

void InterfaceRecv::PostEventInterfaceError(HTTPEvent_KX*)
{
    qDebug() << "InterfaceRecv<->PostEventInterfaceError...";
}

void InterfaceRecv::SetDownloadProgressInterface(long, long, long, int)
{
    qDebug() << "InterfaceRecv<->SetDownloadProgressInterface...";
}

void InterfaceRecv::SetDownloadEventInterface(HTTPEvent_KX*)
{
    qDebug() << "InterfaceRecv<->SetDownloadEventInterface...";
}

void InterfaceRecv::ResetAppState(int)
{
    qDebug() << "InterfaceRecv<->ResetAppState...";
}
