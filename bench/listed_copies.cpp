#include "bench/listed_copies.h"

#include "app/profile_list.h"
#include "grid_core/text_file.h"
#include "platform/errors.h"
#include "platform/files.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

TListedCopies MakeListedCopies(const QTemporaryDir &folder, const QString &file, int copies)
{
    TListedCopies made{folder.filePath(QStringLiteral("blank.yearnbox")),
                       folder.filePath(QStringLiteral("mpl.mpl")), 0};
    made.items = int(CountLineFeeds(DecodeTextFile(ReadWholeFile(file)))) * copies;
    QStringList lines;
    for (int i = 0; i < copies; ++i) {
        lines.append(folder.filePath(QStringLiteral("profile%1.ybk").arg(i)));
        if (!QFile::copy(file, lines.last()))
            throw EInOutError(QStringLiteral("File could not be copied"));
    }
    WriteWholeFile(made.list, ProfileListBytes(lines));
    WriteWholeFile(made.blank, TextFileOrderMark(TEncodingKind::ekUnicode));
    return made;
}
