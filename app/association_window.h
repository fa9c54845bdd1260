#pragma once
// The association window TForm3: asks once, shortly after start-up, whether
// ".ybk" files should open with Yearnbox. "Yes" writes the association and
// the settings, "No" the settings only; both close the window. Its check box
// "Ask me at Startup about this." sets the main window's ask-at-start-up flag.
// Closing by the title bar answers neither. Made when first needed (the
// question, or the settings written), it lives as long as the application.

#include <QDialog>

class IModalWindows;
class QCheckBox;
class QLabel;
class QPushButton;
class TFileAssociation;
class TForm1;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 420;
    static constexpr int kClientHeight = 121;

    TForm3(TForm1 &form1, TFileAssociation &association, IModalWindows &modal,
           QWidget *parent = nullptr);

    TFileAssociation &Association() const { return association_; }
    // Returns when the window has closed.
    void ShowModal();

    QLabel *Label1() const { return label1_; }
    QPushButton *Button1() const { return button1_; }
    QPushButton *Button2() const { return button2_; }
    QWidget *Shape1() const { return shape1_; }
    QCheckBox *CheckBox1() const { return checkBox1_; }

private:
    void Button1Click();
    void Button2Click();
    void CheckBox1Click();

    TForm1 &form1_;
    TFileAssociation &association_;
    IModalWindows &modal_;
    QLabel *label1_;
    QPushButton *button1_;
    QPushButton *button2_;
    QWidget *shape1_;
    QCheckBox *checkBox1_;
};
