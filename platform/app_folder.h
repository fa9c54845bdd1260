#pragma once
// Where the program keeps "settings.yearnbox", "mpl.mpl" and "blank.yearnbox":
// the executable's folder when files may be created there (a portable copy, the
// build tree), otherwise $XDG_DATA_HOME/yearnbox/. Always ends with '/'. An
// installed copy always takes the data folder: it never writes among the
// system's files, not even as root.

#include <QString>

// The executable lies in <prefix>/bin of an install that holds
// <prefix>/share/applications/yearnbox.desktop.
bool IsInstalledCopy(const QString &executableFolder);

// The decision for an executable in executableFolder; creates the data folder
// when that is the one chosen. dataHome is the desktop's (TXdgFolders).
QString ChooseApplicationFolder(const QString &executableFolder, const QString &dataHome);
