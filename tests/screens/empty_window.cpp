// The bare baseline of scripts/measure-window: an empty Qt Quick window that prints when it
// first showed a frame (ms since the epoch) and exits.
#include "FirstFrame.h"

#include <QGuiApplication>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QQuickWindow window;
    window.resize(1210, 800);
    printFirstFrameAndQuit(window);
    window.show();
    return app.exec();
}
