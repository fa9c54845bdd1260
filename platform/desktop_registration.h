#pragma once
// Registering a program with the desktop the freedesktop way, so that opening
// a file of its type in a file manager starts it with that file.
//
// Register writes, below the user's data folder: the MIME package
// mime/packages/<id>.xml, the icon icons/hicolor/64x64/apps/<id>.png and the
// desktop entry applications/<id>.desktop, whose Exec names the program or,
// when GIO would not find the program under its path (a '%' in it), the link
// <id>/launcher/<id> to it; then, where the tools are
// installed, rebuilds the MIME database (update-mime-database) and the
// entries' MIME cache (update-desktop-database) and makes the entry the
// type's default (xdg-mime default). A tool that is missing or fails is
// passed over: the files are in place for the desktop's next rebuild.

#include "platform/desktop_entry.h"
#include "platform/xdg_folders.h"

class IDesktopRegistration {
public:
    virtual ~IDesktopRegistration() = default;
    // Whether the desktop's MIME database already has the glob ("*.ybk"),
    // whichever program it belongs to.
    virtual bool KnowsGlob(const QString &glob) const = 0;
    // Raises EInOutError when a file cannot be written.
    virtual void Register(const TDesktopFileType &type) = 0;
};

class TDesktopRegistration : public IDesktopRegistration {
public:
    explicit TDesktopRegistration(TXdgFolders folders) : folders_(std::move(folders)) {}
    bool KnowsGlob(const QString &glob) const override;
    void Register(const TDesktopFileType &type) override;

private:
    // Runs a tool, when installed, with the folders as its environment.
    void RunTool(const QString &tool, const QStringList &arguments) const;

    TXdgFolders folders_;
};
