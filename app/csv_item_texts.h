#pragma once
// Items read from a CSV file, kept the way a load keeps a file: every text
// one after another in one string, each item seven places in it, so that the
// grid's text cells can point into that string instead of holding copies.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

class TCsvItem;

class TCsvItemTexts {
public:
    static constexpr int kFields = 7;

    void Add(const TCsvItem &item);
    qsizetype Count() const { return qsizetype(starts_.size()) / kFields; }
    QStringView Text(qsizetype item, int column) const
    {
        const size_t at = size_t(item) * kFields + size_t(column);
        const qsizetype end = at + 1 < starts_.size() ? starts_[at + 1] : chars_.size();
        return QStringView(chars_).sliced(starts_[at], end - starts_[at]);
    }
    const QString &Chars() const { return chars_; }
    // Each item as its seven texts.
    std::vector<QStringList> Lists() const;

private:
    QString chars_;
    std::vector<qsizetype> starts_;
};
