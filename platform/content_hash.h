#pragma once
// A 64-bit hash of a file's bytes (the xxHash64 function), fed in pieces of
// any size: the same bytes give the same hash however they are cut. Fast
// enough to run beside a save of a quarter gigabyte; used to tell versions of
// a file apart, never for security.

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

class TContentHash {
public:
    void Add(const char *data, qsizetype size);
    quint64 Value() const;

private:
    void Block(const char *block);

    std::array<quint64, 4> lanes_{};
    std::array<char, 32> tail_{};
    qsizetype tailSize_ = 0;
    quint64 length_ = 0;
    bool started_ = false;
};

// The hash of a whole file's bytes; none when it cannot be read.
std::optional<quint64> HashOfFile(const QString &path);
