#pragma once
// Remembers every message instead of showing a box.

#include "platform/message_box.h"

#include <QStringList>

class TRecordedMessageBoxes : public IMessageBoxes {
public:
    void ShowMessage(const QString &text) override { shown.append(text); }
    QStringList shown;
};
