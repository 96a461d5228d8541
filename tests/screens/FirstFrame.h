#pragma once
// Shared by the reference windows of scripts/measure-window: prints when the window first
// showed a frame (ms since the epoch) and ends the program.
#include <QCoreApplication>
#include <QDateTime>
#include <QQuickWindow>
#include <QTimer>

#include <cstdio>

inline void printFirstFrameAndQuit(QQuickWindow& window)
{
    QObject::connect(&window, &QQuickWindow::frameSwapped, qApp, [] {
        static bool bShown = false;
        if (bShown)
            return;
        bShown = true;
        std::printf("%lld\n", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    });
}
