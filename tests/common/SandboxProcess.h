#pragma once

#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/features/NormalJson.h"

#include <QByteArray>
#include <QDebug>
#include <QEventLoop>
#include <QList>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProcess>
#include <QStringList>
#include <QTimer>
#include <QUrl>

#include <memory>

#include <csignal>
#include <sys/prctl.h>

#ifndef QEL_TIME_FACTOR
#define QEL_TIME_FACTOR 1
#endif

// A child that dies with the test program, so a crashed test leaves no stand-in behind.
class TestChildProcess : public QProcess
{
protected:
    void setupChildProcess() override { ::prctl(PR_SET_PDEATHSIG, SIGKILL); }
};

// Runs one stand-in program (build/bin/sandbox-*) for a test: the ports it announces on its
// first line, synchronous access to the control routes of its first listener, and a bounded
// stop when the test is done.
class SandboxProcess
{
public:
    SandboxProcess() = default;
    SandboxProcess(const SandboxProcess&) = delete;
    SandboxProcess& operator=(const SandboxProcess&) = delete;
    ~SandboxProcess() { stop(); }

    // Starts bin/<name> and reads `portCount` ports from its first line, the first of them
    // not 0; false on failure.
    bool start(const QString& name, const QStringList& args, int portCount)
    {
        stop();
        m_process.reset(new TestChildProcess);
        m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process->start(QStringLiteral(QEL_BIN_DIR "/") + name, args);
        if (!m_process->waitForStarted(kStartMs) || !readPorts(portCount)) {
            qWarning() << name << "did not start:" << m_process->errorString();
            stop();
            return false;
        }
        return true;
    }

    // SIGTERM, then kill after a bound. True when the program exited by itself with 0.
    bool stop(int timeoutMs = kStopMs)
    {
        if (!m_process)
            return false;
        bool clean = false;
        if (m_process->state() != QProcess::NotRunning) {
            m_process->terminate();
            clean = m_process->waitForFinished(timeoutMs);
            if (!clean) {
                m_process->kill();
                m_process->waitForFinished(kStopMs);
            }
        }
        clean =
            clean && m_process->exitStatus() == QProcess::NormalExit && m_process->exitCode() == 0;
        m_process.reset();
        m_ports.clear();
        return clean;
    }

    bool isRunning() const { return m_process && m_process->state() == QProcess::Running; }
    // The n-th announced port, 0 when there is none.
    int port(int n = 0) const { return m_ports.value(n); }
    static QString baseUrl(int port) { return QStringLiteral("http://127.0.0.1:%1").arg(port); }

    // Every logged request in arrival order (an empty array when it cannot be read).
    Json::Value log()
    {
        Json::Value entries;
        int status = 0;
        const QByteArray body = request("GET", "/_sandbox/log", {}, &status);
        if (status != 200 || !JsonRead::parse(body.toStdString(), entries) || !entries.isArray())
            return Json::Value(Json::arrayValue);
        return entries;
    }

    // Clears the log and all scripts.
    void reset()
    {
        int status = 0;
        request("POST", "/_sandbox/reset", {}, &status);
        if (status != 200)
            qWarning() << "sandbox reset failed, status" << status;
    }

    // Installs a script for a route; true when the program accepted it.
    bool script(const Json::Value& script)
    {
        int status = 0;
        request("POST", "/_sandbox/script", QByteArray::fromStdString(toNormalString(script)),
                &status);
        return status == 200;
    }

    // One request to the first listener, waited for in a local event loop with a time-out.
    QByteArray request(const QByteArray& verb, const QString& path, const QByteArray& body,
                       int* status)
    {
        *status = 0;
        if (!isRunning())
            return {};
        if (!m_network) {
            m_network.reset(new QNetworkAccessManager);
            m_network->setProxy(QNetworkProxy::NoProxy);
        }
        QNetworkRequest request(QUrl(baseUrl(port()) + path));
        request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
        QNetworkReply* reply = m_network->sendCustomRequest(request, verb, body);
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(kControlMs, &loop, &QEventLoop::quit);
        loop.exec();
        QByteArray answer;
        if (reply->isFinished()) {
            *status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            answer = reply->readAll();
        } else {
            reply->abort();
        }
        reply->deleteLater();
        return answer;
    }

private:
    // Generated catalogues are built before the ports are announced; sanitized builds are slower.
    static constexpr int kStartMs = 15000 * QEL_TIME_FACTOR;
    static constexpr int kStopMs = 3000;
    // A script may carry a whole catalogue answer at its cap (36 MiB), which takes about 5 s
    // to post on a busy machine.
    static constexpr int kControlMs = 30000 * QEL_TIME_FACTOR;

    bool readPorts(int portCount)
    {
        while (!m_process->canReadLine()) {
            if (!m_process->waitForReadyRead(kStartMs))
                return false;
        }
        const QStringList parts =
            QString::fromLatin1(m_process->readLine()).trimmed().split(QLatin1Char(' '));
        if (parts.size() != portCount)
            return false;
        for (const QString& part : parts)
            m_ports.append(part.toInt());
        return m_ports.first() > 0;
    }

    std::unique_ptr<QProcess> m_process;
    std::unique_ptr<QNetworkAccessManager> m_network;
    QList<int> m_ports;
};
