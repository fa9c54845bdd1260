#pragma once
// A fresh application folder per test, with helpers to read and write its files.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <functional>

class TTempFolder {
public:
    // The folder path, ending with '/'.
    QString Path() const { return dir_.path() + QLatin1Char('/'); }
    QString File(const QString &name) const { return Path() + name; }
    QByteArray Read(const QString &name) const;
    // Run before every Read: a window's saves in the background end first.
    std::function<void()> BeforeRead;
    void Write(const QString &name, const QByteArray &bytes) const;
    bool Exists(const QString &name) const;

private:
    QTemporaryDir dir_;
};

// A profile file's bytes for lines of text: FF FE, then UTF-16LE, each line ended by CR LF.
QByteArray ProfileBytes(const QStringList &lines);
