#pragma once
// Timing shared by the bench commands. A run is timed on the steady clock; a
// figure is the median of the timed runs, after one untimed warm-up run unless
// a single run is asked for (so that a whole-process timing stays cold).

#include <functional>
#include <vector>

double SecondsOf(const std::function<void()> &body);
// The middle value, the mean of the two middle ones for an even count; 0 for none.
double Median(std::vector<double> values);
// measure(run) for run 0, the warm-up (only when runs > 1), then for 1..runs;
// the median of what those timed runs answered.
double MedianOfRuns(int runs, const std::function<double(int run)> &measure);
