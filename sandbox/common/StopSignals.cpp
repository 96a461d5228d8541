#include "StopSignals.h"

#include <pthread.h>
#include <time.h>

sigset_t blockStopSignals()
{
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    return signals;
}

bool waitForStop(const sigset_t& signals, int timeoutMs)
{
    if (timeoutMs < 0) {
        int signal = 0;
        sigwait(&signals, &signal);
        return true;
    }
    timespec wait{timeoutMs / 1000, (timeoutMs % 1000) * 1000000L};
    return sigtimedwait(&signals, nullptr, &wait) > 0;
}
