#pragma once

#include <QFile>

namespace QtLP_Private {

// A file with an advisory whole-file record lock (fcntl); the operating system
// releases it when the process ends, however it ends.
class QtLockedFile : public QFile
{
public:
    enum LockMode
    {
        NoLock = 0,
        ReadLock,
        WriteLock
    };

    QtLockedFile() = default;
    explicit QtLockedFile(const QString& name) : QFile(name) {}
    ~QtLockedFile() override;

    bool open(QIODevice::OpenMode mode) override;
    bool lock(LockMode mode, bool block = true);
    bool unlock();
    bool isLocked() const { return m_lock_mode != NoLock; }
    LockMode lockMode() const { return m_lock_mode; }

private:
    LockMode m_lock_mode = NoLock;
};

} // namespace QtLP_Private
