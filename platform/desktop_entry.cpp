#include "platform/desktop_entry.h"

QString DesktopExecArgument(const QString &argument)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar ch : argument) {
        if (ch == QLatin1Char('"') || ch == QLatin1Char('`') || ch == QLatin1Char('$'))
            quoted += QStringLiteral("\\\\");
        else if (ch == QLatin1Char('\\'))
            quoted += QStringLiteral("\\\\\\");
        else if (ch == QLatin1Char('%'))
            quoted += QLatin1Char('%');
        quoted += ch;
    }
    return quoted + QLatin1Char('"');
}

QByteArray DesktopEntryText(const TDesktopFileType &type)
{
    // Values are single lines: a line break in them would start a new key.
    const auto line = [](const char *key, const QString &value) {
        QString text = value;
        text.replace(QLatin1Char('\n'), QLatin1String("\\n")).replace(QLatin1Char('\r'), QLatin1String("\\r"));
        return QLatin1String(key) + QLatin1Char('=') + text + QLatin1Char('\n');
    };
    const QString text = QStringLiteral("[Desktop Entry]\nType=Application\n") +
                         line("Name", type.name) + line("Comment", type.comment) +
                         line("Exec", type.exec) + line("Icon", type.id) +
                         line("MimeType", type.mimeType + QLatin1Char(';')) +
                         QStringLiteral("Categories=Office;\nTerminal=false\n");
    return text.toUtf8();
}

QByteArray MimePackageText(const TDesktopFileType &type)
{
    const auto escaped = [](const QString &text) { return text.toHtmlEscaped(); };
    const QString text =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                       "  <mime-type type=\"%1\">\n"
                       "    <comment>%2</comment>\n"
                       "    <icon name=\"%3\"/>\n"
                       "    <glob pattern=\"%4\"/>\n"
                       "  </mime-type>\n"
                       "</mime-info>\n")
            .arg(escaped(type.mimeType), escaped(type.comment), escaped(type.id), escaped(type.glob));
    return text.toUtf8();
}
