#include "platform/content_hash.h"

#include <QFile>
#include <QtEndian>

#include <cstring>

namespace {
constexpr quint64 kP1 = 0x9E3779B185EBCA87ULL;
constexpr quint64 kP2 = 0xC2B2AE3D27D4EB4FULL;
constexpr quint64 kP3 = 0x165667B19E3779F9ULL;
constexpr quint64 kP4 = 0x85EBCA77C2B2AE63ULL;
constexpr quint64 kP5 = 0x27D4EB2F165667C5ULL;

constexpr quint64 Rotl(quint64 x, int r)
{
    return (x << r) | (x >> (64 - r));
}

quint64 Read64(const char *p)
{
    quint64 v;
    std::memcpy(&v, p, 8);
    return qFromLittleEndian(v);
}

quint32 Read32(const char *p)
{
    quint32 v;
    std::memcpy(&v, p, 4);
    return qFromLittleEndian(v);
}

quint64 Round(quint64 lane, quint64 input)
{
    return Rotl(lane + input * kP2, 31) * kP1;
}
quint64 Merge(quint64 hash, quint64 lane)
{
    return (hash ^ Round(0, lane)) * kP1 + kP4;
}
} // namespace

void TContentHash::Block(const char *block)
{
    for (int i = 0; i < 4; ++i)
        lanes_[i] = Round(lanes_[i], Read64(block + 8 * i));
}

void TContentHash::Add(const char *data, qsizetype size)
{
    if (!started_) {
        lanes_ = {kP1 + kP2, kP2, 0, 0 - kP1};
        started_ = true;
    }
    length_ += quint64(size);
    if (tailSize_ > 0) {
        const qsizetype take = std::min<qsizetype>(size, 32 - tailSize_);
        std::memcpy(tail_.data() + tailSize_, data, size_t(take));
        tailSize_ += take;
        data += take;
        size -= take;
        if (tailSize_ < 32)
            return;
        Block(tail_.data());
        tailSize_ = 0;
    }
    for (; size >= 32; data += 32, size -= 32)
        Block(data);
    std::memcpy(tail_.data(), data, size_t(size));
    tailSize_ = size;
}

quint64 TContentHash::Value() const
{
    quint64 hash;
    if (length_ >= 32) {
        hash = Rotl(lanes_[0], 1) + Rotl(lanes_[1], 7) + Rotl(lanes_[2], 12) + Rotl(lanes_[3], 18);
        for (const quint64 lane : lanes_)
            hash = Merge(hash, lane);
    } else {
        hash = kP5;
    }
    hash += length_;
    const char *p = tail_.data();
    qsizetype left = tailSize_;
    for (; left >= 8; p += 8, left -= 8)
        hash = Rotl(hash ^ Round(0, Read64(p)), 27) * kP1 + kP4;
    if (left >= 4) {
        hash = Rotl(hash ^ (quint64(Read32(p)) * kP1), 23) * kP2 + kP3;
        p += 4;
        left -= 4;
    }
    for (; left > 0; ++p, --left)
        hash = Rotl(hash ^ (quint64(quint8(*p)) * kP5), 11) * kP1;
    hash ^= hash >> 33;
    hash *= kP2;
    hash ^= hash >> 29;
    hash *= kP3;
    hash ^= hash >> 32;
    return hash;
}

std::optional<quint64> HashOfFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    TContentHash hash;
    QByteArray block(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 read = file.read(block.data(), block.size());
        if (read < 0)
            return std::nullopt;
        if (read == 0)
            return hash.Value();
        hash.Add(block.constData(), read);
    }
}
