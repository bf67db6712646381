#include "singleinstance.h"

#include <QDir>

SingleInstance::SingleInstance(const QString &name, const QString &folder)
    : m_path(QDir(folder.isEmpty() ? QDir::tempPath() : folder).filePath(name + QStringLiteral(".lock")))
{
}

bool SingleInstance::tryAcquire()
{
    if (m_lock && m_lock->isLocked())
        return true;
    m_lock = std::make_unique<QLockFile>(m_path);
    // Only a dead owner makes the lock stale, never its age.
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0);
}
