#include "QtLockedFile.h"

#include <QDebug>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace QtLP_Private {

QtLockedFile::~QtLockedFile()
{
    if (isOpen())
        unlock();
}

bool QtLockedFile::open(QIODevice::OpenMode mode)
{
    if (mode & QIODevice::Truncate) {
        qWarning("QtLockedFile::open(): Truncate mode not allowed.");
        return false;
    }
    return QFile::open(mode);
}

bool QtLockedFile::lock(LockMode mode, bool block)
{
    if (!isOpen()) {
        qWarning("QtLockedFile::lock(): file is not opened");
        return false;
    }
    if (mode == NoLock)
        return unlock();
    if (mode == m_lock_mode)
        return true;
    if (m_lock_mode != NoLock)
        unlock();

    struct flock fl;
    std::memset(&fl, 0, sizeof fl);
    fl.l_whence = SEEK_SET;
    fl.l_type = (mode == ReadLock) ? F_RDLCK : F_WRLCK;
    const int cmd = block ? F_SETLKW : F_SETLK;
    if (fcntl(handle(), cmd, &fl) == -1) {
        if (errno != EINTR && errno != EAGAIN)
            qWarning("QtLockedFile::lock(): fcntl: %s", std::strerror(errno));
        return false;
    }
    m_lock_mode = mode;
    return true;
}

bool QtLockedFile::unlock()
{
    if (!isOpen()) {
        qWarning("QtLockedFile::unlock(): file is not opened");
        return false;
    }
    if (!isLocked())
        return true;

    struct flock fl;
    std::memset(&fl, 0, sizeof fl);
    fl.l_whence = SEEK_SET;
    fl.l_type = F_UNLCK;
    if (fcntl(handle(), F_SETLKW, &fl) == -1) {
        qWarning("QtLockedFile::lock(): fcntl: %s", std::strerror(errno));
        return false;
    }
    m_lock_mode = NoLock;
    return true;
}

} // namespace QtLP_Private
