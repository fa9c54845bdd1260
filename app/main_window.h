#pragma once
// The main window TForm1: the item grid, the profile list and the start-up and
// closing steps. Every change of the list is saved to the current profile path
// when it is made; closing writes the settings only.

#include "app/profiles.h"

#include <QString>
#include <QWidget>

#include <memory>

class IFileDialogs;
class IMessageBoxes;
class QComboBox;
class QToolButton;
class QPlainTextEdit;
class QTimer;
class TForm3;
class TLatticeGrid;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDesignClientWidth = 651;
    static constexpr int kDesignClientHeight = 394;

    // folder holds "settings.yearnbox", "mpl.mpl" and "blank.yearnbox" and
    // ends with '/'. FormCreate runs inside the constructor.
    TForm1(const QString &folder, const QString &commandLineFile, IMessageBoxes &messages,
           IFileDialogs &dialogs, QWidget *parent = nullptr);
    ~TForm1() override;

    void SetAssociationWindow(TForm3 *form3) { form3_ = form3; }

    TLatticeGrid *LatticeGrid1() const { return latticeGrid1_; }
    QComboBox *ComboBox1() const { return comboBox1_; }
    QPlainTextEdit *Memo1() const { return memo1_; }
    QTimer *Timer5() const { return timer5_; }
    QToolButton *SpeedButton1() const { return speedButton1_; }
    QToolButton *SpeedButton2() const { return speedButton2_; }
    QToolButton *SpeedButton3() const { return speedButton3_; }
    QToolButton *SpeedButton4() const { return speedButton4_; }
    TProfiles &Profiles() { return *profiles_; }

    const QString &CurrentProfilePath() const { return profiles_->CurrentProfilePath(); }
    int AskAtStartup() const { return askAtStartup_; }

    // The outer size, frame included: the frame the window manager reports, or
    // 16 x 39 where there is none.
    int OuterHeight() const;
    int OuterWidth() const;
    void SetOuterHeight(int height);
    void SetOuterWidth(int width);

    void ReadSettings();
    void WriteSettings();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate(const QString &commandLineFile);
    void FormCloseQuery();
    void Timer5Timer();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void ComboBox1Change();
    QToolButton *AddSpeedButton(const char *name, int left, const QString &hint, bool showHint,
                                void (TForm1::*click)());
    QSize FrameExtra() const;
    QString SettingsPath() const;

    QString folder_;
    IMessageBoxes &messages_;
    TForm3 *form3_ = nullptr;
    int askAtStartup_ = 1;

    TLatticeGrid *latticeGrid1_;
    QComboBox *comboBox1_;
    QPlainTextEdit *memo1_;
    QTimer *timer5_;
    QToolButton *speedButton4_;
    QToolButton *speedButton1_;
    QToolButton *speedButton2_;
    QToolButton *speedButton3_;
    std::unique_ptr<TProfiles> profiles_;
};
