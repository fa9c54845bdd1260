// The content hash: the published xxHash64 values, whatever the pieces the
// bytes come in, and a file's hash read back equal to the one its writer saw.

#include "platform/content_hash.h"
#include "platform/files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(ContentHash, GivesTheXxHash64OfTheBytesHoweverTheyAreCut)
{
    struct Case {
        QByteArray bytes;
        quint64 hash;
    };
    const Case cases[] = {
        {"", 0xEF46DB3751D8E999ULL},
        {"a", 0xD24EC4F1A98C6E5BULL},
        {"abc", 0x44BC2CF5AD770999ULL},
    };
    for (const Case &c : cases) {
        TContentHash hash;
        hash.Add(c.bytes.constData(), c.bytes.size());
        EXPECT_EQ(hash.Value(), c.hash) << c.bytes.constData();
    }
    QByteArray long_(1000, '\0');
    for (int i = 0; i < long_.size(); ++i)
        long_[i] = char(i * 7);
    TContentHash whole;
    whole.Add(long_.constData(), long_.size());
    for (const int piece : {1, 5, 31, 32, 33, 100}) {
        TContentHash cut;
        for (qsizetype at = 0; at < long_.size(); at += piece)
            cut.Add(long_.constData() + at, std::min<qsizetype>(piece, long_.size() - at));
        EXPECT_EQ(cut.Value(), whole.Value()) << piece;
    }
    QTemporaryDir dir;
    const QString path = dir.filePath("f");
    TWholeFileWriter writer(path);
    writer.Write(long_.left(333));
    writer.Write(long_.mid(333));
    writer.Commit();
    EXPECT_EQ(writer.ContentHash(), whole.Value());
    EXPECT_EQ(HashOfFile(path), whole.Value());
}
