#pragma once
// "Restore an Earlier Version": the kept versions of the profile shown, newest
// first, each with the time it was replaced, its item count and the names
// where it first differs from the list shown. Choosing one and "Restore"
// accepts the dialog with that version's file.

#include "app/profile_backups.h"

#include <QDialog>
#include <QStringList>

class QTreeWidget;

class TRestoreDialog : public QDialog {
public:
    // names are the list's item names in row order.
    TRestoreDialog(const QList<TBackupEntry> &versions, const QStringList &names,
                   QWidget *parent = nullptr);

    QTreeWidget *Versions() const { return versions_; }
    // The chosen version's file; empty when none is chosen.
    QString ChosenPath() const;

private:
    QTreeWidget *versions_;
};
