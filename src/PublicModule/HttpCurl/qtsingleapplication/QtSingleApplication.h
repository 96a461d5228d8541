#pragma once

#include "QtLocalPeer.h"

#include <QApplication>

#include <json/value.h>

#include <string>

// The program's application object: one instance per user and application id, with
// compact JSON control messages between starts over the local peer.
class QtSingleApplication : public QApplication
{
    Q_OBJECT
public:
    // Without a folder for the channel the reason is also shown in a window, when there is a
    // screen for one: a start from a menu shows no standard error.
    QtSingleApplication(const QString& appId, int& argc, char** argv);

    // False when no folder can hold the channel; the program must not go on then.
    bool hasChannel() const;
    bool isRunning();
    int execStart();
    int startTimes() const { return m_nStartTimes; }

    // Builds a control message in the channel's compact form.
    static QString controlMessage(int nType, const char* szOperate,
                                  const Json::Value& jsSocket = Json::Value(""));

signals:
    void messageReceived(const QString& message);

public slots:
    bool sendMessage(const QString& message, int timeout = 5000);
    void externMessageReceived(const QString& qstrValue);

private:
    void onBuildWindow(const std::string& strSocket);
    void onDeleteWindow();

    QtLocalPeer* peer = nullptr;
    int m_nStartTimes = 1;
};
