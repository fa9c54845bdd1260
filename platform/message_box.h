#pragma once
// Modal message boxes with one OK button, titled with the application title.
// Windows receive an IMessageBoxes at construction so that tests can read what
// was shown instead of answering a real box.

#include <QString>
#include <QStringList>

class QWidget;

class IMessageBoxes {
public:
    virtual ~IMessageBoxes() = default;
    virtual void ShowMessage(const QString &text) = 0;
    // A fixed text with what the system said beside it (a file and the
    // reason it failed); the fixed text stays as it is.
    virtual void ShowDetailedMessage(const QString &text, const QString &detail)
    {
        ShowMessage(text + QStringLiteral("\n\n") + detail);
    }
};

// The real thing: a QMessageBox titled "Yearnbox" over the given parent.
class TMessageBoxes : public IMessageBoxes {
public:
    explicit TMessageBoxes(QWidget *parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget *parent) { parent_ = parent; }
    void ShowMessage(const QString &text) override;
    void ShowDetailedMessage(const QString &text, const QString &detail) override;

private:
    QWidget *parent_;
};

// For runs that nobody watches (--screenshot): each text goes to standard
// error as "yearnbox: TEXT", so nothing waits for a click.
class TStandardErrorMessages : public IMessageBoxes {
public:
    void ShowMessage(const QString &text) override;
    void ShowDetailedMessage(const QString &text, const QString &detail) override;
};
