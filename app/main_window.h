#pragma once
// The main window TForm1: the item grid, the profile list and the start-up and
// closing steps. Every change of the list is saved to the current profile path
// when it is made; closing writes the settings only.

#include <QString>
#include <QWidget>

class IMessageBoxes;
class QComboBox;
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
           QWidget *parent = nullptr);
    ~TForm1() override;

    void SetAssociationWindow(TForm3 *form3) { form3_ = form3; }

    TLatticeGrid *LatticeGrid1() const { return latticeGrid1_; }
    QComboBox *ComboBox1() const { return comboBox1_; }
    QPlainTextEdit *Memo1() const { return memo1_; }
    QTimer *Timer5() const { return timer5_; }

    const QString &CurrentProfilePath() const { return currentProfilePath_; }
    int AskAtStartup() const { return askAtStartup_; }
    QString BlankProfilePath() const;

    // The outer size, frame included: the frame the window manager reports, or
    // 16 x 39 where there is none.
    int OuterHeight() const;
    int OuterWidth() const;
    void SetOuterHeight(int height);
    void SetOuterWidth(int width);

    void FillProfileList();
    void ReadSettings();
    void WriteSettings();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate(const QString &commandLineFile);
    void FormCloseQuery();
    void Timer5Timer();
    QSize FrameExtra() const;
    void LoadProfileFile(const QString &path);
    QString FilePath(const char *name) const;

    QString folder_;
    IMessageBoxes &messages_;
    TForm3 *form3_ = nullptr;
    QString currentProfilePath_;
    int askAtStartup_ = 1;

    TLatticeGrid *latticeGrid1_;
    QComboBox *comboBox1_;
    QPlainTextEdit *memo1_;
    QTimer *timer5_;
};
