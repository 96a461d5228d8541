#include "CApp.h"

#include "PublicModule/Driver/UiDriver.h"
#include "PublicModule/HttpCurl/globleBase/CppDataBase.h"
#include "PublicModule/HttpCurl/globleBase/PoolDrain.h"
#include "PublicModule/HttpCurl/httpBase/HttpCurl.h"
#include "PublicModule/HttpCurl/registerBase/LocalOnlyNetwork.h"
#include "QtSingleApplication.h"
#include "QuitSignals.h"

#include <BuildConfig.h>

#include <QDateTime>
#include <QDebug>
#include <QFont>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QWindow>

#include <cstdio>
#include <memory>

#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

bool bIsDebugging = false;
QtMessageHandler globleMsgHandler = nullptr;

namespace {
// With "--print" standard output is a file of its own, so the records go there.
bool bIsPrintLog = false;
} // namespace

bool diagnosticsPrinted()
{
    return bIsPrintLog || bIsDebugging;
}

namespace {
constexpr int kControlTimeoutMs = 500;

const char* levelTag(QtMsgType typeMsg)
{
    switch (typeMsg) {
    case QtDebugMsg:
        return "[Debug]";
    case QtWarningMsg:
        return "[Error]";
    case QtCriticalMsg:
        return "[Critical]";
    case QtFatalMsg:
        return "[Fatal]";
    case QtInfoMsg:
        return "[Info]";
    }
    return "";
}

// Closing the main window ends the client. Qt's last-window rule can miss a close that comes
// while the start screen is still being made, which then shows the window again; so an
// accepted close quits here.
class CloseQuits : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (pEvent->type() != QEvent::Close || m_bClosing)
            return false;
        m_bClosing = true; // the window takes the event first, through this filter again
        QCoreApplication::sendEvent(pWatched, pEvent);
        m_bClosing = false;
        if (pEvent->isAccepted())
            QCoreApplication::exit(0);
        return true;
    }

private:
    bool m_bClosing = false;
};
} // namespace

int CApp::StartApp(int argc, char** argv, QString qstrAppFlag, QString qstrStartQml, int nValue)
{
    KeepLargeBlocksMapped();
    qDebug() << "CApp Exe Begin...";
    // The handler is decided before anything else can print, so a normal run stays quiet.
    SetRunCmd(argc, argv);
    InstallMsgHandler();
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    auto app = std::make_unique<QtSingleApplication>(qstrAppFlag, argc, argv);
    if (!app->hasChannel())
        return 1; // the reason is on standard error already
    int nResult = 0;
    if (app->isRunning()) {
        if (nValue == 1) {
            app->sendMessage(QtSingleApplication::controlMessage(2, "raise_window_noop"),
                             kControlTimeoutMs);
        } else if (nValue == 0) {
            CppDataBase* pData = CppDataBase::GetInstance();
            pData->setStartTimes(2);
            const int nPort = pData->getUdpBindPort();
            app->sendMessage(QtSingleApplication::controlMessage(2, "build_window_noop", nPort),
                             kControlTimeoutMs);
            nResult = AppRun(*app, qstrStartQml);
        }
    } else {
        OpenPrintLog();
        qDebug() << "AppRun...";
        CppDataBase::GetInstance()->setRecvBack(1);
        QObject::connect(app.get(), &QtSingleApplication::messageReceived, app.get(),
                         &QtSingleApplication::externMessageReceived);
        nResult = AppRun(*app, qstrStartQml);
    }
    qDebug() << "CApp Exe End..." << nResult;
    return nResult;
}

void CApp::UseScreenFont()
{
    QFont font = QGuiApplication::font();
    font.setFamily(QStringLiteral("Open Sans"));
    QGuiApplication::setFont(font);
}

void CApp::InitApp()
{
    qDebug() << "CApp<->InitApp...";
}

int CApp::AppRun(QtSingleApplication& appRun, QString qstrStartQml)
{
    // Taken from here on; a signal during the start ends the loop as soon as it runs.
    quitOnStopSignals(&appRun);
    QCoreApplication::setApplicationVersion(QStringLiteral(QEL_VERSION_TEXT));
    RegisterInit();
    InitApp();
    UseScreenFont();

    LocalOnlyNetwork network; // outlives the engine that uses it
    QQmlApplicationEngine engine;
    engine.setNetworkAccessManagerFactory(&network);
    engine.load(QUrl(QStringLiteral("qrc:/") + qstrStartQml));
    if (engine.rootObjects().isEmpty())
        return -1;
    auto* pMainWindow = qobject_cast<QWindow*>(engine.rootObjects().first());
    CppDataBase::GetInstance()->setMainQWindow(pMainWindow);
    if (pMainWindow)
        pMainWindow->installEventFilter(new CloseQuits(pMainWindow));
    UiDriver::startIfAsked(engine, QCoreApplication::arguments());
    const int nResult = appRun.execStart();
    // Running requests and jobs use objects the engine is about to delete. Transfers are
    // cut short so that the bounded drain is enough for them.
    HttpCurl::AbortAll();
    drainPools(kPoolDrainMs);
    ExitApp();
    CppDataBase::GetInstance()->setMainQWindow(nullptr);
    return nResult;
}

void CApp::KeepLargeBlocksMapped()
{
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
}

void CApp::ExitApp()
{
    qDebug() << "CApp<->ExitApp...";
}

void CApp::InstallMsgHandler()
{
    if (!bIsDebugging && !globleMsgHandler)
        globleMsgHandler = qInstallMessageHandler(CApp::RedirectMsgOutput);
}

void CApp::SetRunCmd(int argc, char** argv)
{
    for (int i = 0; i < argc; ++i)
        m_listCmd.append(QByteArray(argv[i]));
    InitRunCmd();
}

void CApp::InitRunCmd()
{
    if (m_listCmd.contains("--print"))
        m_bIsPrintLog = true;
    if (m_listCmd.contains("--debugging")) {
        m_bIsDebugging = true;
        bIsDebugging = true;
    }
    if (m_listCmd.contains("--check_enable"))
        m_bCheckEnable = true;
}

// Opened only by the primary: a second start must not empty the running client's file.
void CApp::OpenPrintLog()
{
    if (!m_bIsPrintLog)
        return;
    // The records name lists, histories and exits: readable by this user only.
    const int fd = ::open("CONOUT$", O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd >= 0 && ::fchmod(fd, S_IRUSR | S_IWUSR) == 0 && std::fflush(stdout) == 0 &&
        ::dup2(fd, STDOUT_FILENO) >= 0)
        bIsPrintLog = true;
    else
        qWarning() << "CApp: cannot redirect standard output";
    if (fd >= 0)
        ::close(fd);
}

QString CApp::FormatLogRecord(QtMsgType typeMsg, const QMessageLogContext& contextLog,
                              const QString& qstrMsgPut)
{
    const QString qstrTime =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    const QString qstrRecord =
        QStringLiteral("[%1][File:%2][Line:%3][Function:%4]\r\n[Detail]:[%5]\r\n")
            .arg(qstrTime, QString::fromUtf8(contextLog.file ? contextLog.file : ""),
                 QString::number(contextLog.line),
                 QString::fromUtf8(contextLog.function ? contextLog.function : ""), qstrMsgPut);
    return QString::fromLatin1(levelTag(typeMsg)) + qstrRecord;
}

void CApp::RedirectMsgOutput(QtMsgType typeMsg, const QMessageLogContext& contextLog,
                             const QString& qstrMsgPut)
{
    // A normal run prints nothing; "--debugging" keeps Qt's own output instead of this
    // handler, so the last branch below is never taken in practice.
    if (bIsPrintLog) {
        std::fputs(FormatLogRecord(typeMsg, contextLog, qstrMsgPut).toUtf8().constData(), stdout);
        std::fflush(stdout);
    }
    if (globleMsgHandler && bIsDebugging)
        globleMsgHandler(typeMsg, contextLog, qstrMsgPut);
}
