#include "platform/errors.h"

#include <QCoreApplication>

EYearnboxError::EYearnboxError(QString message)
    : message_(std::move(message)), utf8_(message_.toUtf8())
{
}

EListError::EListError(int index)
    : EYearnboxError(
          QCoreApplication::translate("EYearnboxError", "List index out of bounds (%1)").arg(index))
{
}

ECellOutOfBounds::ECellOutOfBounds(int column, int row)
    : EYearnboxError(QCoreApplication::translate("EYearnboxError", "Cell out of bounds (%1, %2)")
                         .arg(column)
                         .arg(row))
{
}
