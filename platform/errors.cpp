#include "platform/errors.h"

EYearnboxError::EYearnboxError(QString message)
    : message_(std::move(message)), utf8_(message_.toUtf8()) {}

EListError::EListError(int index)
    : EYearnboxError(QStringLiteral("List index out of bounds (%1)").arg(index)) {}

ECellOutOfBounds::ECellOutOfBounds(int column, int row)
    : EYearnboxError(QStringLiteral("Cell out of bounds (%1, %2)").arg(column).arg(row)) {}
