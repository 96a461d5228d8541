// The client itself (its registrations and main.qml) with hooks for tests across processes:
// - "--no-folder" leaves the single-instance channel no usable folder;
// - "--stall" starts, once the window is up, a signed form post to "/install_log" on
//   $QEL_TEST_API_URL and a download of "/files/sample.bin" from $QEL_TEST_RES_URL, which
//   tests script to hang;
// - a line "close" on standard input closes the window, "tray" quits as the tray does.
#include "AppCustom.h"
#include "PublicModule/HttpCurl/InterfaceBase/InterfaceRecvBase.h"
#include "PublicModule/HttpCurl/globleBase/CppDataBase.h"
#include "PublicModule/HttpCurl/registerBase/MyMenu.h"
#include "PublicModule/HttpCurl/registerBase/SystemTrayIcon.h"

#include <QSocketNotifier>
#include <QTimer>
#include <QWindow>

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

void takeCommand(QSocketNotifier* pNotifier)
{
    char szLine[32] = {};
    const ssize_t nRead = ::read(STDIN_FILENO, szLine, sizeof szLine - 1);
    if (nRead <= 0) {
        pNotifier->setEnabled(false);
        return;
    }
    const QByteArray command = QByteArray(szLine, static_cast<int>(nRead)).trimmed();
    if (command == "close")
        CppDataBase::GetInstance()->getMainQWindow()->close();
    else if (command == "tray")
        SystemTrayIcon().onExit();
}

} // namespace

class ClientProbe : public CAppCustom
{
public:
    ClientProbe(bool bNoFolder, bool bStall) : m_bStall(bStall)
    {
        if (bNoFolder)
            m_listChannelFolders = {{"TMPDIR", "/nonexistent/qel"}, {"Qt's default", ""}};
    }

    void InitApp() override
    {
        CAppCustom::InitApp();
        auto* pCommands = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, qApp);
        QObject::connect(pCommands, &QSocketNotifier::activated, qApp,
                         [pCommands] { takeCommand(pCommands); });
        // Runs once the event loop does, when main.qml has made the service object.
        if (m_bStall)
            QTimer::singleShot(0, qApp, &startStalledTransfers);
    }

private:
    bool m_bStall;
};

int main(int argc, char** argv)
{
    const QByteArrayList args(argv + 1, argv + argc);
    ClientProbe app(args.contains("--no-folder"), args.contains("--stall"));
    return app.StartApp(argc, argv, "ui_qelproxy_probe", "main.qml", 1);
}
