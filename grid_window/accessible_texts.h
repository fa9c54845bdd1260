#pragma once
// What an assistive tool reads for the grid, in the words a sighted user
// sees: a column's name from its caption, a rate cell as its stars, a
// button-like rate cell (the same glyph for every value) as its name, a
// check-box cell as its name or its negation.

#include <QString>

// The caption without its trailing colon and blanks; accessibleName for a
// column without a caption, or whenever it is set.
QString AccessibleColumnName(const QString &caption, const QString &accessibleName);
// "Priority: 4 of 5 stars"; the column's name alone for a button.
QString AccessibleRateText(const QString &name, int value, int max, bool button);
// The name when checked ("Marked"), else "Not " and the name in lower case ("Not marked").
QString AccessibleCheckText(const QString &name, bool checked);
