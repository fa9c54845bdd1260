#pragma once
// What the main window is given in a bench run: no person answers. A message
// box's text goes to stderr and marks the run failed; a file dialog is
// cancelled.

#include "platform/file_dialog.h"
#include "platform/message_box.h"

#include <QString>

#include <cstdio>
#include <optional>

class TFailingMessageBoxes : public IMessageBoxes {
public:
    void ShowMessage(const QString &text) override
    {
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        shown = true;
    }
    bool shown = false;
};

class TNoFileDialogs : public IFileDialogs {
public:
    std::optional<QString> Choose(const TFileDialogRequest &) override { return std::nullopt; }
};
