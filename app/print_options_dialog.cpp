#include "app/print_options_dialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

QString PrintExtentText(int items, int pages)
{
    const QLocale locale;
    const QString itemText =
        items == 1 ? QCoreApplication::translate("TPrintOptionsDialog", "%1 item")
                   : QCoreApplication::translate("TPrintOptionsDialog", "%1 items", nullptr, items);
    const QString pageText =
        pages == 1 ? QCoreApplication::translate("TPrintOptionsDialog", "at least %1 page")
                   : QCoreApplication::translate("TPrintOptionsDialog", "at least %1 pages",
                                                 nullptr, pages);
    QString text =
        QCoreApplication::translate("TPrintOptionsDialog", "%1 on %2.")
            .arg(itemText.arg(locale.toString(items)), pageText.arg(locale.toString(pages)));
    if (pages > TPrintOptionsDialog::kManyPages)
        text += QCoreApplication::translate("TPrintOptionsDialog",
                                            "\nThat is a great deal of paper and takes a while.");
    return text;
}

TPrintOptionsDialog::TPrintOptionsDialog(const QString &title, int items, int markedItems,
                                         std::function<int(int)> pagesFor, QWidget *parent)
    : QDialog(parent), items_(items), markedItems_(markedItems), pagesFor_(std::move(pagesFor)),
      markedOnly_(new QCheckBox(
          QCoreApplication::translate("TPrintOptionsDialog", "Marked items only"), this)),
      extent_(new QLabel(this))
{
    setWindowTitle(title);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(markedOnly_);
    layout->addWidget(extent_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(markedOnly_, &QCheckBox::toggled, this, [this] { ShowExtent(); });
    ShowExtent();
}

void TPrintOptionsDialog::ShowExtent()
{
    const int count = markedOnly_->isChecked() ? markedItems_ : items_;
    extent_->setText(PrintExtentText(count, pagesFor_(count)));
}
