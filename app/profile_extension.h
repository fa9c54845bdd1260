#pragma once
// The extension that names a file a profile: what a chosen name gets, what the
// desktop associates with the program and what a kept version is called.

#include <QString>

inline const QString kProfileExtension = QStringLiteral(".ybk");
