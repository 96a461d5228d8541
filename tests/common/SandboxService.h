#pragma once

#include "PublicModule/HttpCurl/features/JsonRead.h"
#include "PublicModule/HttpCurl/features/NormalJson.h"

#include <QByteArray>
#include <QDebug>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProcess>
#include <QStringList>
#include <QTimer>
#include <QUrl>

#include <memory>

#ifndef QEL_TIME_FACTOR
#define QEL_TIME_FACTOR 1
#endif

// Runs the stand-in web service (build/bin/sandbox-service) for one test: free ports,
// synchronous access to its control routes, and a bounded stop when the test is done.
class SandboxService
{
public:
    SandboxService() = default;
    SandboxService(const SandboxService&) = delete;
    SandboxService& operator=(const SandboxService&) = delete;
    ~SandboxService() { stop(); }

    // Starts the program and reads its ports from the first line; false on failure.
    bool start(const QStringList& extraArgs = {})
    {
        stop();
        m_process.reset(new QProcess);
        m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QStringList args{"--api-port", "0", "--res-port", "0", "--socks-port", "0"};
        m_process->start(QStringLiteral(QEL_BIN_DIR "/sandbox-service"), args + extraArgs);
        if (!m_process->waitForStarted(kStartMs) || !readPorts()) {
            qWarning() << "sandbox-service did not start:" << m_process->errorString();
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
        m_apiPort = m_resPort = m_socksPort = 0;
        return clean;
    }

    bool isRunning() const { return m_process && m_process->state() == QProcess::Running; }
    int apiPort() const { return m_apiPort; }
    int resPort() const { return m_resPort; }
    int socksPort() const { return m_socksPort; }
    QString apiUrl() const { return baseUrl(m_apiPort); }
    QString resUrl() const { return baseUrl(m_resPort); }

    // Every logged request in arrival order (an empty array when it cannot be read).
    Json::Value log()
    {
        Json::Value entries;
        int status = 0;
        const QByteArray body = control("GET", "/_sandbox/log", {}, &status);
        if (status != 200 || !JsonRead::parse(body.toStdString(), entries) || !entries.isArray())
            return Json::Value(Json::arrayValue);
        return entries;
    }

    // Clears the log and all scripts.
    void reset()
    {
        int status = 0;
        control("POST", "/_sandbox/reset", {}, &status);
        if (status != 200)
            qWarning() << "sandbox-service reset failed, status" << status;
    }

    // Installs a script for a route; true when the program accepted it.
    bool script(const Json::Value& script)
    {
        int status = 0;
        control("POST", "/_sandbox/script", QByteArray::fromStdString(toNormalString(script)),
                &status);
        return status == 200;
    }

private:
    // Generated catalogues are built before the ports are announced; sanitized builds are slower.
    static constexpr int kStartMs = 15000 * QEL_TIME_FACTOR;
    static constexpr int kStopMs = 3000;
    static constexpr int kControlMs = 5000;

    static QString baseUrl(int port) { return QStringLiteral("http://127.0.0.1:%1").arg(port); }

    // The first line is "<api_port> <res_port> <socks_port>".
    bool readPorts()
    {
        while (!m_process->canReadLine()) {
            if (!m_process->waitForReadyRead(kStartMs))
                return false;
        }
        const QStringList parts =
            QString::fromLatin1(m_process->readLine()).trimmed().split(QLatin1Char(' '));
        if (parts.size() != 3)
            return false;
        m_apiPort = parts[0].toInt();
        m_resPort = parts[1].toInt();
        m_socksPort = parts[2].toInt();
        return m_apiPort > 0 && m_resPort > 0;
    }

    // One request to the API listener, waited for in a local event loop with a time-out.
    QByteArray control(const QByteArray& verb, const QString& path, const QByteArray& body,
                       int* status)
    {
        *status = 0;
        if (!isRunning())
            return {};
        if (!m_network) {
            m_network.reset(new QNetworkAccessManager);
            m_network->setProxy(QNetworkProxy::NoProxy);
        }
        QNetworkRequest request(QUrl(apiUrl() + path));
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

    std::unique_ptr<QProcess> m_process;
    std::unique_ptr<QNetworkAccessManager> m_network;
    int m_apiPort = 0;
    int m_resPort = 0;
    int m_socksPort = 0;
};
