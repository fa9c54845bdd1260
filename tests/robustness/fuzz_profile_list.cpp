// libFuzzer target: arbitrary bytes as the profile list "mpl.mpl", read as
// the main window reads it. Every drop-down entry is found again by name on a
// line of that name; written back, the lines read the same; a delete, which
// empties a line, keeps every other line where it was.

#include "app/profile_list.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines =
        ReadProfileList(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const QStringList entries = ProfileEntries(lines);
    if (entries.size() > lines.size())
        std::abort();
    for (const QString &entry : entries) {
        const int line = FindProfileLine(lines, entry);
        if (entry.isEmpty() || entry == QLatin1String("0") || entry.contains(QLatin1Char('/')) ||
            line < 0 || ProfileName(lines[line]) != entry)
            std::abort();
    }
    // Decoding is settled after one pass: what a pass wrote reads back the same.
    const QStringList again = ReadProfileList(ProfileListBytes(lines));
    if (ReadProfileList(ProfileListBytes(again)) != again || again.size() != lines.size())
        std::abort();
    if (!entries.isEmpty()) {
        QStringList deleted = again;
        const int line = FindProfileLine(deleted, entries.first());
        if (line < 0)
            std::abort();
        deleted[line].clear();
        const QStringList read = ReadProfileList(ProfileListBytes(deleted));
        if (read.size() != again.size())
            std::abort();
        for (int i = 0; i < read.size(); ++i)
            if (read[i] != (i == line ? QString() : again[i]))
                std::abort();
    }
    return 0;
}
