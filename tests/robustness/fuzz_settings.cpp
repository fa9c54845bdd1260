// libFuzzer target: arbitrary bytes as "settings.yearnbox". The file is read
// as the main window reads it: its lines converted to integers (a program
// error for a file that holds none), the sizes put through the window's size
// limits. Written back, the values read the same.

#include "app/line_file.h"
#include "app/settings.h"
#include "app/window_size_rules.h"
#include "platform/errors.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines =
        SplitLines(QString::fromLocal8Bit(reinterpret_cast<const char *>(data), qsizetype(size)));
    TSettings settings;
    try {
        settings = ParseSettings(lines);
    } catch (const EYearnboxError &) {
        return 0;
    } catch (...) {
        std::abort();
    }
    const TSettings back = ParseSettings(SettingsLines(settings, true));
    if (back.height != settings.height || back.width != settings.width ||
        back.askAtStartup != settings.askAtStartup)
        std::abort();
    int width = settings.width;
    int height = settings.height;
    bool allowed = true;
    FormCanResize(width, height, allowed);
    if (allowed && (width < 643 || width > 950 || height < 396 || height > 559))
        std::abort();
    return 0;
}
