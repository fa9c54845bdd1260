#include "app/settings.h"

#include "platform/conversions.h"
#include "platform/errors.h"

namespace {
const QString &Line(const QStringList &lines, int index)
{
    if (index >= lines.size())
        throw EListError(index);
    return lines[index];
}
} // namespace

TSettings ParseSettings(const QStringList &lines)
{
    TSettings settings;
    settings.height = StrToInt(Line(lines, 0));
    settings.width = StrToInt(Line(lines, 1));
    settings.askAtStartup = StrToInt(Line(lines, 2));
    return settings;
}

QStringList SettingsLines(const TSettings &settings, std::optional<bool> askBoxTicked)
{
    QStringList lines{IntToStr(settings.height), IntToStr(settings.width),
                      IntToStr(settings.askAtStartup)};
    if (askBoxTicked)
        lines.append(*askBoxTicked ? QStringLiteral("1") : QStringLiteral("0"));
    return lines;
}
