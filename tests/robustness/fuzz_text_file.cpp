// libFuzzer target: arbitrary file bytes through LoadFromTextFile into the
// seven-column grid, in both failure modes. Every input must end in a loaded
// grid or a program error; anything else (a crash, a sanitizer report,
// another exception) aborts. Whatever the grid then holds must save, and that
// save must load back to a grid that saves the same text: a load never keeps
// something that a save cannot write back.

#include "grid_core/text_file.h"
#include "platform/errors.h"
#include "tests/support/cells_test_grid.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <unistd.h>

#include <cstdint>
#include <cstdlib>

namespace {

const QChar kComma(u',');
const QChar kBar(u'|');

// One file of this process's own, rewritten for every input and removed at exit.
struct TInputFile {
    QString path = QDir::temp().filePath(QStringLiteral("yb-fuzz-%1.ybk").arg(getpid()));
    ~TInputFile() { QFile::remove(path); }
};

const QString &InputPath()
{
    static const TInputFile file;
    return file.path;
}

void WriteInput(const QByteArray &bytes)
{
    QFile file(InputPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    WriteInput(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const TLoadFailure failure =
        size % 2 ? TLoadFailure::lfKeepRowsRead : TLoadFailure::lfKeepPreviousRows;
    TTestGrid grid;
    try {
        grid.LoadFromTextFile(InputPath(), kComma, kBar, failure);
    } catch (const EYearnboxError &) {
        // A refused file is a valid outcome; what the grid holds must still be sound.
    } catch (...) {
        std::abort();
    }

    const QString saved = grid.SaveToText(kComma, kBar);
    WriteInput(EncodeTextFile(saved, TEncodingKind::ekUnicode));
    TTestGrid again;
    try {
        again.LoadFromTextFile(InputPath(), kComma, kBar, TLoadFailure::lfKeepPreviousRows);
    } catch (...) {
        std::abort();
    }
    if (again.RowCount() != grid.RowCount() || again.SaveToText(kComma, kBar) != saved)
        std::abort();
    return 0;
}
