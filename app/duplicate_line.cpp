#include "app/duplicate_line.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kMargin = 4;
} // namespace

TDuplicateLine::TDuplicateLine(QWidget *window)
    : QFrame(window), text_(new QLabel(this)),
      saveAnyway_(new QPushButton(QCoreApplication::translate("TForm1", "Save &Anyway"), this)),
      goToItem_(new QPushButton(QCoreApplication::translate("TForm1", "&Go to Item"), this))
{
    setObjectName(QStringLiteral("DuplicateLine"));
    setAccessibleName(QCoreApplication::translate("TForm1", "Duplicate item"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    setFrameShape(QFrame::Box);
    text_->setWordWrap(true);
    text_->setForegroundRole(QPalette::ToolTipText);
    saveAnyway_->setObjectName(QStringLiteral("SaveAnyway"));
    goToItem_->setObjectName(QStringLiteral("GoToItem"));
    for (QPushButton *button : {saveAnyway_, goToItem_})
        button->setFocusPolicy(Qt::StrongFocus);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    buttons->addWidget(saveAnyway_);
    buttons->addWidget(goToItem_);
    auto *lines = new QVBoxLayout(this);
    lines->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    lines->setSpacing(kMargin);
    lines->addWidget(text_);
    lines->addLayout(buttons);
    hide();
}

void TDuplicateLine::Tell(const QString &text, const QWidget &panel)
{
    text_->setText(text);
    const int width = panel.width();
    setFixedWidth(width);
    const int height = layout()->totalHeightForWidth(width);
    setGeometry(panel.x(), panel.y() + panel.height(), width, height);
    show();
    raise();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}
