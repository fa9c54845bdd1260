#pragma once
// The program's texts in the user's language: yearnbox_<language>.qm beside
// the program (a build) or under share/yearnbox/translations (an installed
// copy), with Qt's own translations for the standard dialogs.

#include <QString>
#include <QStringList>

class QCoreApplication;

// The locale variables that choose the language of messages, as read.
struct TMessageLocale {
    QString language;   // LANGUAGE: a colon-separated list of preferences
    QString lcAll;      // LC_ALL
    QString lcMessages; // LC_MESSAGES
    QString lang;       // LANG
};

TMessageLocale MessageLocaleFromEnvironment();

// The languages to look for, most wanted first ("de_DE", "fr"), as gettext
// chooses them: LANGUAGE unless the locale is C or POSIX, then the first set
// of LC_ALL, LC_MESSAGES and LANG. Encodings and modifiers are dropped.
QStringList MessageLanguages(const TMessageLocale &locale);

// Folders that may hold the .qm files of a program started from programFolder.
QStringList TranslationFolders(const QString &programFolder);

// Installs the first language's translations that exist; none for English.
// Returns the language installed, or an empty string.
QString InstallTranslations(QCoreApplication &app, const QStringList &languages,
                            const QStringList &folders);
