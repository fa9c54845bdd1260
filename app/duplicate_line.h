#pragma once
// A line under the item entry panel that says where an item of the name being
// saved already is, with "Save Anyway" and "Go to Item" beside the text. It
// blocks nothing: the fields stay open for typing, and Tab (after "Save
// Item") or Alt+A and Alt+G reach its buttons. Screen readers hear it as an
// alert.

#include <QFrame>

class QLabel;
class QPushButton;

class TDuplicateLine : public QFrame {
public:
    explicit TDuplicateLine(QWidget *window);

    // Shows text with its buttons just under panel, as wide as it.
    void Tell(const QString &text, const QWidget &panel);

    QLabel *Text() const { return text_; }
    QPushButton *SaveAnyway() const { return saveAnyway_; }
    QPushButton *GoToItem() const { return goToItem_; }

private:
    QLabel *text_;
    QPushButton *saveAnyway_;
    QPushButton *goToItem_;
};
