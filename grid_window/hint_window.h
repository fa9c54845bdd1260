#pragma once
// The grid's hint window: a tool-tip-looking label whose top-left corner sits
// exactly at the point it is given (a tool tip would be moved down by a
// cursor height). It lets the mouse through to the grid below, so a hint
// over its own cell does not take the mouse away from that cell. It goes
// away when told to, or after the platform's tool-tip display time.

#include <QLabel>
#include <QTimer>

class THintWindow : public QLabel {
    Q_OBJECT
public:
    // A top-level window that lives as long as its owner.
    explicit THintWindow(QWidget *owner);

    // Shows the text with its top-left corner at a screen point, kept on the
    // screen; a text wider than maxWidth (when above 0) is broken into lines.
    void ShowAt(QPoint topLeft, const QString &text, int maxWidth);
    void HideHint();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTimer hideTimer_;
};
