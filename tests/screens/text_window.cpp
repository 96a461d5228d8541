// The QML baseline of scripts/measure-window: a QML window importing Qt Quick Controls 2 with
// one line of text in Open Sans, the least a window like the client's loads. It prints when
// it first showed a frame (ms since the epoch) and exits.
#include "FirstFrame.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QQmlApplicationEngine engine;
    engine.load(QUrl(QStringLiteral("qrc:/text_window.qml")));
    auto* pWindow = engine.rootObjects().isEmpty()
                        ? nullptr
                        : qobject_cast<QQuickWindow*>(engine.rootObjects().first());
    if (!pWindow)
        return 1;
    printFirstFrameAndQuit(*pWindow);
    return app.exec();
}
