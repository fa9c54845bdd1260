#pragma once
// The association of the profile extension ".ybk" with the program.
//
// Three keys in the key store (the registry's classes root), each holding a
// default string value:
//   ".ybk"                          "Yearnbox"
//   "Yearnbox\DefaultIcon"          "<exe>", 0            (<exe> in double quotes)
//   "Yearnbox\Shell\Open\Command"   "<exe>">>%1
// When all three are written, the desktop is told too: the MIME type of
// "*.ybk" and a desktop entry whose Exec line passes the document as the
// program's one argument. The association exists once ".ybk" is in the store,
// or once the desktop's MIME database knows "*.ybk" (perhaps for another
// program, which is then left alone).

#include "platform/desktop_entry.h"
#include "platform/key_store.h"

class IDesktopRegistration;

// The icon and command values for an executable's full path.
QString AssociationIconText(const QString &executable);
QString AssociationCommandText(const QString &executable);
// The desktop's file type and entry for an executable's full path.
TDesktopFileType YearnboxFileType(const QString &executable);

class TFileAssociation {
public:
    // keyStoreRoot is $XDG_DATA_HOME/yearnbox/classes/.
    TFileAssociation(const QString &keyStoreRoot, IDesktopRegistration &desktop,
                     QString executable);

    bool AssociationExists() const;
    // Writes the three keys unless the association exists. A failure ends it
    // silently; what was written before stays.
    void WriteAssociation();

private:
    TKeyStore store_;
    IDesktopRegistration &desktop_;
    QString executable_;
};
