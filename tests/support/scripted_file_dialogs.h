#pragma once
// Answers file dialogs from a list prepared by the test, and remembers what
// each dialog was asked with.

#include "platform/file_dialog.h"

#include <QList>

#include <optional>

class TScriptedFileDialogs : public IFileDialogs {
public:
    // The next dialog chooses path; nullopt cancels it.
    void Answer(std::optional<QString> path) { answers.append(path); }
    std::optional<QString> Choose(const TFileDialogRequest &request) override
    {
        asked.append(request);
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }

    QList<std::optional<QString>> answers;
    QList<TFileDialogRequest> asked;
};
