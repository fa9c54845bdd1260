#include "app/profile_list.h"

#include "app/line_file.h"
#include "platform/file_identity.h"

QStringList ReadProfileList(const QByteArray &bytes)
{
    return DecodeLines(bytes);
}

QByteArray ProfileListBytes(const QStringList &lines)
{
    return EncodeLines(lines);
}

QString ProfileName(const QString &path)
{
    const QString fileName = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    return fileName.size() <= 4 ? QString() : fileName.chopped(4);
}

bool IsListedProfileName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String("0");
}

QStringList ProfileEntries(const QStringList &lines)
{
    QStringList entries;
    for (const QString &line : lines)
        if (const QString name = ProfileName(line); IsListedProfileName(name))
            entries.append(name);
    return entries;
}

bool IsSameProfileFile(const QString &a, const QString &b)
{
    // One spelling is one place, even while another program renames a file
    // over it between two looks.
    if (a == b || IsSameFile(a, b))
        return true;
    // The blank profile before its first save, a listed file since deleted.
    return !FileIdentityOf(a) && !FileIdentityOf(b) && CanonicalFilePath(a) == CanonicalFilePath(b);
}

int FindProfileLine(const QStringList &lines, const QString &name)
{
    for (int i = 0; i < lines.size(); ++i)
        if (ProfileName(lines[i]) == name)
            return i;
    return -1;
}
