#include "app/line_file.h"

#include "platform/files.h"

QStringList SplitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar ch = text[i];
        if (ch != QLatin1Char('\r') && ch != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (ch == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QStringList DecodeLines(const QByteArray &bytes)
{
    return SplitLines(QString::fromLocal8Bit(bytes));
}

QByteArray EncodeLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += line.toLocal8Bit();
        bytes += "\r\n";
    }
    return bytes;
}

QStringList ReadLines(const QString &path)
{
    return DecodeLines(ReadWholeFile(path));
}

void WriteLines(const QString &path, const QStringList &lines)
{
    WriteWholeFile(path, EncodeLines(lines));
}
