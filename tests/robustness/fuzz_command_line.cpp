// libFuzzer target: arbitrary bytes as the program's arguments, split at NUL
// bytes (the first is the program's own name). Every command line parses to
// an action; a usage error says what is wrong; a file to open is a name the
// file system can be asked for.

#include "app/command_line.h"

#include <QFile>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> arguments =
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\0');
    TCommandLine line;
    try {
        line = ParseCommandLine(arguments);
    } catch (...) {
        std::abort();
    }
    if (line.action == TCommandAction::caUsageError && line.error.isEmpty())
        std::abort();
    if (!line.file.isEmpty() && QFile::decodeName(QFile::encodeName(line.file)) != line.file)
        std::abort();
    return 0;
}
