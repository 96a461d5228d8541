// Throughput of a bound qeldrive port against a direct transfer, both on loopback in one run.
// Usage: bench_qeldrive [MiB]   (default 100)

#include "PageServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTcpServer>
#include <QThread>

#include <cstdio>

namespace {

int freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

// Seconds for curl to fetch the URL (with proxy arguments), or -1 on failure.
double timedFetch(const QStringList& args, qint64 expectedBytes)
{
    QProcess curl;
    QElapsedTimer timer;
    timer.start();
    curl.start("curl", QStringList{"-s", "-o", "/dev/null", "-w", "%{size_download}"} + args);
    if (!curl.waitForFinished(600000) || curl.exitCode() != 0 ||
        curl.readAllStandardOutput().toLongLong() != expectedBytes)
        return -1;
    return timer.nsecsElapsed() / 1e9;
}

QString post(int apiPort, const QString& route, const QStringList& form)
{
    QProcess curl;
    QStringList args{"-s", "-d", ""};
    for (const QString& field : form)
        args << "--data-urlencode" << field;
    curl.start("curl", args << QString("http://127.0.0.1:%1%2").arg(apiPort).arg(route));
    curl.waitForFinished(10000);
    return QString::fromUtf8(curl.readAllStandardOutput());
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const qint64 mib = argc > 1 ? QString(argv[1]).toLongLong() : 100;
    const qint64 bytes = mib * 1024 * 1024;

    PageServer origin;
    const int originPort = origin.start();
    const int apiPort = freePort();
    const int proxyPort = freePort();
    QProcess drive;
    drive.setWorkingDirectory(QStringLiteral(QEL_BIN_DIR "/run"));
    drive.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    drive.start(QStringLiteral(QEL_BIN_DIR "/run/qeldrive"),
                {QString("-api_port=%1").arg(apiPort), "-user=bench", "-pwd=x",
                 QString("-proxy_port_start=%1").arg(proxyPort), "-proxy_port_num=1",
                 "-intranet_ip=127.0.0.1", "-sync_udp_port=9", "-mac_adds=", "-client_api_port=0"});
    QString answer;
    for (int i = 0; i < 50 && !answer.contains("\"code\":0"); ++i) {
        QThread::msleep(50);
        answer = post(apiPort, "/api/get_server_status", {});
    }
    answer =
        post(apiPort, "/api/set_port_session",
             {"user_session=u", "session_id=s", QString("port=%1").arg(proxyPort),
              "sn=", "server=bench", "ip=192.0.2.1", "time_type=1", "area=random-random-random"});
    if (!answer.contains("\"code\":0")) {
        std::fprintf(stderr, "binding failed: %s\n", qPrintable(answer));
        return 1;
    }

    const QString url = QString("http://127.0.0.1:%1/bytes/%2").arg(originPort).arg(bytes);
    const QString proxy = QString("127.0.0.1:%1").arg(proxyPort);
    const struct
    {
        const char* name;
        QStringList args;
    } runs[] = {{"direct", {url}},
                {"socks5 (bound port)", {"--socks5-hostname", proxy, url}},
                {"http proxy (bound port)", {"--proxy", "http://" + proxy, url}}};
    std::printf("%lld MiB over loopback\n", static_cast<long long>(mib));
    for (const auto& run : runs) {
        const double seconds = timedFetch(run.args, bytes);
        if (seconds < 0)
            std::printf("%-24s failed\n", run.name);
        else
            std::printf("%-24s %7.3f s  %8.1f MiB/s\n", run.name, seconds, mib / seconds);
    }
    drive.terminate();
    drive.waitForFinished(3000);
    return 0;
}
