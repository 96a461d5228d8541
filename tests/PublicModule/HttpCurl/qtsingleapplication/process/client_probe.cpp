// The client itself (its registrations and main.qml) with hooks for tests across processes:
// - "--stall" starts, once the window is up, a signed form post to "/install_log" on
//   $QEL_TEST_API_URL and a download of "/files/sample.bin" from $QEL_TEST_RES_URL, which
//   tests script to hang;
// - "--check-ip" asks for the IP check twice in a row once the window is up, and prints each
//   UI message 3 as "UI 3 " and its text in base64; it runs under the client's own id, where
//   the update program looks for it;
// - a line "close" on standard input closes the window, "tray" quits as the tray does.
#include "AppCustom.h"
#include "Interface/InterfacePost.h"
#include "PublicModule/HttpCurl/globleBase/CppDataBase.h"
#include "PublicModule/HttpCurl/registerBase/MyMenu.h"
#include "PublicModule/HttpCurl/registerBase/SystemTrayIcon.h"

#include <QDebug>
#include <QSocketNotifier>
#include <QTimer>
#include <QWindow>

#include <cstdio>

#include <unistd.h>

namespace {

std::string testUrl(const char* szVariable)
{
    return qEnvironmentVariable(szVariable).toStdString();
}

void startStalledTransfers()
{
    InterfaceRecvBase* pRecv = InterfaceRecvBase::GetInstance();
    pRecv->SetLoginDomian(testUrl("QEL_TEST_API_URL"));
    pRecv->pushInstallInfo();
    pRecv->CurlDownloadFile(testUrl("QEL_TEST_RES_URL") + "/files/sample.bin", "sample.bin",
                            "probe", DOWNLOAD_OPENPIC, 1);
}

void checkIpTwice()
{
    auto* pPost = dynamic_cast<InterfacePost*>(InterfaceRecvBase::GetInstance());
    QObject::connect(pPost, &InterfacePost::signal_SetUiData, [](int nType, const QString& text) {
        if (nType == 3)
            std::printf("UI 3 %s\n", text.toUtf8().toBase64().constData());
        std::fflush(stdout);
    });
    pPost->openCheckLocalIp(0);
    pPost->openCheckLocalIp(1);
}

void takeCommand(QSocketNotifier* pNotifier)
{
    char szLine[32] = {};
    const ssize_t nRead = ::read(STDIN_FILENO, szLine, sizeof szLine - 1);
    if (nRead <= 0) {
        pNotifier->setEnabled(false);
        return;
    }
    const QByteArray command = QByteArray(szLine, static_cast<int>(nRead)).trimmed();
    qDebug() << "client_probe: command" << command;
    if (command == "close")
        CppDataBase::GetInstance()->getMainQWindow()->close();
    else if (command == "tray")
        SystemTrayIcon().onExit();
}

} // namespace

class ClientProbe : public CAppCustom
{
public:
    ClientProbe(bool bStall, bool bCheckIp) : m_bStall(bStall), m_bCheckIp(bCheckIp) {}

    void InitApp() override
    {
        CAppCustom::InitApp();
        auto* pCommands = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, qApp);
        QObject::connect(pCommands, &QSocketNotifier::activated, qApp,
                         [pCommands] { takeCommand(pCommands); });
        // Runs once the event loop does, when main.qml has made the service object.
        if (m_bStall)
            QTimer::singleShot(0, qApp, &startStalledTransfers);
        if (m_bCheckIp)
            QTimer::singleShot(0, qApp, &checkIpTwice);
    }

private:
    bool m_bStall;
    bool m_bCheckIp;
};

int main(int argc, char** argv)
{
    const QByteArrayList args(argv + 1, argv + argc);
    const bool bCheckIp = args.contains("--check-ip");
    ClientProbe app(args.contains("--stall"), bCheckIp);
    return app.StartApp(argc, argv, bCheckIp ? "ui_qelproxy_main_abcxyz" : "ui_qelproxy_probe",
                        "main.qml", 1);
}
