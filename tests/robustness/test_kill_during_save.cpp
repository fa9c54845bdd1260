// A writer saves list after list over one profile and is killed (SIGKILL) at
// random moments. After every kill the profile loads and holds one whole list
// that the writer saved, byte for byte, never a part of one or a mix of two,
// and never an older list than the last one found. KILLS sets the number of
// kills (200 by default).
//
// What a kill leaves beside the profile: the save writes an unnamed temporary
// file, links it under the profile's name plus '.' and six letters or digits,
// and renames that over the profile. A kill between the link and the rename
// leaves that name behind (a few in a thousand kills here); a kill at any
// other moment leaves nothing. Those files are never read and never replace
// the profile, and nothing else ever appears in the folder.

#include "grid_core/grid_control.h"
#include "platform/files.h"
#include "tests/robustness/generation_list.h"
#include "tests/support/cells_test_grid.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <iostream>
#include <memory>

namespace {

// Longer than a few saves of the longest list, so kills land before, inside
// and between saves.
constexpr int kMaxDelayMicroseconds = 20000;

// The name a save gives its temporary file just before the rename.
const QRegularExpression kTemporaryName(QStringLiteral("^toys\\.ybk\\.[A-Za-z0-9]{6}$"));

int KillCount()
{
    bool ok = false;
    const int kills = qEnvironmentVariableIntValue("KILLS", &ok);
    return ok && kills > 0 ? kills : 200;
}

std::unique_ptr<TTestGrid> GridOf(qint64 generation)
{
    auto grid = std::make_unique<TTestGrid>();
    for (const QStringList &row : GenerationRows(generation))
        grid->AppendRow(row);
    return grid;
}

QByteArray BytesOf(qint64 generation)
{
    return EncodeTextFile(GridOf(generation)->SaveToText(u',', u'|'), TEncodingKind::ekUnicode);
}

// Every entry of the folder but the profile.
QStringList Leftovers(const QDir &folder, const QString &profileName)
{
    QStringList names =
        folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.removeAll(profileName);
    return names;
}

} // namespace

TEST(KillDuringSave, EveryKillLeavesOneWholeListThatWasSaved)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QDir folder(dir.path());
    const QString profile = folder.filePath(QStringLiteral("toys.ybk"));
    GridOf(0)->SaveToTextFile(profile, u',', u'|', TEncodingKind::ekUnicode);

    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    const int kills = KillCount();
    qint64 found = 0;
    int newerFound = 0;
    int mostLeftovers = 0;
    QStringList leftoversSeen;
    for (int kill = 0; kill < kills; ++kill) {
        const std::string where = "kill " + std::to_string(kill) + ", seed " + std::to_string(seed);
        QProcess writer;
        writer.start(QStringLiteral(YB_PROFILE_WRITER), {profile, QString::number(found + 1)});
        ASSERT_TRUE(writer.waitForReadyRead(30000))
            << where << ": " << writer.errorString().toStdString();
        QThread::usleep(random.bounded(kMaxDelayMicroseconds));
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished(30000)) << where;
        ASSERT_EQ(writer.exitStatus(), QProcess::CrashExit)
            << where << ": " << writer.readAllStandardError().toStdString();

        TTestGrid loaded;
        ASSERT_NO_THROW(loaded.LoadFromTextFile(profile, u',', u'|')) << where;
        const std::vector<QStringList> rows = loaded.Texts();
        const qint64 generation = GenerationOfRows(rows);
        ASSERT_GE(generation, found) << where << ": the profile holds an older list or none";
        ASSERT_TRUE(rows == GenerationRows(generation))
            << where << ": the rows are not the whole list of generation " << generation << " ("
            << rows.size() << " rows, " << GenerationRows(generation).size() << " saved)";
        ASSERT_TRUE(ReadWholeFile(profile) == BytesOf(generation))
            << where << ": the file differs from the saved bytes of generation " << generation;
        newerFound += generation > found ? 1 : 0;
        found = generation;

        const QStringList leftovers = Leftovers(folder, QStringLiteral("toys.ybk"));
        mostLeftovers = std::max(mostLeftovers, int(leftovers.size()));
        for (const QString &name : leftovers) {
            ASSERT_TRUE(kTemporaryName.match(name).hasMatch())
                << where << ": unexpected file " << name.toStdString();
            if (!leftoversSeen.contains(name))
                leftoversSeen.append(name);
        }
    }
    std::cout << kills << " kills, " << newerFound << " found a newer list, last generation "
              << found << "; leftover files: at most " << mostLeftovers << " at once, "
              << leftoversSeen.size() << " names in all\n";
}
