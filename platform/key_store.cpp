#include "platform/key_store.h"

#include "platform/errors.h"
#include "platform/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {
const QString kDefaultValueFile = QStringLiteral("@");
}

TKeyStore::TKeyStore(QString root) : root_(std::move(root))
{
    if (!root_.endsWith(QLatin1Char('/')))
        root_ += QLatin1Char('/');
}

QString TKeyStore::KeyFolder(const QString &key) const
{
    const QStringList parts = key.split(QLatin1Char('\\'));
    for (const QString &part : parts)
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..") ||
            part.contains(QLatin1Char('/')))
            return QString();
    return root_ + parts.join(QLatin1Char('/')) + QLatin1Char('/');
}

bool TKeyStore::KeyExists(const QString &key) const
{
    const QString folder = KeyFolder(key);
    return !folder.isEmpty() && QFileInfo(folder).isDir();
}

void TKeyStore::OpenKey(const QString &key, bool canCreate)
{
    CloseKey();
    const QString folder = KeyFolder(key);
    if (folder.isEmpty())
        throw EInOutError(
            QCoreApplication::translate("EInOutError", "Invalid key name: %1").arg(key));
    if (!QFileInfo(folder).isDir() && !(canCreate && QDir().mkpath(folder)))
        throw EInOutError(
            QCoreApplication::translate("EInOutError", "Key could not be opened: %1").arg(key));
    openKeyFolder_ = folder;
}

void TKeyStore::WriteDefaultString(const QString &value)
{
    if (openKeyFolder_.isEmpty())
        throw EInOutError(QCoreApplication::translate("EInOutError", "No key is open"));
    WriteWholeFile(openKeyFolder_ + kDefaultValueFile, value.toUtf8());
}

void TKeyStore::CloseKey()
{
    openKeyFolder_.clear();
}
