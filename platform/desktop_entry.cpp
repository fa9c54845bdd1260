#include "platform/desktop_entry.h"

#include <algorithm>

namespace {
// The characters that make the desktop-entry rules quote an argument.
const QString kReserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
} // namespace

QString DesktopExecArgument(const QString &argument)
{
    const bool bare =
        !argument.isEmpty() && std::none_of(argument.begin(), argument.end(),
                                            [](QChar ch) { return kReserved.contains(ch); });
    QString quoted = bare ? QString() : QStringLiteral("\"");
    for (const QChar ch : argument) {
        if (ch == QLatin1Char('"') || ch == QLatin1Char('`') || ch == QLatin1Char('$'))
            quoted += QStringLiteral("\\\\");
        else if (ch == QLatin1Char('\\'))
            quoted += QStringLiteral("\\\\\\");
        else if (ch == QLatin1Char('%'))
            quoted += QLatin1Char('%');
        quoted += ch;
    }
    return bare ? quoted : quoted + QLatin1Char('"');
}

bool GioFindsExecProgram(const QString &program)
{
    return !program.contains(QLatin1Char('%'));
}

QByteArray DesktopEntryText(const TDesktopFileType &type)
{
    // Values are single lines: a line break in them would start a new key.
    const auto line = [](const char *key, const QString &value) {
        QString text = value;
        text.replace(QLatin1Char('\n'), QLatin1String("\\n"))
            .replace(QLatin1Char('\r'), QLatin1String("\\r"));
        return QLatin1String(key) + QLatin1Char('=') + text + QLatin1Char('\n');
    };
    const auto keywords = [](const QStringList &words) {
        return words.join(QLatin1Char(';')) + QLatin1Char(';');
    };
    QString comments = line("Comment", type.comment);
    QString keywordLines = line("Keywords", keywords(type.keywords));
    for (const TDesktopTranslation &translation : type.translations) {
        const QByteArray language = translation.language.toLatin1();
        comments += line(("Comment[" + language + ']').constData(), translation.comment);
        keywordLines +=
            line(("Keywords[" + language + ']').constData(), keywords(translation.keywords));
    }
    const QString text =
        QStringLiteral("[Desktop Entry]\nType=Application\n") + line("Name", type.name) + comments +
        keywordLines + line("Exec", DesktopExecArgument(type.program) + QStringLiteral(" %f")) +
        line("Icon", type.id) + line("MimeType", type.mimeType + QLatin1Char(';')) +
        QStringLiteral("Categories=Office;\nTerminal=false\n");
    return text.toUtf8();
}

QByteArray MimePackageText(const TDesktopFileType &type)
{
    const auto escaped = [](const QString &text) { return text.toHtmlEscaped(); };
    QString comments;
    for (const TDesktopTranslation &translation : type.translations)
        comments += QStringLiteral("    <comment xml:lang=\"%1\">%2</comment>\n")
                        .arg(escaped(translation.language), escaped(translation.typeComment));
    const QString text =
        QStringLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
            "  <mime-type type=\"%1\">\n"
            "    <comment>%2</comment>\n"
            "%3"
            "    <icon name=\"%4\"/>\n"
            "    <glob pattern=\"%5\"/>\n"
            "  </mime-type>\n"
            "</mime-info>\n")
            .arg(escaped(type.mimeType), escaped(type.typeComment), comments, escaped(type.id),
                 escaped(type.glob));
    return text.toUtf8();
}
