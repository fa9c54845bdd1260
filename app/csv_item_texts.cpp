#include "app/csv_item_texts.h"

#include "app/csv_items.h"

void TCsvItemTexts::Add(const TCsvItem &item)
{
    for (int c = 0; c < kFields; ++c) {
        starts_.push_back(chars_.size());
        chars_ += item.Field(c);
    }
}

std::vector<QStringList> TCsvItemTexts::Lists() const
{
    std::vector<QStringList> lists;
    for (qsizetype i = 0; i < Count(); ++i) {
        QStringList texts;
        for (int c = 0; c < kFields; ++c)
            texts.append(Text(i, c).toString());
        lists.push_back(texts);
    }
    return lists;
}
