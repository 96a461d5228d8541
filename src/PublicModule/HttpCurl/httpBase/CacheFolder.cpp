#include "PublicModule/HttpCurl/httpBase/CacheFolder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>

#include <cerrno>
#include <climits>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
// Each level of a folder being removed holds a descriptor; a deeper one is left standing.
constexpr int kMaxDepth = 32;
// Names tried for a file being written before the write gives up.
constexpr int kTemporaryTries = 8;

bool removeAt(int dirFd, const char* szName, int nDepth);

// Removes what the folder at the name holds, working through the folder's own descriptor.
bool emptyFolderAt(int dirFd, const char* szName, int nDepth)
{
    const int fd = ::openat(dirFd, szName, kFolderFlags);
    if (fd < 0)
        return false;
    DIR* pDir = ::fdopendir(fd);
    if (!pDir) {
        ::close(fd);
        return false;
    }
    std::vector<std::string> names;
    while (const dirent* pEntry = ::readdir(pDir))
        if (std::strcmp(pEntry->d_name, ".") != 0 && std::strcmp(pEntry->d_name, "..") != 0)
            names.emplace_back(pEntry->d_name);
    bool bEmptied = true;
    for (const std::string& strName : names)
        bEmptied = removeAt(::dirfd(pDir), strName.c_str(), nDepth + 1) && bEmptied;
    ::closedir(pDir);
    return bEmptied;
}

bool removeAt(int dirFd, const char* szName, int nDepth)
{
    struct stat info;
    if (::fstatat(dirFd, szName, &info, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT;
    const bool bFolder = S_ISDIR(info.st_mode);
    if (bFolder && (nDepth >= kMaxDepth || !emptyFolderAt(dirFd, szName, nDepth)))
        return false;
    return ::unlinkat(dirFd, szName, bFolder ? AT_REMOVEDIR : 0) == 0 || errno == ENOENT;
}

bool isOwnFolder(const struct stat& info)
{
    return S_ISDIR(info.st_mode) && info.st_uid == ::getuid();
}

int openOwnFolder(int parentFd, const char* szName)
{
    const int fd = ::openat(parentFd, szName, kFolderFlags);
    struct stat info;
    if (fd >= 0 && ::fstat(fd, &info) == 0 && isOwnFolder(info))
        return fd;
    if (fd >= 0)
        ::close(fd);
    return -1;
}

// The folder at the name, made anew when what stands there is not a folder of this user.
// Only such a thing is removed: a folder another download has just made stays. One thread
// at a time, as saves run on several: a thread that saw the link another has just replaced
// would otherwise remove the new folder with what is being written in it.
int ownFolderAt(int parentFd, const char* szName)
{
    static std::mutex s_making;
    const std::lock_guard<std::mutex> lock(s_making);
    const int fd = openOwnFolder(parentFd, szName);
    if (fd >= 0)
        return fd;
    struct stat info;
    if (::fstatat(parentFd, szName, &info, AT_SYMLINK_NOFOLLOW) == 0 && !isOwnFolder(info) &&
        !removeAt(parentFd, szName, 0))
        return -1;
    if (::mkdirat(parentFd, szName, S_IRWXU) != 0 && errno != EEXIST)
        return -1;
    return openOwnFolder(parentFd, szName);
}

// The names of the folders below the one it is safe to start from (qstrBase): the program
// folder, which the caches are in, or else the folder's parent.
QStringList namesBelowBase(const QString& qstrFolder, QString& qstrBase)
{
    const QString qstrPath = QDir::cleanPath(qstrFolder);
    if (CacheFolder::isBelowProgram(qstrPath)) {
        qstrBase = QCoreApplication::applicationDirPath();
        return qstrPath.mid(qstrBase.size() + 1).split(QLatin1Char('/'));
    }
    const int nSlash = qstrPath.lastIndexOf(QLatin1Char('/'));
    qstrBase = nSlash > 0 ? qstrPath.left(nSlash) : QStringLiteral("/");
    return {qstrPath.mid(nSlash + 1)};
}

// A fixed-length name for a file being written that is new: O_EXCL refuses one that is
// taken, and a second writer of the same target picks its own.
QString temporaryName()
{
    return QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate64(), 16, 16,
                                         QLatin1Char('0'));
}

bool writeAll(int fd, const QByteArray& content)
{
    const char* pNext = content.constData();
    for (qint64 nLeft = content.size(); nLeft > 0;) {
        const ssize_t nWritten = ::write(fd, pNext, std::size_t(nLeft));
        if (nWritten < 0 && errno == EINTR)
            continue;
        if (nWritten <= 0)
            return false;
        pNext += nWritten;
        nLeft -= nWritten;
    }
    return true;
}

// What the disk refuses only when syncing (a full disk) is a failed write; a file system
// that cannot sync at all says EINVAL.
bool synced(int fd)
{
    return ::fsync(fd) == 0 || errno == EINVAL;
}

} // namespace

bool CacheFolder::isBelowProgram(const QString& qstrFolder)
{
    const QString qstrProgram = QCoreApplication::applicationDirPath();
    return !qstrProgram.isEmpty() &&
           QDir::cleanPath(qstrFolder).startsWith(qstrProgram + QLatin1Char('/'));
}

QString CacheFolder::partNameOf(const QString& qstrName)
{
    const QString qstrPart = qstrName + QStringLiteral(".part");
    if (QFile::encodeName(qstrPart).size() <= NAME_MAX)
        return qstrPart;
    const QByteArray digest =
        QCryptographicHash::hash(QFile::encodeName(qstrName), QCryptographicHash::Sha256);
    return QString::fromLatin1(digest.toHex()) + QStringLiteral(".part");
}

QString CacheFolder::fileNameOf(const QString& qstrAddress)
{
    const int nSlash = qstrAddress.lastIndexOf(QLatin1Char('/'));
    const QString qstrName = nSlash < 0 ? QString() : qstrAddress.mid(nSlash + 1);
    return isFileName(qstrName) ? qstrName : QString();
}

bool CacheFolder::isFileName(const QString& qstrName)
{
    return !qstrName.isEmpty() && qstrName != QLatin1String(".") &&
           qstrName != QLatin1String("..") && !qstrName.contains(QLatin1Char('/')) &&
           !qstrName.contains(QChar::Null);
}

CacheFolder::CacheFolder(const QString& qstrFolder, bool bMake)
{
    QString qstrBase;
    const QStringList names = namesBelowBase(qstrFolder, qstrBase);
    int fd = ::open(QFile::encodeName(qstrBase).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (const QString& qstrName : names) {
        if (fd < 0)
            return;
        const QByteArray name = QFile::encodeName(qstrName);
        int nNext = -1;
        if (isFileName(qstrName))
            nNext = bMake ? ownFolderAt(fd, name.constData()) : openOwnFolder(fd, name.constData());
        ::close(fd);
        fd = nNext;
    }
    m_fd = fd;
}

CacheFolder::~CacheFolder()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool CacheFolder::takes(const QString& qstrName) const
{
    return isOpen() && isFileName(qstrName);
}

bool CacheFolder::look(const QString& qstrName, struct stat& info) const
{
    if (!takes(qstrName))
        return false;
    const QByteArray name = QFile::encodeName(qstrName);
    return ::fstatat(m_fd, name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0;
}

bool CacheFolder::remove(const QString& qstrName) const
{
    return takes(qstrName) && removeAt(m_fd, QFile::encodeName(qstrName).constData(), 0);
}

int CacheFolder::open(const QString& qstrName, int nFlags, mode_t nMode) const
{
    if (!takes(qstrName))
        return -1;
    const QByteArray name = QFile::encodeName(qstrName);
    return ::openat(m_fd, name.constData(), nFlags | O_NOFOLLOW | O_CLOEXEC, nMode);
}

bool CacheFolder::rename(const QString& qstrFrom, const QString& qstrTo) const
{
    if (!takes(qstrFrom) || !takes(qstrTo))
        return false;
    const QByteArray from = QFile::encodeName(qstrFrom);
    return ::renameat(m_fd, from.constData(), m_fd, QFile::encodeName(qstrTo).constData()) == 0;
}

bool CacheFolder::write(const QString& qstrName, const QByteArray& content, mode_t nMode) const
{
    if (!takes(qstrName))
        return false;
    for (int nTry = 0; nTry < kTemporaryTries; ++nTry) {
        const QString qstrTemporary = temporaryName();
        const int fd = open(qstrTemporary, O_WRONLY | O_CREAT | O_EXCL, nMode);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return false;
        // The mode as asked, whatever the umask.
        const bool bWritten = ::fchmod(fd, nMode) == 0 && writeAll(fd, content) && synced(fd);
        if (::close(fd) == 0 && bWritten && rename(qstrTemporary, qstrName))
            return true;
        remove(qstrTemporary);
        return false;
    }
    return false;
}
