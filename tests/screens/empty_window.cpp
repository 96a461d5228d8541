// The baseline of scripts/measure-window: an empty Qt Quick window that prints when it first
// showed a frame (ms since the epoch) and exits.
#include <QDateTime>
#include <QGuiApplication>
#include <QQuickWindow>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QQuickWindow window;
    window.resize(1210, 800);
    bool bShown = false;
    QObject::connect(&window, &QQuickWindow::frameSwapped, &app, [&app, &bShown] {
        if (bShown)
            return;
        bShown = true;
        std::printf("%lld\n", static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
        std::fflush(stdout);
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    });
    window.show();
    return app.exec();
}
