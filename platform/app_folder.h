#pragma once
// Where the program keeps "settings.yearnbox", "mpl.mpl" and "blank.yearnbox":
// the executable's folder when files may be created there (a portable copy, the
// build tree), otherwise $XDG_DATA_HOME/yearnbox/. Always ends with '/'.

#include <QString>

// The decision for an executable in executableFolder; creates the data folder
// when that is the one chosen. dataHome is the desktop's (TXdgFolders).
QString ChooseApplicationFolder(const QString &executableFolder, const QString &dataHome);
