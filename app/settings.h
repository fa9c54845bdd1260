#pragma once
// "settings.yearnbox": line 1 the main window's outer height, line 2 its outer
// width, line 3 the ask-at-start-up flag, line 4 (written, never read) whether
// the association window's check box is ticked. Lines after 3 are ignored.

#include <QStringList>

#include <cstdint>
#include <optional>

struct TSettings {
    int32_t height = 0;
    int32_t width = 0;
    int32_t askAtStartup = 1;
};

// Converts lines 1 to 3, in that order. Raises EListError for a missing line
// and EConvertError for a line that is not an integer.
TSettings ParseSettings(const QStringList &lines);

// Three lines at a first run; four with the check box state.
QStringList SettingsLines(const TSettings &settings, std::optional<bool> askBoxTicked);
