#include "bench/bench_find_all.h"

#include "app/profile_list.h"
#include "app/profile_search.h"
#include "bench/listed_copies.h"
#include "platform/errors.h"
#include "platform/files.h"

#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>

int RunFindAllBench(const std::vector<std::string> &args, int runs, const TBenchTimer &time)
{
    if (args.size() != 4)
        return 2;
    const QString file = QString::fromLocal8Bit(args[1].c_str());
    const int copies = std::atoi(args[2].c_str());
    const QString word = QString::fromLocal8Bit(args[3].c_str());
    QTemporaryDir folder;
    TListedCopies made;
    try {
        made = MakeListedCopies(folder, file, copies);
    } catch (const EYearnboxError &error) {
        std::fprintf(stderr, "%s\n", error.Message().toLocal8Bit().constData());
        return 1;
    }
    QList<TProfileFindings> findings;
    const double seconds =
        time([] {},
             [&] {
                 const QStringList lines = ReadProfileList(ReadWholeFile(made.list));
                 findings = FindInProfiles(ProfilesToSearch(lines, made.blank, made.blank), word);
             });
    qsizetype hits = 0;
    for (const TProfileFindings &found : std::as_const(findings)) {
        if (!found.failure.isEmpty()) {
            std::fprintf(stderr, "%s\n", found.failure.toLocal8Bit().constData());
            return 1;
        }
        hits += found.items.size();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("{\"op\":\"find-all\",\"items\":%d,\"profiles\":%d,\"hits\":%lld,\"seconds\":%.6f,"
                "\"peak_rss_bytes\":%lld,\"runs\":%d}\n",
                made.items, int(findings.size()), static_cast<long long>(hits), seconds,
                static_cast<long long>(usage.ru_maxrss) * 1024, runs);
    return 0;
}
