#pragma once

#include "QtLockedFile.h"

#include <QObject>

class QLocalServer;
class QLocalSocket;

// One end of the single-instance channel: the first start of an application id holds
// the lock file and listens; every later start sends one framed message and waits
// for "ack".
class QtLocalPeer : public QObject
{
    Q_OBJECT
public:
    // A frame announcing more than this is refused without reading it.
    static constexpr quint32 kMaxFrameBytes = 1u << 20;

    explicit QtLocalPeer(QObject* parent = nullptr, const QString& appId = QString());

    bool isClient();
    bool sendMessage(const QString& message, int timeout);
    QString getSocketName() const { return socketName; }

    // Waits of the receiving side, in milliseconds.
    static constexpr int kLengthWaitMs = 30000;
    static constexpr int kBodyWaitMs = 2000;
    static constexpr int kLeaveWaitMs = 1000;

signals:
    void messageReceived(const QString& message);

protected slots:
    void receiveConnection();

private:
    struct FrameState;
    void startFrame(QLocalSocket* socket);
    void readFrame(QLocalSocket* socket, FrameState* state);
    void finishFrame(QLocalSocket* socket, FrameState* state);
    static void dropConnection(QLocalSocket* socket);
    static bool isSameUser(QLocalSocket* socket);

    QString id;
    QString socketName;
    QLocalServer* server = nullptr;
    QtLP_Private::QtLockedFile lockFile;

    static const char* ack;
};
