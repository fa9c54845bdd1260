#include "app/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

QString Variable(const char *name)
{
    return QString::fromLocal8Bit(qgetenv(name));
}

// "de_DE.UTF-8@euro" -> "de_DE".
QString LanguageOnly(const QString &name)
{
    QString result = name;
    for (const QChar end : {QLatin1Char('@'), QLatin1Char('.')}) {
        const qsizetype at = result.indexOf(end);
        if (at >= 0)
            result.truncate(at);
    }
    return result;
}

bool IsPlainLocale(const QString &name)
{
    return name == QLatin1String("C") || name == QLatin1String("POSIX");
}

} // namespace

TMessageLocale MessageLocaleFromEnvironment()
{
    return {Variable("LANGUAGE"), Variable("LC_ALL"), Variable("LC_MESSAGES"), Variable("LANG")};
}

QStringList MessageLanguages(const TMessageLocale &locale)
{
    QString chosen;
    for (const QString *name : {&locale.lcAll, &locale.lcMessages, &locale.lang}) {
        if (!name->isEmpty()) {
            chosen = LanguageOnly(*name);
            break;
        }
    }
    // The C locale speaks English whatever LANGUAGE says.
    if (chosen.isEmpty() || IsPlainLocale(chosen))
        return {};
    QStringList languages;
    for (const QString &part : locale.language.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString language = LanguageOnly(part);
        if (!language.isEmpty() && !IsPlainLocale(language) && !languages.contains(language))
            languages.append(language);
    }
    if (!languages.contains(chosen))
        languages.append(chosen);
    return languages;
}

QStringList TranslationFolders(const QString &programFolder)
{
    const QDir folder(programFolder);
    return {folder.filePath(QStringLiteral("translations")),
            QDir::cleanPath(folder.filePath(QStringLiteral("../share/yearnbox/translations")))};
}

QString InstallTranslations(QCoreApplication &app, const QStringList &languages,
                            const QStringList &folders)
{
    for (const QString &language : languages) {
        // The texts are written in English.
        if (language == QLatin1String("en") || language.startsWith(QLatin1String("en_")))
            return {};
        for (const QString &folder : folders) {
            auto own = std::make_unique<QTranslator>(&app);
            if (!own->load(QStringLiteral("yearnbox_") + language, folder))
                continue;
            const QString found = own->language();
            QCoreApplication::installTranslator(own.release());
            auto qt = std::make_unique<QTranslator>(&app);
            if (qt->load(QStringLiteral("qtbase_") + language,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                QCoreApplication::installTranslator(qt.release());
            return found;
        }
    }
    return {};
}
