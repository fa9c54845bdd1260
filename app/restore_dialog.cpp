#include "app/restore_dialog.h"

#include "app/version_summary.h"
#include "platform/conversions.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TRestoreDialog::TRestoreDialog(const QList<TBackupEntry> &versions, const QStringList &names,
                               const ICellColumns &columns, QWidget *parent)
    : QDialog(parent), versions_(new QTreeWidget(this)), names_(names), columns_(columns)
{
    setWindowTitle(QCoreApplication::translate("TRestoreDialog", "Restore an Earlier Version"));
    versions_->setHeaderLabels(
        {QCoreApplication::translate("TRestoreDialog", "Saved"),
         QCoreApplication::translate("TRestoreDialog", "Items"),
         QCoreApplication::translate("TRestoreDialog", "First differences")});
    versions_->setRootIsDecorated(false);
    const QString dateFormat = ShortDateFormat();
    for (const TBackupEntry &version : versions) {
        // Several saves a minute are usual: the seconds tell them apart.
        const QString saved = version.time.date().toString(dateFormat) + QLatin1Char(' ') +
                              version.time.time().toString(QStringLiteral("HH:mm:ss"));
        auto *row = new QTreeWidgetItem(versions_, {saved, QStringLiteral("\u2026"), QString()});
        row->setData(0, Qt::UserRole, version.path);
        row->setTextAlignment(1, Qt::AlignRight);
    }
    summarize_.setInterval(0);
    connect(&summarize_, &QTimer::timeout, this, [this] {
        if (!SummarizeNext())
            summarize_.stop();
    });
    summarize_.start();
    versions_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton *restore = buttons->addButton(
        QCoreApplication::translate("TRestoreDialog", "Restore"), QDialogButtonBox::AcceptRole);
    restore->setEnabled(!versions.isEmpty());
    connect(versions_, &QTreeWidget::currentItemChanged, restore,
            [restore](QTreeWidgetItem *current) { restore->setEnabled(current != nullptr); });
    connect(versions_, &QTreeWidget::itemActivated, this, &QDialog::accept);
    // The newest version is the likeliest choice.
    versions_->setCurrentItem(versions_->topLevelItem(0));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(versions_);
    layout->addWidget(buttons);
    resize(520, 300);
}

QString TRestoreDialog::ChosenPath() const
{
    const QTreeWidgetItem *current = versions_->currentItem();
    return current ? current->data(0, Qt::UserRole).toString() : QString();
}

QString TRestoreDialog::ChosenSaved() const
{
    const QTreeWidgetItem *current = versions_->currentItem();
    return current ? current->text(0) : QString();
}

bool TRestoreDialog::SummarizeNext()
{
    QTreeWidgetItem *row = versions_->topLevelItem(summarized_);
    if (!row)
        return false;
    ++summarized_;
    const TVersionSummary summary =
        SummarizeVersionFile(row->data(0, Qt::UserRole).toString(), names_, columns_);
    if (summary.unreadable) {
        row->setText(1, QCoreApplication::translate("TRestoreDialog", "unreadable"));
        row->setText(2, VersionFailureText(summary));
    } else {
        row->setText(1, QLocale().toString(summary.items));
        row->setText(2, summary.firstDifferences.join(QStringLiteral(", ")));
    }
    return true;
}
