#include "QtLocalPeer.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

const char* QtLocalPeer::ack = "ack";

// Per-connection reading state, a child of the socket so it dies with it.
struct QtLocalPeer::FrameState : QObject
{
    explicit FrameState(QObject* parent) : QObject(parent), deadline(this)
    {
        deadline.setSingleShot(true);
    }
    bool haveLength = false;
    bool done = false;
    quint32 length = 0;
    QByteArray body;
    QTimer deadline;
};

QtLocalPeer::QtLocalPeer(QObject* parent, const QString& appId,
                         const QList<FolderCandidate>& candidates)
    : QObject(parent), id(appId)
{
    QString prefix = id;
    if (id.isEmpty()) {
        id = QCoreApplication::applicationFilePath();
        prefix = id.section(QLatin1Char('/'), -1);
    }
    prefix.remove(QRegularExpression(QStringLiteral("[^a-zA-Z]")));
    prefix.truncate(6);

    const QByteArray idc = id.toUtf8();
    const quint16 idNum = qChecksum(idc.constData(), static_cast<uint>(idc.size()));
    socketName = QLatin1String("qtsingleapp-") + prefix + QLatin1Char('-') +
                 QString::number(idNum, 16) + QLatin1Char('-') +
                 QString::number(static_cast<qulonglong>(::getuid()), 16);

    server = new QLocalServer(this);
    // Only the same user may talk to the primary.
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // Both sides derive the same folder, so a start whose first candidate is unusable still
    // meets a primary in the next one; the lock file always lies beside the socket.
    QString qstrWhy;
    folder = chooseFolder(candidates, &qstrWhy);
    if (folder.isEmpty()) {
        sayWhyNot(QStringLiteral("no folder for the single-instance lock and socket: ") + qstrWhy);
        return;
    }
    socketPath = folder + QLatin1Char('/') + socketName;
    lockFile.setFileName(socketPath + QLatin1String("-lockfile"));
    // Unlike a lock held by a running primary, a file that cannot be opened is an error.
    if (!lockFile.open(QIODevice::ReadWrite)) {
        sayWhyNot(QStringLiteral("cannot open the single-instance lock file %1: %2")
                      .arg(lockFile.fileName(), lockFile.errorString()));
        folder.clear();
    }
}

// Written whatever the message handler does: without the channel the program cannot run.
void QtLocalPeer::sayWhyNot(const QString& qstrWhy)
{
    whyNoFolder = qstrWhy;
    const QString qstrLine =
        QStringLiteral("%1: %2\n").arg(QCoreApplication::applicationName(), qstrWhy);
    std::fputs(qstrLine.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

QtLocalPeer::~QtLocalPeer()
{
    server->close();
}

// The session's runtime folder comes first: every start of the user's session shares it,
// whatever TMPDIR a terminal or a menu hands on, so those starts meet. Qt's temporary folder
// serves sessions without one.
QList<QtLocalPeer::FolderCandidate> QtLocalPeer::folderCandidates()
{
    return {{QStringLiteral("XDG_RUNTIME_DIR"), qEnvironmentVariable("XDG_RUNTIME_DIR")},
            temporaryFolder()};
}

// Qt gives no path for a TMPDIR that does not exist; the reason names the folder instead.
QtLocalPeer::FolderCandidate QtLocalPeer::temporaryFolder()
{
    if (qEnvironmentVariableIsEmpty("TMPDIR"))
        return {QStringLiteral("Qt's default"), QDir::tempPath()};
    const QString qstrPath = QDir::tempPath();
    return {QStringLiteral("TMPDIR"),
            qstrPath.isEmpty() ? QDir::cleanPath(qEnvironmentVariable("TMPDIR")) : qstrPath};
}

QString QtLocalPeer::folderProblem(const QString& qstrPath) const
{
    if (qstrPath.isEmpty())
        return QStringLiteral("is not set");
    const QFileInfo info(qstrPath);
    if (!info.exists())
        return QStringLiteral("does not exist");
    if (!info.isDir())
        return QStringLiteral("is not a folder");
    if (!info.isWritable() || !info.isExecutable())
        return QStringLiteral("is not writable");
    const QByteArray path = QFile::encodeName(privateFolder(qstrPath) + QLatin1Char('/') + socketName);
    if (path.size() >= static_cast<int>(sizeof(sockaddr_un::sun_path)))
        return QStringLiteral("is too long a path for a local socket");
    return privateFolderProblem(privateFolder(qstrPath));
}

QString QtLocalPeer::privateFolder(const QString& qstrCandidate)
{
    return QFileInfo(qstrCandidate).absoluteFilePath() +
           QStringLiteral("/qelproxy-%1").arg(static_cast<qulonglong>(::getuid()));
}

// Other users can create names in a shared folder, so the lock and socket live in a folder
// of this user's own, made 0700; one that is a link, someone else's or open to others is
// not used.
QString QtLocalPeer::privateFolderProblem(const QString& qstrPath)
{
    const QByteArray path = QFile::encodeName(qstrPath);
    const QString qstrName = QFileInfo(qstrPath).fileName();
    struct stat info;
    if ((::mkdir(path.constData(), S_IRWXU) != 0 && errno != EEXIST) ||
        ::lstat(path.constData(), &info) != 0)
        return QStringLiteral("cannot hold %1: %2").arg(qstrName, QString::fromLocal8Bit(std::strerror(errno)));
    if (!S_ISDIR(info.st_mode))
        return QStringLiteral("has %1, which is not a folder").arg(qstrName);
    if (info.st_uid != ::getuid())
        return QStringLiteral("has %1 of another user").arg(qstrName);
    if (info.st_mode & (S_IRWXG | S_IRWXO))
        return QStringLiteral("has %1 open to other users").arg(qstrName);
    return QString();
}

// A later candidate may hold a primary that started while the earlier ones were unusable
// (someone else's name in the way), so a held lock anywhere wins over the order.
QString QtLocalPeer::chooseFolder(const QList<FolderCandidate>& candidates, QString* pWhy) const
{
    QStringList reasons;
    QString qstrFirst;
    for (const FolderCandidate& candidate : candidates) {
        const QString qstrProblem = folderProblem(candidate.qstrPath);
        if (!qstrProblem.isEmpty()) {
            reasons.append(QStringLiteral("%1 (%2) %3")
                               .arg(candidate.qstrName, candidate.qstrPath, qstrProblem));
            continue;
        }
        const QString qstrFolder = privateFolder(candidate.qstrPath);
        if (isLockHeld(qstrFolder))
            return qstrFolder;
        if (qstrFirst.isEmpty())
            qstrFirst = qstrFolder;
    }
    if (qstrFirst.isEmpty())
        *pWhy = reasons.join(QStringLiteral("; "));
    return qstrFirst;
}

// Asked without taking the lock, so a start never becomes a primary in a folder it only
// looks at. Only another process's lock shows: this one's are not reported.
bool QtLocalPeer::isLockHeld(const QString& qstrFolder) const
{
    const QByteArray path =
        QFile::encodeName(qstrFolder + QLatin1Char('/') + socketName + QLatin1String("-lockfile"));
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct flock lock;
    std::memset(&lock, 0, sizeof lock);
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    const bool bHeld = ::fcntl(fd, F_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
    ::close(fd);
    return bHeld;
}

bool QtLocalPeer::isClient()
{
    if (lockFile.isLocked())
        return false;
    if (!lockFile.lock(QtLP_Private::QtLockedFile::WriteLock, false))
        return true;

    bool res = server->listen(socketPath);
    if (!res && server->serverError() == QAbstractSocket::AddressInUseError) {
        // A socket file left by a primary that ended without cleaning up.
        QFile::remove(socketPath);
        res = server->listen(socketPath);
    }
    if (!res)
        qDebug("QtSingleCoreApplication: listen on local socket failed, %s",
               qPrintable(server->errorString()));
    connect(server, &QLocalServer::newConnection, this, &QtLocalPeer::receiveConnection,
            Qt::UniqueConnection);
    return false;
}

bool QtLocalPeer::sendMessage(const QString& message, int timeout)
{
    if (!isClient())
        return false;

    QLocalSocket socket;
    bool connOk = false;
    for (int i = 0; i < 2; ++i) {
        socket.connectToServer(socketPath);
        connOk = socket.waitForConnected(timeout / 2);
        if (connOk || i)
            break;
        QThread::msleep(250);
    }
    if (!connOk)
        return false;

    const QByteArray uMsg(message.toUtf8());
    QDataStream ds(&socket);
    ds.writeBytes(uMsg.constData(), static_cast<uint>(uMsg.size()));
    bool res = socket.waitForBytesWritten(timeout);
    if (res) {
        res &= socket.waitForReadyRead(timeout);
        if (res)
            res &= (socket.read(qstrlen(ack)) == ack);
    }
    return res;
}

void QtLocalPeer::receiveConnection()
{
    while (server->hasPendingConnections()) {
        QLocalSocket* socket = server->nextPendingConnection();
        if (!socket)
            return;
        if (!isSameUser(socket)) {
            dropConnection(socket);
            continue;
        }
        startFrame(socket);
    }
}

void QtLocalPeer::startFrame(QLocalSocket* socket)
{
    // Reading is event driven with bounded waits, so a silent, slow or vanishing client
    // never blocks the GUI thread or the next client.
    FrameState* state = new FrameState(socket);
    connect(&state->deadline, &QTimer::timeout, state, [this, socket, state] {
        if (state->haveLength)
            finishFrame(socket, state); // body stalled: answer with what arrived
        else
            dropConnection(socket);
    });
    connect(socket, &QLocalSocket::readyRead, state,
            [this, socket, state] { readFrame(socket, state); });
    connect(socket, &QLocalSocket::disconnected, state, [socket, state] {
        if (!state->done)
            socket->deleteLater();
    });
    state->deadline.start(kLengthWaitMs);
    readFrame(socket, state);
}

void QtLocalPeer::readFrame(QLocalSocket* socket, FrameState* state)
{
    if (state->done)
        return;
    if (!state->haveLength) {
        if (socket->bytesAvailable() < static_cast<qint64>(sizeof(quint32)))
            return;
        QDataStream ds(socket);
        ds >> state->length;
        if (state->length > kMaxFrameBytes) {
            qWarning("QtLocalPeer: Message reception failed %s", "frame too large");
            dropConnection(socket);
            return;
        }
        state->haveLength = true;
    }
    const qint64 missing = static_cast<qint64>(state->length) - state->body.size();
    if (missing > 0)
        state->body.append(socket->read(missing));
    if (state->body.size() >= static_cast<int>(state->length))
        finishFrame(socket, state);
    else
        state->deadline.start(kBodyWaitMs);
}

void QtLocalPeer::finishFrame(QLocalSocket* socket, FrameState* state)
{
    state->done = true;
    state->deadline.stop();

    const int zero = state->body.indexOf('\0');
    const QString message = QString::fromUtf8(zero < 0 ? state->body : state->body.left(zero));

    socket->write(ack, qstrlen(ack));
    socket->flush();
    // Let the client go away by itself; drop it after a while otherwise.
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(kLeaveWaitMs, socket, [socket] { dropConnection(socket); });
    emit messageReceived(message);
}

void QtLocalPeer::dropConnection(QLocalSocket* socket)
{
    socket->disconnect();
    socket->abort();
    socket->deleteLater();
}

bool QtLocalPeer::isSameUser(QLocalSocket* socket)
{
    struct ucred cred;
    socklen_t len = sizeof cred;
    if (::getsockopt(static_cast<int>(socket->socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &cred,
                     &len) != 0)
        return false;
    return cred.uid == ::getuid();
}
