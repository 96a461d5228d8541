#include "AppCustom.h"

#include <QDebug>

void CAppCustom::RegisterCpp()
{
    qDebug() << "AppCustom<->RegisterCpp";
    // Types join here as they are built: "Curl.InterfaceRecv", "Globle.Param",
    // "Search.Param", "Proxy.Param", "Download.Param", "Language.Param",
    // "QelProxy.Param", "System.Line", "PaintItemModule".
}

void CAppCustom::InitApp()
{
    qDebug() << "AppCustom<->InitApp";
}
