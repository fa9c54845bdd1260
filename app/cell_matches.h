#pragma once
// The search panel's matching rule: whole words, not substrings.
//
// TWordMatcher is the rule prepared for one search word, so that a scan over
// many cells folds the word once and compares only where a word of the text
// could equal it: at a character that may fold to the word's first letter,
// following a blank or the start and ending at a blank or the end.

#include <QString>
#include <QStringView>

// Whether one of text's words equals word without regard to letter case.
// Words are split at every blank (code 32) only; two blanks in a row, or a
// blank at either end, give empty words, which never match, so an empty word
// or one holding a blank never matches. Case is ignored by Unicode case
// folding, for every letter: "lamp" matches "LAMP" and "é" matches "É"
// ("ß" does not match "SS", which folds to two letters).
bool CellMatches(QStringView text, QStringView word);

class TWordMatcher {
public:
    explicit TWordMatcher(QStringView word);
    // CellMatches(text, word) for the word given.
    bool Matches(QStringView text) const;

private:
    bool WordAt(QStringView text, qsizetype at) const;

    QString word_;
    bool never_;
    // The ASCII characters that fold to the word's first letter; any other
    // character beyond ASCII may fold to it too.
    char16_t lower_;
    char16_t upper_;
};
