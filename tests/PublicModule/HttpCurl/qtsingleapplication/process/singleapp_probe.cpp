// Runs as the primary of an application id and prints, one line each, what the
// control messages ask of the service object.
#include "PublicModule/HttpCurl/qtsingleapplication/QtSingleApplication.h"
#include "StubWebRecv.h"

#include <cstdio>

class PrintingRecv : public StubWebRecv
{
public:
    void ResetAppStateBase(int nState) override { print(QStringLiteral("RESET %1").arg(nState)); }
    void setAppSendValue(int nType, QString qstrValue, int) override
    {
        print(QStringLiteral("UI %1 %2").arg(nType).arg(qstrValue));
    }
    static void print(const QString& line)
    {
        std::printf("%s\n", line.toUtf8().constData());
        std::fflush(stdout);
    }
};

int main(int argc, char** argv)
{
    QtSingleApplication app(QString::fromLocal8Bit(argc > 1 ? argv[1] : "probe"), argc, argv);
    // A later start hands over to the primary as the client does; 3 once it was taken.
    if (app.isRunning())
        return app.sendMessage(QtSingleApplication::controlMessage(2, "raise_window_noop"), 1000)
                   ? 3
                   : 4;
    PrintingRecv recv;
    QObject::connect(&app, &QtSingleApplication::messageReceived, &app,
                     &QtSingleApplication::externMessageReceived);
    PrintingRecv::print(QStringLiteral("READY"));
    return app.execStart();
}
