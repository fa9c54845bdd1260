#pragma once
// The About window (TForm2), created hidden at start-up.

#include <QWidget>

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);
};
