#pragma once
// Remembers every message instead of showing a box.

#include "platform/message_box.h"

#include <QStringList>

class TRecordedMessageBoxes : public IMessageBoxes {
public:
    void ShowMessage(const QString &text) override { shown.append(text); }
    // The fixed text goes with the others; what the system said beside it is
    // kept apart.
    void ShowDetailedMessage(const QString &text, const QString &detail) override
    {
        shown.append(text);
        details.append(detail);
    }
    QStringList shown;
    QStringList details;
};
