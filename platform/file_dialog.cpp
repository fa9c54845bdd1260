#include "platform/file_dialog.h"

#include <QFileDialog>

std::optional<QString> TFileDialogs::Choose(const TFileDialogRequest &request)
{
    QFileDialog dialog(parent_, request.title, QString(), request.filter);
    const bool saving = request.kind == TFileDialogKind::fdSave;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !saving);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setSizeGripEnabled(true);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

TFileDialog::TFileDialog(TFileDialogKind kind, QString title, QString filter, IFileDialogs &dialogs)
    : request_{kind, std::move(title), std::move(filter), QString()}, dialogs_(dialogs)
{
}

bool TFileDialog::Execute()
{
    const std::optional<QString> chosen = dialogs_.Choose(request_);
    if (!chosen)
        return false;
    request_.fileName = *chosen;
    return true;
}
