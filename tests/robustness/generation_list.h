#pragma once
// The item list that a profile writer saves for one generation. Anyone who
// knows the generation can rebuild the list, and the first row's name tells
// the generation. Even generations give a few rows and odd ones a few hundred,
// so every save replaces the file by one of a very different length.

#include <QStringList>

#include <vector>

// The rows of the application's seven-column grid, each as its seven field texts.
std::vector<QStringList> GenerationRows(qint64 generation);

// The generation named by the first row, or -1 when there is none.
qint64 GenerationOfRows(const std::vector<QStringList> &rows);
