#pragma once
// The command-line web page, run without a window:
//   yearnbox --export-html PROFILE.ybk OUT.html
// The page of every item in the profile's order, titled with the profile's
// name, with the totals (gift_page.h). It answers the exit code as
// --export-csv does: 0; 1 after a message on stderr that names the file; 2
// when OUT is the profile itself or another profile, which is never replaced.

#include <QString>

int ExportHtmlCommand(const QString &profile, const QString &out);
