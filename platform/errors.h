#pragma once
// The program's own error types. Everything the grid and the platform layer
// raise derives from EYearnboxError; the application shows its text.

#include <QString>
#include <exception>

class EYearnboxError : public std::exception {
public:
    explicit EYearnboxError(QString message);
    const QString &Message() const { return message_; }
    const char *what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

// A text that does not convert to the requested type.
class EConvertError : public EYearnboxError {
    using EYearnboxError::EYearnboxError;
};

// An index outside a list: "List index out of bounds (%d)".
class EListError : public EYearnboxError {
public:
    explicit EListError(int index);
};

// A file that cannot be opened, read or written.
class EInOutError : public EYearnboxError {
    using EYearnboxError::EYearnboxError;
};

// A grid cell addressed outside the grid: "Cell out of bounds (c, r)".
class ECellOutOfBounds : public EYearnboxError {
public:
    ECellOutOfBounds(int column, int row);
};
