#include "bench/bench_same_name.h"

#include "app/profile_list.h"
#include "app/same_name_search.h"
#include "bench/listed_copies.h"
#include "platform/errors.h"
#include "platform/files.h"

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
    TListedCopies made;
    try {
        made = MakeListedCopies(folder, file, copies);
    } catch (const EYearnboxError &error) {
        std::fprintf(stderr, "%s\n", error.Message().toLocal8Bit().constData());
        return 1;
    }
    std::unique_ptr<TSameNameIndex> index;
    std::optional<TSameNameHit> hit;
    qsizetype profiles = 0;
    const auto look = [&] {
        const QList<TSearchedProfile> searched =
            ProfilesToSearch(ReadProfileList(ReadWholeFile(made.list)), made.blank, made.blank);
        profiles = searched.size();
        hit = index->Find(searched, name);
    };
    const double first = time([&] { index = std::make_unique<TSameNameIndex>(); }, look);
    const double kept = time([] {}, look);
    std::printf("{\"op\":\"same-name\",\"items\":%d,\"profiles\":%d,\"found\":%s,\"seconds\":%.6f,"
                "\"first_seconds\":%.6f,\"runs\":%d}\n",
                made.items, int(profiles), hit ? "true" : "false", kept, first, runs);
    return 0;
}
