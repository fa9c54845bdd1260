// libFuzzer target: arbitrary file bytes through the text-file format in
// memory, the fast way to many executions: no file is written, and the two
// grids are made once and emptied for each input. The same properties as
// fuzz_text_file.cpp: an input ends in a loaded grid or a program error,
// whatever the grid holds saves, and that save loads back to the same text.

#include "grid_core/text_file.h"
#include "platform/errors.h"
#include "tests/support/cells_test_grid.h"

#include <cstdint>
#include <cstdlib>

namespace {
const QChar kComma(u',');
const QChar kBar(u'|');
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static TTestGrid grid;
    static TTestGrid again;
    grid.ClearRows();
    // The grids live for the whole run: what they record must not pile up.
    grid.changes.clear();
    again.changes.clear();
    const TLoadFailure failure =
        size % 2 ? TLoadFailure::lfKeepRowsRead : TLoadFailure::lfKeepPreviousRows;
    try {
        grid.LoadFromText(
            DecodeTextFile(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size))),
            kComma, kBar, failure);
    } catch (const EYearnboxError &) {
        // A refused file is a valid outcome; what the grid holds must still be sound.
    } catch (...) {
        std::abort();
    }
    const QString saved = grid.SaveToText(kComma, kBar);
    again.ClearRows();
    try {
        again.LoadFromText(DecodeTextFile(EncodeTextFile(saved, TEncodingKind::ekUnicode)), kComma,
                           kBar, TLoadFailure::lfKeepPreviousRows);
    } catch (...) {
        std::abort();
    }
    if (again.RowCount() != grid.RowCount() || again.SaveToText(kComma, kBar) != saved)
        std::abort();
    return 0;
}
