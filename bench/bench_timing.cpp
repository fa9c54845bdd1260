#include "bench/bench_timing.h"

#include <algorithm>
#include <chrono>

double SecondsOf(const std::function<void()> &body)
{
    const auto start = std::chrono::steady_clock::now();
    body();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double MedianOfRuns(int runs, const std::function<double(int run)> &measure)
{
    std::vector<double> seconds;
    for (int i = runs > 1 ? -1 : 0; i < runs; ++i) {
        const double took = measure(i + 1);
        if (i >= 0)
            seconds.push_back(took);
    }
    return Median(std::move(seconds));
}
