#pragma once
// Asking the system for huge pages, for memory that will be filled whole: a
// quarter-gigabyte profile or a million rows of cells take one fault per
// 2 MiB instead of one per 4 KiB. Only advice: where huge pages are off, the
// memory has ordinary ones.

#include <cstddef>

inline constexpr size_t kHugePageBytes = 2 * 1024 * 1024;

// Advises the whole huge pages that lie inside [data, data + bytes).
void AdviseHugePages(void *data, size_t bytes);
