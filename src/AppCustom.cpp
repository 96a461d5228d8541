#include "AppCustom.h"

#include "DataManager/Download/DownloadManager.h"
#include "DataManager/Language/LanguageManager.h"
#include "DataManager/ListModel/BrowserWndModel.h"
#include "DataManager/ListModel/ServiceListModels.h"
#include "DataManager/Proxy/ProxyManager.h"
#include "DataManager/Paint/PaintItem.h"
#include "DataManager/Search/SearchManager.h"
#include "Interface/GlobleParam.h"
#include "Interface/InterfaceRecv.h"
#include "Interface/ProxyGoProxy.h"
#include "PublicModule/HttpCurl/registerBase/FieldCheck.h"
#include "PublicModule/HttpCurl/registerBase/LineDraw.h"

#include <QDebug>
#include <QFont>
#include <QGuiApplication>
#include <QtQml/qqml.h>

void CAppCustom::RegisterCpp()
{
    qDebug() << "AppCustom<->RegisterCpp";
    qmlRegisterType<InterfaceRecv>("Curl.InterfaceRecv", 1, 0, "CurlInterfaceRecv");
    qmlRegisterType<GlobleParam>("Globle.Param", 1, 0, "GlobleParam");
    qmlRegisterSingletonType<LanguageManager>("Language.Param", 1, 0, "LanguageManager",
                                              virtualLanguageManager);
    qmlRegisterSingletonType<ProxyManager>("Proxy.Param", 1, 0, "ProxyManager",
                                           virtualProxyManager);
    qmlRegisterSingletonType<SearchManager>("Search.Param", 1, 0, "SearchManager",
                                            virtualSearchManager);
    qmlRegisterSingletonType<DownloadManager>("Download.Param", 1, 0, "DownloadManager",
                                              virtualDownloadManager);
    qmlRegisterSingletonType<ProxyGoProxy>("QelProxy.Param", 1, 0, "ProxyGoProxy",
                                           virtualProxyGoProxy);
    qmlRegisterSingletonType<FieldCheck>("Field.Check", 1, 0, "FieldCheck",
                                         [](QQmlEngine*, QJSEngine*) -> QObject* {
                                             return new FieldCheck;
                                         });
    qmlRegisterType<LineDraw>("System.Line", 1, 0, "SystemLine");
    qmlRegisterType<PaintItem>("PaintItemModule", 1, 0, "PaintItem");
    qmlRegisterType<NoticeListModel>("Data.ListModel", 1, 0, "NoticeListModel");
    qmlRegisterType<FeedbackCategoryModel>("Data.ListModel", 1, 0, "FeedbackCategoryModel");
    qmlRegisterType<BrowserWndModel>("Data.ListModel", 1, 0, "BrowserWndModel");
}

// Texts that name no family of their own (popups, plain texts of the kit) draw in the
// screens' family too.
void CAppCustom::InitApp()
{
    qDebug() << "AppCustom<->InitApp";
    QGuiApplication::setFont(QFont(QStringLiteral("Open Sans")));
}

// A quit by the tray or by a signal closes no window, so the settings are saved here; after
// the window's own save this does nothing.
void CAppCustom::ExitApp()
{
    if (GlobleParam* pParam = GlobleParam::GetInstance())
        pParam->clearConfig();
}
