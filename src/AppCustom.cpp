#include "AppCustom.h"

#include "Interface/GlobleParam.h"

#include <QDebug>
#include <QtQml/qqml.h>

void CAppCustom::RegisterCpp()
{
    qDebug() << "AppCustom<->RegisterCpp";
    qmlRegisterType<GlobleParam>("Globle.Param", 1, 0, "GlobleParam");
    // Types join here as they are built: "Curl.InterfaceRecv", "Globle.Param",
    // "Search.Param", "Proxy.Param", "Download.Param", "Language.Param",
    // "QelProxy.Param", "System.Line", "PaintItemModule".
}

void CAppCustom::InitApp()
{
    qDebug() << "AppCustom<->InitApp";
}
