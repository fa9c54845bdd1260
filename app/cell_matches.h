#pragma once
// The search panel's matching rule: whole words, not substrings.

#include <QStringView>

// Whether one of text's words equals word without regard to letter case.
// Words are split at every blank (code 32) only; two blanks in a row, or a
// blank at either end, give empty words, which never match, so an empty word
// or one holding a blank never matches. Case is ignored by Unicode case
// folding, for every letter: "lamp" matches "LAMP" and "é" matches "É"
// ("ß" does not match "SS", which folds to two letters).
bool CellMatches(QStringView text, QStringView word);
