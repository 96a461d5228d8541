#pragma once

#include "QtLockedFile.h"

#include <QList>
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
    // A folder that may hold the lock file and the socket, with the name it is known by.
    struct FolderCandidate
    {
        QString qstrName;
        QString qstrPath;
    };

    // A frame announcing more than this is refused without reading it.
    static constexpr quint32 kMaxFrameBytes = 1u << 20;

    // The lock file and the socket go into this user's folder "qelproxy-<uid>" in the first
    // usable candidate, or in a later one where a primary already holds the lock. Without
    // one the peer says so on standard error, in one line naming every candidate and why it
    // failed; a lock file it cannot open is named the same way, and the peer then has no
    // folder either.
    explicit QtLocalPeer(QObject* parent = nullptr, const QString& appId = QString(),
                         const QList<FolderCandidate>& candidates = folderCandidates());

    // The socket goes first and the lock last, so a start that takes the lock never loses
    // its new socket to this peer's cleanup.
    ~QtLocalPeer() override;

    // $XDG_RUNTIME_DIR, then Qt's temporary folder ($TMPDIR, or /tmp without it).
    static QList<FolderCandidate> folderCandidates();

    bool hasFolder() const { return !folder.isEmpty(); }
    QString getFolder() const { return folder; }
    // Why there is no folder, as written on standard error; empty while there is one.
    QString getWhyNoFolder() const { return whyNoFolder; }
    bool isClient();
    bool sendMessage(const QString& message, int timeout);
    QString getSocketName() const { return socketName; }
    QString getSocketPath() const { return socketPath; }

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
    void sayWhyNot(const QString& qstrWhy);
    static FolderCandidate temporaryFolder();
    // Empty when the path can hold the socket, else why not.
    QString folderProblem(const QString& qstrPath) const;
    static QString privateFolder(const QString& qstrCandidate);
    static QString privateFolderProblem(const QString& qstrPath);
    // The first usable candidate whose lock a running primary holds, else the first usable
    // one; empty, with every candidate and its problem in pWhy, when there is none.
    QString chooseFolder(const QList<FolderCandidate>& candidates, QString* pWhy) const;
    bool isLockHeld(const QString& qstrFolder) const;

    QString id;
    QString socketName;
    QString folder;
    QString whyNoFolder;
    QString socketPath;
    QLocalServer* server = nullptr;
    QtLP_Private::QtLockedFile lockFile;

    static const char* ack;
};
