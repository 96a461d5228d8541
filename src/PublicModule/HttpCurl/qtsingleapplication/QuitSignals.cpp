#include "QuitSignals.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The handler only writes a byte; the event loop reads it on the GUI thread.
int s_nSignalSockets[2] = {-1, -1};

void onStopSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t nWritten = ::write(s_nSignalSockets[0], &byte, 1);
}

} // namespace

void quitOnStopSignals(QCoreApplication* pApp)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, s_nSignalSockets) != 0) {
        qWarning() << "quitOnStopSignals: no socket pair, signals keep their default";
        return;
    }
    auto* pNotifier = new QSocketNotifier(s_nSignalSockets[1], QSocketNotifier::Read, pApp);
    QObject::connect(pNotifier, &QSocketNotifier::activated, pApp, [pNotifier] {
        pNotifier->setEnabled(false);
        QCoreApplication::exit(0);
    });
    struct sigaction action
    {
    };
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}
