// yearnbox-gen-profile N PATH [--seed S] [--utf8]: writes a generated
// profile of N items (see profile_generator.h); seed 1 unless given.

#include "bench/profile_generator.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

int main(int argc, char **argv)
{
    const char *count = nullptr, *path = nullptr;
    uint64_t seed = 1;
    TProfileEncoding encoding = TProfileEncoding::peUtf16;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc)
            seed = std::strtoull(argv[++i], nullptr, 10);
        else if (std::strcmp(argv[i], "--utf8") == 0)
            encoding = TProfileEncoding::peUtf8;
        else if (!count)
            count = argv[i];
        else if (!path)
            path = argv[i];
        else
            path = nullptr, count = nullptr, i = argc;
    }
    char *end = nullptr;
    const long long n = count ? std::strtoll(count, &end, 10) : -1;
    if (!path || n < 0 || *end) {
        std::fputs("usage: yearnbox-gen-profile N PATH [--seed S] [--utf8]\n", stderr);
        return 2;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    WriteProfile(out, n, seed, encoding);
    out.close();
    if (!out) {
        std::fprintf(stderr, "could not write %s\n", path);
        return 1;
    }
    return 0;
}
