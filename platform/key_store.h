#pragma once
// The key store that stands in for the registry under HKEY_CLASSES_ROOT.
//
// A key is a folder below the store's root ($XDG_DATA_HOME/yearnbox/classes/);
// a sub-key is a sub-folder, so "Yearnbox\Shell\Open\Command" is the folder
// Yearnbox/Shell/Open/Command/. A key's default (unnamed) string value is the
// file "@" in its folder, in UTF-8. Key names are kept exactly as written.
// Used like a registry object: open a key, write its value, close it.

#include <QString>

class TKeyStore {
public:
    explicit TKeyStore(QString root);

    bool KeyExists(const QString &key) const;
    // Makes key the open key; with canCreate the key and its parents are
    // created as needed. Raises EInOutError when the key cannot be opened.
    void OpenKey(const QString &key, bool canCreate);
    // Writes the open key's default value. Raises EInOutError (also when no
    // key is open).
    void WriteDefaultString(const QString &value);
    void CloseKey();

    // The folder of a key; empty for a name that is no key (an empty part, "."
    // or "..", or a '/', which would leave the store).
    QString KeyFolder(const QString &key) const;

private:
    QString root_;
    QString openKeyFolder_;
};
