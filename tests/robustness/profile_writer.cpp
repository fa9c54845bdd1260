// yb_profile_writer PROFILE FIRST-GENERATION
// Saves the list of each generation in turn, from FIRST-GENERATION on, over
// the one profile file, exactly as the application saves a profile, until it
// is killed. It prints "ready" once before its first save, so that whoever
// kills it knows the saving has begun. It dies with the process that
// started it.

#include "grid_core/grid_control.h"
#include "platform/errors.h"
#include "tests/robustness/generation_list.h"
#include "tests/support/cells_test_grid.h"

#include <QCoreApplication>

#include <sys/prctl.h>

#include <csignal>
#include <cstdio>

int main(int argc, char **argv)
{
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: yb_profile_writer PROFILE FIRST-GENERATION\n", stderr);
        return 2;
    }
    const QString profile = QString::fromLocal8Bit(argv[1]);
    qint64 generation = QByteArray(argv[2]).toLongLong();
    TTestGrid grid;
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    try {
        for (;; ++generation) {
            grid.ClearRows();
            for (const QStringList &row : GenerationRows(generation))
                grid.AppendRow(row);
            grid.SaveToTextFile(profile, u',', u'|', TEncodingKind::ekUnicode);
        }
    } catch (const EYearnboxError &error) {
        std::fprintf(stderr, "yb_profile_writer: generation %lld: %s\n", (long long)generation,
                     error.what());
        return 1;
    }
}
