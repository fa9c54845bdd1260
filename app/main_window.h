#pragma once
// The main window TForm1: a picture background with the title, the item grid
// on the left and, on the right, a column of buttons with the item entry panel
// and the search panel sliding open beneath them. Every change of the list is
// saved to the current profile path when it is made; closing writes the
// settings only.

#include "app/anchoring.h"
#include "app/item_history.h"
#include "app/profiles.h"
#include "app/sliding_panel.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <utility>

class IFileDialogs;
class IMessageBoxes;
class IModalWindows;
class QComboBox;
class QLabel;
class TNoticeLine;
class TDuplicateLine;
class TSameNameIndex;
struct TSameNameHit;
class QMenu;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QSlider;
class QTimer;
class QToolButton;
class TForm2;
class TForm3;
struct TChosenItem;
struct TSearchedProfile;
enum class TTransferKind : uint8_t;
class TGridContextMenu;
class TLatticeGrid;
class TFileDialog;
class TListTotals;
struct TPrintRequest;

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

    // The About window and the association window, made by these when first
    // needed: never before the first paint.
    void SetAboutWindow(std::function<TForm2 &()> make) { form2_ = std::move(make); }
    void SetAssociationWindow(std::function<TForm3 &()> make) { form3_ = std::move(make); }
    // How the restore dialog is shown; QDialog::exec() until set.
    void SetModalWindows(IModalWindows *modal) { modal_ = modal; }

    QLabel *Image1() const { return image1_; }
    TLatticeGrid *LatticeGrid1() const { return latticeGrid1_; }
    QComboBox *ComboBox1() const { return comboBox1_; }
    QPlainTextEdit *Memo1() const { return memo1_; }
    QWidget *Panel1() const { return panel1_; }
    QWidget *Panel2() const { return panel2_; }
    QLineEdit *Edit1() const { return edit1_; }
    QLineEdit *Edit2() const { return edit2_; }
    QLineEdit *Edit3() const { return edit3_; }
    QLineEdit *Edit4() const { return edit4_; }
    QSlider *TrackBar1() const { return trackBar1_; }
    QPushButton *BitBtn1() const { return bitBtn1_; }
    QPushButton *BitBtn2() const { return bitBtn2_; }
    QPushButton *BitBtn3() const { return bitBtn3_; }
    QPushButton *BitBtn4() const { return bitBtn4_; }
    QPushButton *BitBtn5() const { return bitBtn5_; }
    QPushButton *BitBtn6() const { return bitBtn6_; }
    QPushButton *BitBtn7() const { return bitBtn7_; }
    QPushButton *BitBtn8() const { return bitBtn8_; }
    TDuplicateLine *DuplicateLine() const { return duplicateLine_; }
    QToolButton *SpeedButton1() const { return speedButton1_; }
    QToolButton *SpeedButton2() const { return speedButton2_; }
    QToolButton *SpeedButton3() const { return speedButton3_; }
    QToolButton *SpeedButton4() const { return speedButton4_; }
    QTimer *Timer1() const { return timer1_; }
    QTimer *Timer2() const { return timer2_; }
    QTimer *Timer3() const { return timer3_; }
    QTimer *Timer4() const { return timer4_; }
    QTimer *Timer5() const { return timer5_; }
    TProfiles &Profiles() { return *profiles_; }
    // What the list costs, shown in the "Price:" header's hint.
    TListTotals &ListTotals() { return *listTotals_; }
    TItemHistory &History() { return *history_; }
    TGridContextMenu &GridContextMenu() { return *gridContextMenu_; }

    // Undo and redo the last change of the profile shown (Ctrl+Z, Ctrl+Y).
    void Undo();
    void Redo();
    // Lets the user choose a kept version of the profile shown, loads it into
    // the grid and saves it, as one change that can be undone.
    void RestoreAnEarlierVersion();
    // "Summary…": the totals per currency, marked and not, and per priority.
    void ShowSummary();
    // "Export…": the list as a CSV file the user chooses.
    void ExportItems();
    // "Import…": a CSV file's items appended to the profile shown and saved at
    // once, as one change that can be undone; a file that cannot be read is
    // refused with its line and changes nothing.
    void ImportItems();
    // "Share as Web Page…": after the print options ("Marked items only"),
    // the list as one self-contained web page in a file the user chooses.
    void ShareAsWebPage();
    // Another program changed the current profile's file: read it again,
    // keeping the selected item selected and the top item on top where they
    // still exist.
    void ReloadChangedProfile();
    // A save found the file written by another program: that version is
    // loaded and this window's unsaved changes are made on it; a change that
    // met the other's change to the same item is told in the notice line.
    void MergeWithOtherWriter();
    // "Print…" (Ctrl+P) and "Save as PDF…": the list as the grid shows it,
    // after the options dialog (main_window_print.cpp).
    void PrintTheList();
    void SaveTheListAsPdf();
    // Searches every profile for a word (Ctrl+Shift+F) and shows the item
    // chosen in its profile.
    void FindInAllProfiles();
    // The selected item copied or moved to the end of another profile
    // (main_window_transfer.cpp), as one change that can be undone.
    void TransferItem(const TSearchedProfile &to, TTransferKind kind);
    // The "Copy to Profile" or "Move to Profile" submenu, listing OtherProfiles().
    void AddTransferMenu(QMenu &menu, TTransferKind kind);
    // The profiles of the drop-down list and the blank profile, less the one shown.
    QList<TSearchedProfile> OtherProfiles() const;
    // An address as typed, opened in the desktop's browser (main_window_links.cpp).
    void OpenLink(const QString &link);
    // The addresses of the selected item's name, then its notes.
    QStringList SelectedItemLinks() const;
    // "Open Link" and "Copy Link", each a submenu when the item has several.
    void AddLinkMenus(QMenu &menu);
    // Ctrl+L: the selected item's address opened, or its several offered.
    void OpenSelectedItemLink();

    const QString &CurrentProfilePath() const { return profiles_->CurrentProfilePath(); }
    int AskAtStartup() const { return askAtStartup_; }
    void SetAskAtStartup(int value) { askAtStartup_ = value; }
    // The row after the last search hit; 0 at start, never reset.
    int SearchNextRow() const { return searchNextRow_; }

    // The outer size, frame included: the frame the window manager reports, or
    // 16 x 39 where there is none. Setting it goes through the size limits.
    int OuterHeight() const;
    int OuterWidth() const;
    void SetOuterHeight(int height);
    void SetOuterWidth(int width);

    void ReadSettings();
    void WriteSettings();

    // The profile named at start-up could not be loaded: the user is told so
    // once the window is shown.
    void ReportStartupLoadFailure();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Tab and Shift+Tab visit only the controls in view (tab_stops.h).
    bool focusNextPrevChild(bool next) override;

private:
    struct TAnchored {
        QWidget *control;
        QRect design;
        TAnchoring anchoring;
    };

    void CreateControls(IFileDialogs &dialogs);
    // The undo stacks, their keys and the grid's right-click menu.
    void CreateHistory();
    // Reads the current profile again, keeping the selected item selected
    // and the top item on top where they still exist; raises when it cannot.
    void ReloadKeepingPlace();
    // The file dialogs of Export… and Import… (main_window_sharing.cpp).
    void CreateSharing(IFileDialogs &dialogs);
    // Writes an export of the list to file, never over a profile; a refusal
    // or a failure is said in a message box.
    void WriteExport(const QString &file, const std::function<void()> &write);
    // The options dialog of a printout; nothing when cancelled.
    std::optional<TPrintRequest> AskPrintOptions(const QString &windowTitle);
    // Ctrl+Shift+F, and showing a found item (main_window_find_all.cpp).
    void CreateFindAll();
    void ShowFoundItem(const TChosenItem &chosen);
    // A Ctrl+click on an address in the list opens it (main_window_links.cpp).
    void CreateLinks();
    // The entries of the grid's right-click menu (grid_context_menu.cpp).
    void FillGridContextMenu(QMenu &menu);
    template <typename TControl>
    TControl *Place(TControl *control, const char *name, QRect design,
                    TAnchoring anchoring = TAnchoring::anTopLeft);
    QPushButton *AddBitBtn(QWidget *parent, const char *name, const QString &caption,
                           const char *glyph, QRect design, void (TForm1::*click)());
    QToolButton *AddSpeedButton(const char *name, int left, const QString &hint, bool showHint,
                                void (TForm1::*click)());
    QLabel *AddLabel(QWidget *parent, const char *name, const QString &text, QPoint place);
    QTimer *AddTimer(int interval, void (TForm1::*tick)());
    void ConnectGuarded(QObject *sender, void (TForm1::*handler)());
    void LayOutAnchoredControls();
    void RequestOuterSize(int width, int height);
    QSize FrameExtra() const;
    QString SettingsPath() const;
    // Lets pending events run (timer ticks included) until timer stops.
    void WaitWhileActive(QTimer *timer);
    // One tick of a slide of panel; the timer stops when the slide ends.
    void SlidePanel(QWidget *panel, TSlideDirection direction, QTimer *timer);

    void FormCreate(const QString &commandLineFile);
    void StartWithBlankProfile();
    void FormCloseQuery();
    void BitBtn1Click();
    void BitBtn2Click();
    // "Save Item": the entered item added and saved; with checkSameName, an
    // item of its name in a profile is told under the panel instead.
    void SaveEnteredItem(bool checkSameName);
    // The line under the entry panel (main_window_same_name.cpp).
    void CreateSameNameCheck();
    // Shows where an item of the entered name is; false when none is.
    bool WarnOfSameName();
    // Reads the profiles' names while the name is typed.
    void PrepareSameNameCheck();
    void BitBtn3Click();
    void BitBtn4Click();
    // The focus on one of leaving (or inside it) goes to to, so that it never
    // stays on a button being hidden or in a panel being closed.
    static void HandFocus(std::initializer_list<QWidget *> leaving, QWidget *to);
    // What Cancel does to the entry fields and buttons, without the slide.
    void ResetEntryPanel();
    void BitBtn5Click();
    void BitBtn6Click();
    void BitBtn7Click();
    void BitBtn8Click();
    void Edit4KeyPress(QChar &Key);
    // New Search from row 0, Find Next from SearchNextRow.
    void SearchFrom(int from);
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void Timer4Timer();
    void Timer5Timer();
    void Image1Click();
    void LatticeGrid1CellClick(int ACol, int ARow);
    void LatticeGrid1AfterEdit(int ACol, int ARow, const QString &Value);
    // Delete, the blank on a mark and the item keys (item_keys.h); true when the key was taken.
    bool GridItemKey(int key, Qt::KeyboardModifiers modifiers, const QString &text);
    // The priority of a row set from the keyboard, saved and undoable as a click on its stars.
    void SetPriority(int row, int priority);
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void ComboBox1Change();

    QString folder_;
    IMessageBoxes &messages_;
    IFileDialogs &dialogs_;
    std::function<TForm2 &()> form2_;
    std::function<TForm3 &()> form3_;
    IModalWindows *modal_ = nullptr;
    int askAtStartup_ = 1;
    // Shown once the window is up.
    QString startupMessage_;
    QList<TAnchored> anchored_;
    bool applyingSizeLimits_ = false;
    int searchNextRow_ = 0;

    QLabel *image1_ = nullptr;
    QLabel *label5_ = nullptr;
    QLabel *label6_ = nullptr;
    QToolButton *speedButton4_ = nullptr;
    QToolButton *speedButton1_ = nullptr;
    QToolButton *speedButton2_ = nullptr;
    QToolButton *speedButton3_ = nullptr;
    QWidget *panel2_ = nullptr;
    QLineEdit *edit4_ = nullptr;
    QPushButton *bitBtn5_ = nullptr;
    QPushButton *bitBtn6_ = nullptr;
    QWidget *panel1_ = nullptr;
    QLineEdit *edit1_ = nullptr;
    QLineEdit *edit2_ = nullptr;
    QLineEdit *edit3_ = nullptr;
    QSlider *trackBar1_ = nullptr;
    QPushButton *bitBtn2_ = nullptr;
    QPushButton *bitBtn4_ = nullptr;
    QPushButton *bitBtn1_ = nullptr;
    TLatticeGrid *latticeGrid1_ = nullptr;
    QPushButton *bitBtn7_ = nullptr;
    QPushButton *bitBtn8_ = nullptr;
    QPushButton *bitBtn3_ = nullptr;
    QComboBox *comboBox1_ = nullptr;
    QPlainTextEdit *memo1_ = nullptr;
    QTimer *timer1_ = nullptr;
    QTimer *timer2_ = nullptr;
    QTimer *timer3_ = nullptr;
    QTimer *timer4_ = nullptr;
    QTimer *timer5_ = nullptr;
    std::unique_ptr<TProfiles> profiles_;
    std::unique_ptr<TListTotals> listTotals_;
    std::unique_ptr<TFileDialog> exportDialog_;
    std::unique_ptr<TFileDialog> importDialog_;
    std::unique_ptr<TItemHistory> history_;
    TGridContextMenu *gridContextMenu_ = nullptr;
    TNoticeLine *notice_ = nullptr;
    TDuplicateLine *duplicateLine_ = nullptr;
    std::unique_ptr<TSameNameIndex> sameNames_;
    // The item the duplicate line tells of.
    std::shared_ptr<TSameNameHit> sameNameHit_;
    // The printer last chosen in the print dialog (shared: QPrinter is incomplete here).
    std::shared_ptr<QPrinter> printer_;
    // The row of an edit being committed as it was before.
    std::optional<std::pair<int, TRowSnapshot>> editedRow_;
};
