#pragma once
// Showing a window modally. The windows receive an IModalWindows at
// construction, so that tests answer the association question and close the
// About window where a person would.

class QDialog;

class IModalWindows {
public:
    virtual ~IModalWindows() = default;
    // Returns when the window has closed.
    virtual void ShowModal(QDialog &window) = 0;
};

// The real thing: QDialog::exec(), the other windows take no input meanwhile.
class TModalWindows : public IModalWindows {
public:
    void ShowModal(QDialog &window) override;
};
