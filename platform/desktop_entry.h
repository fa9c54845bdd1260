#pragma once
// The texts that tell a freedesktop desktop about a program and the file type
// it opens: a desktop entry (applications/<id>.desktop) and a shared-MIME-info
// package (mime/packages/<id>.xml).

#include <QByteArray>
#include <QString>
#include <QStringList>

// The texts a desktop shows in another language.
struct TDesktopTranslation {
    QString language; // "de"
    QString comment;
    QStringList keywords;
    QString typeComment;
};

struct TDesktopFileType {
    QString id;           // names the entry, the package and the icon: "yearnbox"
    QString name;         // the program's name in menus
    QString comment;      // what the program does
    QStringList keywords; // more words a menu search finds it by
    QString typeComment;  // what the file type is called
    QString mimeType;     // "application/x-yearnbox-profile"
    QString glob;         // "*.ybk"
    QString program;      // the executable's path, or its name on the PATH
    QByteArray iconPng;   // 64 x 64
    QList<TDesktopTranslation> translations;
};

// One Exec argument by the desktop-entry rules. One that holds a reserved
// character is put in double quotes, with '"', '`', '$' and '\' escaped by a
// backslash and, as the key's value is a string, each of those backslashes
// doubled (a '$' is written \\$, a '\' four times); one without stays bare,
// as launchers that split at blanks (xdg-open without a desktop) need. A '%'
// is written "%%" either way, so that it is no field code.
QString DesktopExecArgument(const QString &argument);

// Whether GIO keeps an entry whose Exec names this program: it looks for the
// program under the Exec text with "%%" left as it is, so a path with a '%'
// is never found.
bool GioFindsExecProgram(const QString &program);

// The entry runs the program with the document as its one argument:
// "Exec=<program> %f". Each translation adds Comment[<language>] and
// Keywords[<language>], and a <comment xml:lang> in the package.
QByteArray DesktopEntryText(const TDesktopFileType &type);
QByteArray MimePackageText(const TDesktopFileType &type);
