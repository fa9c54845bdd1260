#pragma once
// Two savers of one file never interleave. A save holds an advisory lock
// (flock) on the folder that holds the file, links resolved, from the moment
// it checks whether another program changed the file until its new file is
// renamed over the old one and known. The folder, not the file: each save
// renames a new file into place, so a lock on the file itself would be on a
// file that is gone by the time the next saver waits for it.
//
// Advisory: a sync tool that takes no lock is not held back, and is caught by
// the check that the lock guards. Where no lock can be had (a folder that
// cannot be opened, a file system without flock), the save goes on unlocked.

#include <QString>

class TSaveLock {
public:
    // Waits for the lock on the folder of path.
    explicit TSaveLock(const QString &path);
    ~TSaveLock();
    TSaveLock(const TSaveLock &) = delete;
    TSaveLock &operator=(const TSaveLock &) = delete;

    bool Held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

// The folder whose lock guards saves of the file at path.
QString SaveLockFolder(const QString &path);
