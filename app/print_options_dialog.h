#pragma once
// The small dialog before a list is printed or saved as PDF: "Marked items
// only", and how many items on at least how many pages, with a warning when
// that is more paper than anyone means to print.

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;

class TPrintOptionsDialog : public QDialog {
public:
    // More pages than this are warned about.
    static constexpr int kManyPages = 100;

    // pagesFor(count): the fewest pages count items take.
    TPrintOptionsDialog(const QString &title, int items, int markedItems,
                        std::function<int(int)> pagesFor, QWidget *parent = nullptr);

    QCheckBox *MarkedOnly() const { return markedOnly_; }
    QLabel *Extent() const { return extent_; }

private:
    void ShowExtent();

    int items_;
    int markedItems_;
    std::function<int(int)> pagesFor_;
    QCheckBox *markedOnly_;
    QLabel *extent_;
};

// "12 items on at least 1 page." and, past kManyPages, the warning line.
QString PrintExtentText(int items, int pages);
