#pragma once
// The texts that tell a freedesktop desktop about a program and the file type
// it opens: a desktop entry (applications/<id>.desktop) and a shared-MIME-info
// package (mime/packages/<id>.xml).

#include <QByteArray>
#include <QString>

struct TDesktopFileType {
    QString id;           // names the entry, the package and the icon: "yearnbox"
    QString name;         // the program's name in menus
    QString comment;      // what the file type is called
    QString mimeType;     // "application/x-yearnbox-profile"
    QString glob;         // "*.ybk"
    QString exec;         // the Exec line, arguments already quoted
    QByteArray iconPng;   // 64 x 64
};

// One Exec argument quoted by the desktop-entry rules: in double quotes, with
// '"', '`', '$' and '\' escaped by a backslash; then, as the key's value is a
// string, each of those backslashes doubled (a '$' is written \\$, a '\'
// four times), and '%' written "%%" so that it is no field code.
QString DesktopExecArgument(const QString &argument);

QByteArray DesktopEntryText(const TDesktopFileType &type);
QByteArray MimePackageText(const TDesktopFileType &type);
