#pragma once
// The application object. It is where an error that no handler caught is
// reported: a message box with the error's text, and the program goes on.
// No exception ever travels on through Qt's event loop.

#include <QApplication>

#include <exception>

class IMessageBoxes;

class TApplication : public QApplication {
public:
    TApplication(int &argc, char **argv);

    // Where the default error report shows its box.
    void SetMessageBoxes(IMessageBoxes *boxes) { boxes_ = boxes; }
    bool notify(QObject *receiver, QEvent *event) override;

private:
    IMessageBoxes *boxes_ = nullptr;
};

// Shows the text of the exception in flight in the box, or on stderr without one.
void ReportCurrentError(IMessageBoxes *boxes);

// Wraps a slot without arguments so that an error it raises is reported
// instead of reaching Qt.
template <typename F>
auto Guarded(IMessageBoxes *boxes, F slot)
{
    return [boxes, slot]() {
        try {
            slot();
        } catch (...) {
            ReportCurrentError(boxes);
        }
    };
}
