// libFuzzer target: arbitrary file bytes through the grid's load path into a
// seven-column store. Every input must end in a loaded store or a program
// error; anything else (a crash, a sanitizer report, another exception) aborts.

#include "grid/cells.h"
#include "grid/text_file.h"
#include "platform/errors.h"
#include "tests/support/cells_fake_columns.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

// Stores fields as the grid does: a place outside the grid is an error.
class TCellsTarget : public ITextFileTarget {
public:
    explicit TCellsTarget(TCells &cells) : cells_(cells) {}
    void AddRow() override { cells_.AddRow(1); }
    void StoreField(int column, int row, const QString &text) override
    {
        if (column < 0 || column >= cells_.ColumnCount() || row < 0 || row >= cells_.RowCount())
            throw ECellOutOfBounds(column, row);
        cells_.GetCell(column, row)->SetAsString(text);
    }

private:
    TCells &cells_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TCellsRig rig;
    TCellsTarget target(rig.cells);
    try {
        const QString chars =
            DecodeTextFile(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
        ParseTextFile(chars, QLatin1Char(','), QLatin1Char('|'), target);
    } catch (const EYearnboxError &) {
        // A refused file is a valid outcome; what was read must still be sound.
    } catch (...) {
        std::abort();
    }
    // Whatever was loaded must write back and every cell must be reachable.
    QString out;
    for (int r = 0; r < rig.cells.RowCount(); ++r)
        for (int c = 0; c < rig.cells.ColumnCount(); ++c) {
            TCell *cell = rig.cells.GetCell(c, r);
            if (!cell)
                std::abort();
            AppendTextField(out, cell->GetAsString(), QLatin1Char(','), QLatin1Char('|'));
        }
    (void)EncodeTextFile(out, TEncodingKind::ekUnicode);
    return 0;
}
