#include "app/notice_line.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>

namespace {
constexpr int kShownMs = 8000;
constexpr int kMargin = 4;
} // namespace

TNoticeLine::TNoticeLine(QWidget *window) : QLabel(window)
{
    setObjectName(QStringLiteral("NoticeLine"));
    setAccessibleName(QCoreApplication::translate("TForm1", "Notice"));
    setWordWrap(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    setFrameShape(QFrame::Box);
    setMargin(kMargin);
    hide();
    hide_.setSingleShot(true);
    hide_.setInterval(kShownMs);
    connect(&hide_, &QTimer::timeout, this, &QWidget::hide);
    window->installEventFilter(this);
}

void TNoticeLine::Tell(const QString &text)
{
    setText(text);
    Place();
    show();
    raise();
    hide_.start();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

bool TNoticeLine::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::Resize && isVisible())
        Place();
    return false;
}

void TNoticeLine::Place()
{
    const QWidget *window = parentWidget();
    const int width = window->width() - 2 * kMargin;
    const int height = heightForWidth(width);
    setGeometry(kMargin, window->height() - height - kMargin, width, height);
}
