#include "update/UpdateApp.h"

#include "PublicModule/HttpCurl/features/NormalJson.h"
#include "PublicModule/HttpCurl/globleBase/CppDataBase.h"
#include "PublicModule/HttpCurl/qtsingleapplication/QtSingleApplication.h"
#include "update/UpdateInterface.h"

#include <QDebug>
#include <QtQml/qqml.h>

#include <cstdio>

namespace qelupdate {

namespace {

constexpr int kNoticeTimeoutMs = 500;

// Written whatever the message handler does: the one thing a person running it should see.
void tellUser(const char* szLine)
{
    std::fprintf(stderr, "update: %s\n", szLine);
    std::fflush(stderr);
}

} // namespace

int CAppCustom::StartApp(int argc, char** argv, QString qstrAppFlag, QString qstrStartQml,
                         int nValue)
{
    SetRunCmd(argc, argv);
    InstallMsgHandler();
    qDebug() << "CAppCustom Exe Begin...";
    int nResult = 0;
    if (!GetCheckEnable() || m_listCmd.contains("--help"))
        tellUser("QelProxy starts this program to check the IP address; run by hand it does "
                 "nothing");
    else
        nResult = runCheck(argc, argv, qstrAppFlag, qstrStartQml, nValue);
    qDebug() << "CAppCustom Exe End..." << nResult;
    return nResult;
}

int CAppCustom::runCheck(int argc, char** argv, const QString& qstrAppFlag,
                         const QString& qstrStartQml, int nMode)
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QtSingleApplication app(qstrAppFlag, argc, argv);
    if (!app.hasChannel())
        return 0; // the reason is on stderr already; no client can be listening
    if (nMode != 0 || !app.isRunning()) {
        tellUser("no QelProxy is running to take the answer; nothing was checked");
        return 0;
    }
    const int nResult = AppRun(app, qstrStartQml);
    // A client that ended meanwhile gets no answer.
    if (nResult != 0 || !app.isRunning())
        return nResult;
    Json::Value notice;
    notice["type"] = 3;
    notice["operate"] = "notice_window_noop";
    notice["objvalue"] = CppDataBase::GetInstance()->getSendValue().toStdString();
    app.sendMessage(QString::fromStdString(toNormalString(notice)), kNoticeTimeoutMs);
    return 0;
}

void CAppCustom::RegisterCpp()
{
    qDebug() << "AppCustom<->RegisterCpp";
    qmlRegisterType<InterfaceRecv>("Curl.InterfaceRecv", 1, 0, "CurlInterfaceRecv");
}

void CAppCustom::InitApp()
{
    qDebug() << "AppCustom<->InitApp";
}

} // namespace qelupdate
