#pragma once
// "Find in All Profiles": a word, "Find" (or Enter in the word box), and the
// items of every profile that hold it as a whole word in their name or notes:
// profile, name, price and priority. A profile that could not be read shows
// as a row of its own with the reason, greyed, which cannot be chosen.
// Choosing a hit (a double click, Enter, or "Open") accepts the dialog.

#include "app/profile_search.h"

#include <QDialog>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

struct TChosenItem {
    QString path;
    TFoundItem item;
};

class TFindAllDialog : public QDialog {
public:
    using TFind = std::function<QList<TProfileFindings>(const QString &word)>;

    explicit TFindAllDialog(TFind find, QWidget *parent = nullptr);

    QLineEdit *Word() const { return word_; }
    QTreeWidget *Results() const { return results_; }
    QLabel *Summary() const { return summary_; }
    // Searches for the word typed and shows what was found, the first hit current.
    void Find();
    // The hit that is current; none while an unreadable profile's row is.
    std::optional<TChosenItem> Chosen() const;

private:
    void Choose();

    TFind find_;
    QLineEdit *word_;
    QTreeWidget *results_;
    QLabel *summary_;
    QPushButton *open_;
    QList<TChosenItem> hits_;
};
