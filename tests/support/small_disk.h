#pragma once
// A small tmpfs mounted for one test, where saves run out of space. Mounting
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

    // Writes the file "filler" until not one more byte fits. Returns false,
    // with the reason in Reason(), when writing stops for another cause.
    bool Fill();
    // Deletes "filler" again.
    void MakeRoom();

private:
    QTemporaryDir mountPoint_;
    bool mounted_ = false;
    QString reason_;
};
