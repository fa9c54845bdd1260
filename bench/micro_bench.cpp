// Microbenchmarks of the data core's hot paths: parsing and encoding fields,
// creating cells and looking cells up.

#include "grid_core/cells.h"
#include "grid_core/text_file.h"
#include "platform/errors.h"
#include "tests/support/cells_fake_columns.h"

#include <benchmark/benchmark.h>

#include <QString>

namespace {

// A few typical item lines, repeated to the requested row count.
QString SampleText(int rows)
{
    static const char *const lines[] = {
        "Road bike,\"Red, 21 gears|from the shop\",$450,4,12/7/2026,0,True\r\n",
        "Wireless headphones,Check reviews before christmas,$99.95,3,3/14/2025,0,False\r\n",
        "\"\"\"Pro\"\" kettle\",\"say \"\"hi\"\"\",\"$1,250\",5,11/30/2024,0,False\r\n",
        "café table,,about $80,2,6/1/2027,0,True\r\n",
    };
    QString text;
    for (int r = 0; r < rows; ++r)
        text += QString::fromUtf8(lines[r % 4]);
    return text;
}

// Stores every field into a seven-column store, as a load does.
class TCellsTarget : public ITextFileTarget {
public:
    explicit TCellsTarget(TCells &cells) : cells_(cells) {}
    void AddRow() override { cells_.AddRow(1); }
    void StoreField(int column, int row, const QString &text) override
    {
        if (column >= cells_.ColumnCount() || row < 0)
            throw ECellOutOfBounds(column, row);
        cells_.GetCell(column, row)->SetAsString(text);
    }

private:
    TCells &cells_;
};

void BM_FieldParse(benchmark::State &state)
{
    const QString text = SampleText(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto rig = std::make_unique<TCellsRig>();
        TCellsTarget target(rig->cells);
        state.ResumeTiming();
        ParseTextFile(text, QLatin1Char(','), QLatin1Char('|'), target);
        state.PauseTiming();
        rig.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * 7);
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
}
BENCHMARK(BM_FieldParse)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_FieldEncode(benchmark::State &state)
{
    const QString fields[] = {QStringLiteral("Road bike"),
                              QStringLiteral("Red, 21 gears\r\nfrom the shop"),
                              QStringLiteral("say \"hi\""),
                              QStringLiteral("Check reviews before christmas and compare prices")};
    // Through the writer that a save uses, flushing whole lines as a save does.
    QString buffer;
    qsizetype written = 0;
    TTextFieldWriter writer(buffer, QLatin1Char(','), QLatin1Char('|'),
                            [&](QStringView lines) { written += lines.size(); });
    size_t i = 0;
    for (auto _ : state) {
        writer.Field(fields[i & 3]);
        if (++i % 7 == 0)
            writer.PutLineEnd();
        else
            writer.PutSeparator();
    }
    writer.Finish();
    benchmark::DoNotOptimize(written);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FieldEncode);

void BM_CellCreation(benchmark::State &state)
{
    for (auto _ : state) {
        TCellsRig rig;
        rig.cells.AddRow(int(state.range(0)));
        benchmark::DoNotOptimize(rig.cells.RowCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * 7);
}
BENCHMARK(BM_CellCreation)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_GetCell(benchmark::State &state)
{
    const int rows = int(state.range(0));
    TCellsRig rig(TFakeCellColumns::Application(), rows);
    unsigned seed = 12345;
    for (auto _ : state) {
        seed = seed * 1103515245u + 12345u;
        const int row = int((seed >> 8) % unsigned(rows));
        benchmark::DoNotOptimize(rig.cells.GetCell(int(seed % 7), row));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GetCell)->Arg(100000);

} // namespace

BENCHMARK_MAIN();
