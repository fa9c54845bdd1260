#include "app/find_all_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
// A result row's index into the hits; -1 for a profile that was not read.
constexpr int kHitRole = Qt::UserRole;

QString Items(qsizetype count)
{
    return count == 1
               ? QCoreApplication::translate("TFindAllDialog", "1 item")
               : QCoreApplication::translate("TFindAllDialog", "%n items", nullptr, int(count));
}

QString Profiles(qsizetype count)
{
    return count == 1
               ? QCoreApplication::translate("TFindAllDialog", "1 profile")
               : QCoreApplication::translate("TFindAllDialog", "%n profiles", nullptr, int(count));
}
} // namespace

TFindAllDialog::TFindAllDialog(TFind find, QWidget *parent)
    : QDialog(parent), find_(std::move(find)), word_(new QLineEdit(this)),
      results_(new QTreeWidget(this)), summary_(new QLabel(this))
{
    setWindowTitle(QCoreApplication::translate("TFindAllDialog", "Find in All Profiles"));
    auto *findButton = new QPushButton(QCoreApplication::translate("TFindAllDialog", "Find"), this);
    results_->setHeaderLabels({QCoreApplication::translate("TFindAllDialog", "Profile"),
                               QCoreApplication::translate("TFindAllDialog", "Name"),
                               QCoreApplication::translate("TFindAllDialog", "Price"),
                               QCoreApplication::translate("TFindAllDialog", "Priority")});
    results_->setRootIsDecorated(false);
    results_->setUniformRowHeights(true);
    results_->header()->setStretchLastSection(false);
    results_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    results_->setColumnWidth(0, 120);
    results_->setColumnWidth(2, 80);
    results_->setColumnWidth(3, 60);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    // Not an accept button, which the box would make the default one: Enter
    // belongs to the word box (find) and the list (open), never to a button.
    open_ = buttons->addButton(QCoreApplication::translate("TFindAllDialog", "Open"),
                               QDialogButtonBox::ActionRole);
    open_->setEnabled(false);
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);

    connect(findButton, &QPushButton::clicked, this, &TFindAllDialog::Find);
    connect(word_, &QLineEdit::returnPressed, this, &TFindAllDialog::Find);
    connect(results_, &QTreeWidget::currentItemChanged, this,
            [this] { open_->setEnabled(Chosen().has_value()); });
    connect(results_, &QTreeWidget::itemActivated, this, &TFindAllDialog::Choose);
    connect(open_, &QPushButton::clicked, this, &TFindAllDialog::Choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *search = new QHBoxLayout;
    search->addWidget(word_);
    search->addWidget(findButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addWidget(results_);
    layout->addWidget(summary_);
    layout->addWidget(buttons);
    resize(560, 320);
}

void TFindAllDialog::Find()
{
    const QString word = word_->text();
    if (word.isEmpty())
        return;
    results_->clear();
    hits_.clear();
    int profilesWithHits = 0;
    int unread = 0;
    const QColor grey = palette().color(QPalette::PlaceholderText);
    for (const TProfileFindings &found : find_(word)) {
        if (!found.failure.isEmpty()) {
            ++unread;
            auto *row = new QTreeWidgetItem(
                results_, {found.profile.name,
                           QCoreApplication::translate("TFindAllDialog", "Could not be read: %1")
                               .arg(found.failure)});
            row->setData(0, kHitRole, -1);
            row->setFlags(Qt::ItemIsEnabled);
            row->setForeground(0, grey);
            row->setForeground(1, grey);
            row->setToolTip(1, found.profile.path + QLatin1Char('\n') + found.failure);
            continue;
        }
        profilesWithHits += found.items.isEmpty() ? 0 : 1;
        for (const TFoundItem &item : found.items) {
            auto *row = new QTreeWidgetItem(results_, {found.profile.name, item.name, item.price,
                                                       QString::number(item.priority)});
            row->setData(0, kHitRole, int(hits_.size()));
            row->setToolTip(0, found.profile.path);
            row->setTextAlignment(3, Qt::AlignRight);
            hits_.append({found.profile.path, item});
        }
    }
    QString summary = hits_.isEmpty()
                          ? QCoreApplication::translate("TFindAllDialog", "No results were found.")
                          : QCoreApplication::translate("TFindAllDialog", "%1 found in %2.")
                                .arg(Items(hits_.size()), Profiles(profilesWithHits));
    if (unread > 0)
        summary += QCoreApplication::translate("TFindAllDialog", " %1 could not be read.")
                       .arg(Profiles(unread));
    summary_->setText(summary);
    for (int i = 0; i < results_->topLevelItemCount(); ++i) {
        if (results_->topLevelItem(i)->data(0, kHitRole).toInt() >= 0) {
            results_->setCurrentItem(results_->topLevelItem(i));
            results_->setFocus();
            break;
        }
    }
    open_->setEnabled(Chosen().has_value());
}

std::optional<TChosenItem> TFindAllDialog::Chosen() const
{
    const QTreeWidgetItem *current = results_->currentItem();
    const int hit = current ? current->data(0, kHitRole).toInt() : -1;
    if (hit < 0)
        return std::nullopt;
    return hits_[hit];
}

void TFindAllDialog::Choose()
{
    if (Chosen())
        accept();
}
