#include "grid_window/hint_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyleOption>
#include <QStylePainter>
#include <QToolTip>

THintWindow::THintWindow(QWidget *owner)
    : QLabel(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput |
                        Qt::WindowDoesNotAcceptFocus)
{
    // Looks like the platform's tool tips.
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    ensurePolished();
    setMargin(1 + style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, this));
    setFrameStyle(QFrame::NoFrame);
    setAlignment(Qt::AlignLeft);
    setIndent(1);
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hideTimer_.setSingleShot(true);
    connect(&hideTimer_, &QTimer::timeout, this, &QWidget::hide);
}

void THintWindow::ShowAt(QPoint topLeft, const QString &text, int maxWidth)
{
    setWordWrap(false);
    setText(text);
    QSize size = sizeHint();
    if (maxWidth > 0 && size.width() > maxWidth) {
        setWordWrap(true);
        size = QSize(maxWidth, heightForWidth(maxWidth));
    }
    resize(size);
    QPoint at = topLeft;
    if (const QScreen *screen = QGuiApplication::screenAt(topLeft)) {
        const QRect area = screen->availableGeometry();
        at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - size.width())));
        at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - size.height())));
    }
    move(at);
    show();
    // The platform's tool-tip rule: ten seconds and a little more for long texts.
    hideTimer_.start(10000 + 40 * int(text.size()));
}

void THintWindow::HideHint()
{
    hideTimer_.stop();
    hide();
}

void THintWindow::paintEvent(QPaintEvent *event)
{
    QStylePainter painter(this);
    QStyleOptionFrame option;
    option.initFrom(this);
    painter.drawPrimitive(QStyle::PE_PanelTipLabel, option);
    painter.end();
    QLabel::paintEvent(event);
}
