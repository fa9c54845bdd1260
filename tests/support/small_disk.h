#pragma once
// A small tmpfs mounted for one test, where saves run out of space or meet a
// read-only file system. Mounting
// needs root with the right to mount; where it is refused, IsMounted() is
// false and Reason() says why. The destructor unmounts it.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class TSmallDisk {
public:
    // size in the form mount's tmpfs option takes, e.g. "1m".
    explicit TSmallDisk(const QByteArray &size = "1m");
    ~TSmallDisk();
    TSmallDisk(const TSmallDisk &) = delete;
    TSmallDisk &operator=(const TSmallDisk &) = delete;

    bool IsMounted() const { return mounted_; }
    const QString &Reason() const { return reason_; }
    // The mount point, ending with '/'.
    QString Path() const { return mountPoint_.path() + QLatin1Char('/'); }

    // Writes the file "filler" until not one more byte fits, then gives back
    // the last spare bytes. Returns false, with the reason in Reason(), when
    // writing stops for another cause.
    bool Fill(qsizetype spare = 0);
    // Makes the whole disk read-only. Returns false, with the reason in
    // Reason(), when that is refused.
    bool MakeReadOnly();
    // Makes the disk writable again and deletes "filler".
    void MakeRoom();

private:
    QTemporaryDir mountPoint_;
    bool mounted_ = false;
    QString reason_;
};
