#pragma once
// Shows a modal window without blocking and lets the test answer it as a
// person would (a click, or the title-bar close); remembers what was shown.

#include "platform/modal_windows.h"

#include <QDialog>
#include <QList>

#include <functional>

class TScriptedModalWindows : public IModalWindows {
public:
    void ShowModal(QDialog &window) override
    {
        shown.append(&window);
        window.show();
        if (answer)
            answer(window);
    }

    std::function<void(QDialog &)> answer;
    QList<QDialog *> shown;
};
