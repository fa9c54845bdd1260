#include "tests/support/temp_folder.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

QByteArray TTempFolder::Read(const QString &name) const
{
    if (BeforeRead)
        BeforeRead();
    QFile file(File(name));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void TTempFolder::Write(const QString &name, const QByteArray &bytes) const
{
    QFile file(File(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

bool TTempFolder::Exists(const QString &name) const
{
    return QFileInfo::exists(File(name));
}

QByteArray ProfileBytes(const QStringList &lines)
{
    QByteArray bytes("\xFF\xFE", 2);
    for (const QString &line : lines) {
        const QString text = line + QStringLiteral("\r\n");
        for (QChar ch : text) {
            bytes.append(char(ch.unicode() & 0xFF));
            bytes.append(char(ch.unicode() >> 8));
        }
    }
    return bytes;
}
