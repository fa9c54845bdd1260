#pragma once
// A short message along the bottom of the main window that never takes the
// keyboard focus or a click and goes by itself: what the user should know
// but need not answer, such as another writer's change met by a save.
// Screen readers hear it as an alert.

#include <QLabel>
#include <QTimer>

class TNoticeLine : public QLabel {
public:
    explicit TNoticeLine(QWidget *window);

    // Shows text for a few seconds over the bottom of the window.
    void Tell(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Place();

    QTimer hide_;
};
