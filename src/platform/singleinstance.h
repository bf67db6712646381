#pragma once
#include <QLockFile>
#include <QString>
#include <memory>

// Keeps a second copy of the program from running: a lock file named after
// the program in a folder all users share. The lock goes with the process,
// also when it crashes.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &name, const QString &folder = {}); // default: the temp folder
    bool tryAcquire(); // false when another copy holds it
    QString lockPath() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
