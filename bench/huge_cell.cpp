#include "bench/huge_cell.h"

#include <QFile>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace {

QString HugeCellProfile(qsizetype chars, QChar fill)
{
    QString text(chars, fill);
    text += QStringLiteral(",huge,$1,1,12/7/2026,0,False\r\n");
    for (int i = 0; i < 100; ++i)
        text += QStringLiteral("Item %1,notes,$%1,3,12/7/2026,0,False\r\n").arg(i);
    return text;
}

} // namespace

int HugeCellCommand(const std::vector<std::string> &args)
{
    if (args.size() < 3 || args.size() > 4 || (args.size() == 4 && args[3].size() != 1)) {
        std::fputs("usage: yearnbox-bench huge-cell OUT CHARS [FILL]\n", stderr);
        return 2;
    }
    const qsizetype chars = std::atoll(args[2].c_str());
    const QChar fill = args.size() == 4 ? QChar(args[3][0]) : QChar(u'x');
    const QString text = HugeCellProfile(chars, fill);
    QFile file(QString::fromLocal8Bit(args[1].c_str()));
    // FF FE, then the UTF-16 units (little-endian on this machine).
    if (!file.open(QIODevice::WriteOnly) || file.write("\xFF\xFE", 2) != 2 ||
        file.write(reinterpret_cast<const char *>(text.utf16()), text.size() * 2) !=
            text.size() * 2) {
        std::fprintf(stderr, "%s\n", file.errorString().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
