#include "bench/bench_same_name.h"

#include "app/profile_list.h"
#include "app/same_name_search.h"
#include "grid/text_file.h"
#include "platform/errors.h"
#include "platform/files.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

int RunSameNameBench(const std::vector<std::string> &args, int runs, const TBenchTimer &time)
{
    if (args.size() != 4)
        return 2;
    const QString file = QString::fromLocal8Bit(args[1].c_str());
    const int copies = std::atoi(args[2].c_str());
    const QString name = QString::fromLocal8Bit(args[3].c_str());
    QTemporaryDir folder;
    const QString blank = folder.filePath(QStringLiteral("blank.yearnbox"));
    const QString list = folder.filePath(QStringLiteral("mpl.mpl"));
    int items = 0;
    try {
        items = int(CountLineFeeds(DecodeTextFile(ReadWholeFile(file)))) * copies;
        QStringList lines;
        for (int i = 0; i < copies; ++i) {
            lines.append(folder.filePath(QStringLiteral("profile%1.ybk").arg(i)));
            if (!QFile::copy(file, lines.last()))
                throw EInOutError(QStringLiteral("File could not be copied"));
        }
        WriteWholeFile(list, ProfileListBytes(lines));
        WriteWholeFile(blank, TextFileOrderMark(TEncodingKind::ekUnicode));
    } catch (const EYearnboxError &error) {
        std::fprintf(stderr, "%s\n", error.Message().toLocal8Bit().constData());
        return 1;
    }
    std::unique_ptr<TSameNameIndex> index;
    std::optional<TSameNameHit> hit;
    qsizetype profiles = 0;
    const auto look = [&] {
        const QList<TSearchedProfile> searched =
            ProfilesToSearch(ReadProfileList(ReadWholeFile(list)), blank, blank);
        profiles = searched.size();
        hit = index->Find(searched, name);
    };
    const double first = time([&] { index = std::make_unique<TSameNameIndex>(); }, look);
    const double kept = time([] {}, look);
    std::printf("{\"op\":\"same-name\",\"items\":%d,\"profiles\":%d,\"found\":%s,\"seconds\":%.6f,"
                "\"first_seconds\":%.6f,\"runs\":%d}\n",
                items, int(profiles), hit ? "true" : "false", kept, first, runs);
    return 0;
}
