#pragma once
// The desktop's base folders (XDG base directories): where a user's data and
// configuration live, and the system's data folders.

#include <QString>
#include <QStringList>

struct TXdgFolders {
    QString dataHome;     // $XDG_DATA_HOME, else ~/.local/share
    QString configHome;   // $XDG_CONFIG_HOME, else ~/.config
    QStringList dataDirs; // $XDG_DATA_DIRS, else /usr/local/share and /usr/share
};

// The folders the environment names; relative paths there count as unset.
TXdgFolders XdgFoldersFromEnvironment();
