#pragma once
// "Restore an Earlier Version": the kept versions of the profile shown, newest
// first, each with the time it was replaced, its item count and the names
// where it first differs from the list shown, or "unreadable" and where a
// load of it stops. Choosing one and "Restore" accepts the dialog with that
// version's file.
//
// Opening reads no version: the counts and names are filled in afterwards,
// one version per turn of the event loop, newest first, so a dialog of
// twenty versions of a huge profile opens at once and stays responsive.

#include "app/profile_backups.h"

#include <QDialog>
#include <QStringList>
#include <QTimer>

class ICellColumns;
class QTreeWidget;

class TRestoreDialog : public QDialog {
public:
    // names are the list's item names in row order; columns are the grid's,
    // which tell the fields a load would refuse.
    TRestoreDialog(const QList<TBackupEntry> &versions, const QStringList &names,
                   const ICellColumns &columns, QWidget *parent = nullptr);

    QTreeWidget *Versions() const { return versions_; }
    // The chosen version's file; empty when none is chosen.
    QString ChosenPath() const;
    // When the chosen version was saved, as the dialog shows it.
    QString ChosenSaved() const;
    // Fills in the next version still to be read; false when none is left.
    bool SummarizeNext();

private:
    QTreeWidget *versions_;
    QStringList names_;
    const ICellColumns &columns_;
    int summarized_ = 0;
    QTimer summarize_;
};
