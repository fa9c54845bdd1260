#pragma once
// The file-type association window (TForm3), created hidden at start-up. Its
// check box "Ask me at Startup about this." is written to the settings.

#include <QWidget>

class QCheckBox;

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);
    QCheckBox *CheckBox1() const { return checkBox1_; }

private:
    QCheckBox *checkBox1_;
};
