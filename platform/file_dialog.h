#pragma once
// File-open and file-save dialogs. A TFileDialog is the window's dialog
// component: it keeps its title, filter and the last chosen file name, which
// is the starting name of its next use. Showing goes through IFileDialogs, so
// tests choose the file instead of a person.

#include <QString>

#include <optional>

class QWidget;

enum class TFileDialogKind { fdOpen, fdSave };

struct TFileDialogRequest {
    TFileDialogKind kind = TFileDialogKind::fdOpen;
    QString title;
    QString filter;   // Qt form: "Yearnbox Profile (*.ybk)"
    QString fileName; // starting name
};

class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // The chosen file, or nothing when the user cancels.
    virtual std::optional<QString> Choose(const TFileDialogRequest &request) = 0;
};

// Real QFileDialogs: resizable, no read-only box; the save dialog asks before
// overwriting an existing file.
class TFileDialogs : public IFileDialogs {
public:
    explicit TFileDialogs(QWidget *parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget *parent) { parent_ = parent; }
    std::optional<QString> Choose(const TFileDialogRequest &request) override;

private:
    QWidget *parent_;
};

class TFileDialog {
public:
    TFileDialog(TFileDialogKind kind, QString title, QString filter, IFileDialogs &dialogs);

    // Shows the dialog; false when cancelled. The chosen name becomes FileName.
    bool Execute();
    const QString &FileName() const { return request_.fileName; }
    void SetFileName(const QString &name) { request_.fileName = name; }
    const QString &Title() const { return request_.title; }

private:
    TFileDialogRequest request_;
    IFileDialogs &dialogs_;
};
