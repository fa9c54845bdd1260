// yearnbox-install-files FOLDER: writes the desktop entry and the
// shared-MIME-info package that an installed copy puts under share/, from the
// same rules the program uses when it registers its file type itself, with
// the program found on the PATH.

#include "app/file_association.h"
#include "platform/desktop_entry.h"

#include <QFile>
#include <QString>

#include <cstdio>

namespace {
bool Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size())
        return true;
    std::fprintf(stderr, "yearnbox-install-files: %s: %s\n", qPrintable(path),
                 qPrintable(file.errorString()));
    return false;
}
} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: yearnbox-install-files FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    const TDesktopFileType type = YearnboxFileType(QStringLiteral("yearnbox"));
    return Write(folder + type.id + QStringLiteral(".desktop"), DesktopEntryText(type)) &&
                   Write(folder + type.id + QStringLiteral(".xml"), MimePackageText(type))
               ? 0
               : 1;
}
