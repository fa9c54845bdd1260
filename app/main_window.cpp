#include "app/main_window.h"

#include "app/about_window.h"
#include "app/application.h"
#include "app/association_window.h"
#include "app/centring.h"
#include "app/duplicate_line.h"
#include "app/file_association.h"
#include "app/item_columns.h"
#include "app/item_keys.h"
#include "app/line_file.h"
#include "app/list_totals.h"
#include "app/row_marks.h"
#include "app/same_name_search.h"
#include "app/settings.h"
#include "app/tab_stops.h"
#include "app/window_size_rules.h"
#include "grid_window/lattice_grid.h"
#include "platform/conversions.h"
#include "platform/errors.h"
#include "platform/file_dialog.h"
#include "platform/files.h"
#include "platform/message_box.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSlider>
#include <QTimer>

#include <utility>

namespace {
const QSize kAssumedFrame(16, 39);
const QSize kDesignClient(TForm1::kDesignClientWidth, TForm1::kDesignClientHeight);

// The search panel counts as open above this height.
constexpr int kPanelOpenThreshold = 100;

void SetHeight(QWidget *widget, int height)
{
    widget->resize(widget->width(), height);
}

void SetTop(QWidget *widget, int top)
{
    widget->move(widget->x(), top);
}
} // namespace

TForm1::TForm1(const QString &folder, const QString &commandLineFile, IMessageBoxes &messages,
               IFileDialogs &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      folder_(folder), messages_(messages), dialogs_(dialogs)
{
    setWindowTitle(QStringLiteral("Yearnbox"));
    resize(kDesignClient);
    CreateControls(dialogs);
    listTotals_ = std::make_unique<TListTotals>(*latticeGrid1_);
    latticeGrid1_->OnHeaderHint = [this](TLatticeGrid &, int column, QString &text) {
        if (column == icPrice)
            text = listTotals_->HintText();
    };
    CreateHistory();
    CreateSharing(dialogs);
    CreateFindAll();
    CreateLinks();
    CreateSameNameCheck();
    timer5_->start();

    FormCreate(commandLineFile);

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(OuterWidth() / 2, OuterHeight() / 2));
    }
}

TForm1::~TForm1() = default;

QString TForm1::SettingsPath() const
{
    return folder_ + QStringLiteral("settings.yearnbox");
}

QSize TForm1::FrameExtra() const
{
    // The offscreen platform draws no frame but reports a thin one of its own.
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return kAssumedFrame;
    const QSize extra = frameGeometry().size() - geometry().size();
    return extra.isEmpty() ? kAssumedFrame : extra;
}

int TForm1::OuterHeight() const
{
    return height() + FrameExtra().height();
}
int TForm1::OuterWidth() const
{
    return width() + FrameExtra().width();
}
void TForm1::SetOuterHeight(int value)
{
    RequestOuterSize(OuterWidth(), value);
}
void TForm1::SetOuterWidth(int value)
{
    RequestOuterSize(value, OuterHeight());
}

void TForm1::RequestOuterSize(int width, int height)
{
    bool resizeAllowed = true;
    FormCanResize(width, height, resizeAllowed);
    if (!resizeAllowed)
        return;
    applyingSizeLimits_ = true;
    resize(QSize(width, height) - FrameExtra());
    applyingSizeLimits_ = false;
    LayOutAnchoredControls();
}

void TForm1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!applyingSizeLimits_ && event->oldSize().isValid()) {
        const QSize outer = event->size() + FrameExtra();
        int width = outer.width();
        int height = outer.height();
        bool resizeAllowed = true;
        FormCanResize(width, height, resizeAllowed);
        const QSize target = resizeAllowed ? QSize(width, height) - FrameExtra() : event->oldSize();
        if (target != event->size()) {
            applyingSizeLimits_ = true;
            resize(target);
            applyingSizeLimits_ = false;
        }
    }
    LayOutAnchoredControls();
}

void TForm1::LayOutAnchoredControls()
{
    for (const TAnchored &a : anchored_) {
        // Right-anchored controls keep their current top and height (the
        // slides change those); only the horizontal place follows the window.
        QRect place = AnchoredRect(a.design, a.anchoring, kDesignClient, size());
        if (a.anchoring == TAnchoring::anTopRight)
            place = QRect(place.x(), a.control->y(), place.width(), a.control->height());
        a.control->setGeometry(place);
    }
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == image1_ && event->type() == QEvent::MouseButtonRelease) {
        try {
            Image1Click();
        } catch (...) {
            ReportCurrentError(&messages_);
        }
        return true;
    }
    if (watched == edit4_ && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent *>(event)->text();
        if (text.size() != 1)
            return false;
        QChar key = text[0];
        try {
            Edit4KeyPress(key);
        } catch (...) {
            ReportCurrentError(&messages_);
        }
        // A character set to 0 is swallowed.
        return key.isNull();
    }
    if (watched == latticeGrid1_ && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        return GridItemKey(key->key(), key->modifiers(), key->text());
    }
    return QWidget::eventFilter(watched, event);
}

bool TForm1::focusNextPrevChild(bool next)
{
    QWidget *from = QApplication::focusWidget();
    if (!from || from->window() != this)
        from = this;
    QWidget *to = NextTabStop(*from, next);
    if (!to)
        return false;
    to->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void TForm1::HandFocus(std::initializer_list<QWidget *> leaving, QWidget *to)
{
    const QWidget *focus = QApplication::focusWidget();
    for (const QWidget *w : leaving)
        if (focus && (focus == w || w->isAncestorOf(focus))) {
            to->setFocus(Qt::OtherFocusReason);
            return;
        }
}

bool TForm1::GridItemKey(int key, Qt::KeyboardModifiers modifiers, const QString &text)
{
    TLatticeGrid &grid = *latticeGrid1_;
    const int row = grid.SelectedRow();
    const TItemKeyContext context{grid.SelectedColumn(), grid.RowExist(row),
                                  grid.ActiveEditor() != nullptr, !grid.SearchText().isEmpty()};
    const TItemKey action = ItemKeyFor(key, modifiers, text, context);
    const std::optional<int> priority = PriorityKeyFor(key, modifiers, context);
    const std::optional<int> edited = EditKeyFor(key, modifiers, context);
    if (action == TItemKey::ikNone && !priority && !edited)
        return false;
    try {
        if (edited) {
            // As a click on the cell: its selection, then the editor, whose
            // commit is recorded and saved as any edit is.
            grid.SelectCell(*edited, row, true, {});
            grid.EditCell(*edited, row, QString());
        } else if (priority)
            SetPriority(row, *priority);
        else if (action == TItemKey::ikOpenLink)
            OpenSelectedItemLink();
        else
            LatticeGrid1CellClick(action == TItemKey::ikDeleteItem ? icDelete : icMark, row);
    } catch (...) {
        ReportCurrentError(&messages_);
    }
    return true;
}

void TForm1::FormCreate(const QString &commandLineFile)
{
    if (commandLineFile.isEmpty()) {
        StartWithBlankProfile();
        return;
    }
    TProfiles &profiles = *profiles_;
    try {
        profiles.LoadFile(commandLineFile);
    } catch (const EYearnboxError &) {
        // Going on exactly as a start without a file keeps the blank profile's
        // path paired with the blank profile's rows, so no save can write a
        // list over a file it was not read from.
        ReportStartupLoadFailure();
        StartWithBlankProfile();
        return;
    }
    // One guarded block: the first failure ends it silently.
    try {
        const QString name = ProfileName(commandLineFile);
        ApplyRowMarks(*latticeGrid1_);
        profiles.FillProfileList();
        for (int i = 0; i < comboBox1_->count(); ++i)
            if (ProfileEntryName(*comboBox1_, i) == name)
                comboBox1_->setCurrentIndex(i);
        profiles.SetCurrentProfilePath(commandLineFile);
        ReadSettings();
    } catch (const EYearnboxError &) {
    }
}

void TForm1::StartWithBlankProfile()
{
    // One guarded block: the first failure ends it silently.
    try {
        TProfiles &profiles = *profiles_;
        if (!FileExists(profiles.BlankProfilePath()))
            profiles.CreateANewYearnbox();
        profiles.LoadFile(profiles.BlankProfilePath());
        ApplyRowMarks(*latticeGrid1_);
        profiles.FillProfileList();
        ReadSettings();
    } catch (const EYearnboxError &) {
    }
}

void TForm1::ReportStartupLoadFailure()
{
    startupMessage_ = tr("Profile could not be loaded; it may be missing or corrupt.");
}

void TForm1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (startupMessage_.isEmpty())
        return;
    // Told once the window is up, over it.
    const QString text = std::exchange(startupMessage_, QString());
    QTimer::singleShot(0, this, Guarded(&messages_, [this, text] { messages_.ShowMessage(text); }));
}

void TForm1::ReadSettings()
{
    const QString path = SettingsPath();
    if (FileExists(path)) {
        const TSettings settings = ParseSettings(ReadLines(path));
        askAtStartup_ = settings.askAtStartup;
        SetOuterHeight(settings.height);
        SetOuterWidth(settings.width);
        return;
    }
    try {
        WriteLines(path, SettingsLines({OuterHeight(), OuterWidth(), askAtStartup_}, std::nullopt));
    } catch (const EYearnboxError &) {
    }
}

void TForm1::WriteSettings()
{
    const bool ticked = form3_ && form3_().CheckBox1()->isChecked();
    try {
        WriteLines(SettingsPath(),
                   SettingsLines({OuterHeight(), OuterWidth(), askAtStartup_}, ticked));
    } catch (const EYearnboxError &) {
    }
}

void TForm1::FormCloseQuery()
{
    WriteSettings();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    try {
        FormCloseQuery();
        profiles_->WaitForSaves();
    } catch (...) {
        ReportCurrentError(&messages_);
    }
    event->accept();
}

void TForm1::WaitWhileActive(QTimer *timer)
{
    while (timer->isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void TForm1::BitBtn1Click()
{
    if (panel2_->height() > kPanelOpenThreshold) {
        timer4_->start();
        WaitWhileActive(timer4_);
    }
    timer1_->start();
    ShowPanelControls(*panel1_, true);
    PrepareSameNameCheck();
    // The panel opens for the name: it takes the focus from the hidden button.
    HandFocus({bitBtn1_}, edit1_);
    bitBtn1_->hide();
    bitBtn2_->show();
    bitBtn4_->show();
    bitBtn8_->hide();
    bitBtn7_->show();
}

void TForm1::BitBtn2Click()
{
    SaveEnteredItem(true);
}

void TForm1::SaveEnteredItem(bool checkSameName)
{
    if (edit1_->text().isEmpty() || edit3_->text().isEmpty()) {
        messages_.ShowMessage(
            tr("Please fill in more information about this item before trying to add it."));
        return;
    }
    if (checkSameName && WarnOfSameName())
        return;
    TLatticeGrid &grid = *latticeGrid1_;
    grid.AddRow(1);
    const int row = grid.RowCount() - 1;
    grid.GetCell(icName, row)->SetAsString(edit1_->text());
    edit1_->clear();
    grid.GetCell(icNotes, row)->SetAsString(edit2_->text());
    edit2_->clear();
    grid.GetCell(icPrice, row)->SetAsString(edit3_->text());
    edit3_->clear();
    grid.GetCell(icPriority, row)->SetAsInteger(trackBar1_->value() + 1);
    grid.GetCell(icDateAdded, row)->SetAsDateTime(Today());
    grid.GetCell(icDelete, row)->SetAsInteger(0);
    history_->Added(row);
    // Not caught here: a failed save reaches the default error report.
    profiles_->SaveCurrent();
    bitBtn1_->show();
    HandFocus({panel1_, bitBtn2_, bitBtn4_, duplicateLine_}, bitBtn1_);
    duplicateLine_->hide();
    bitBtn2_->hide();
    bitBtn4_->hide();
    timer2_->start();
}

void TForm1::BitBtn4Click()
{
    ResetEntryPanel();
    timer2_->start();
}

void TForm1::ResetEntryPanel()
{
    edit1_->clear();
    edit2_->clear();
    edit3_->clear();
    trackBar1_->setValue(0);
    bitBtn1_->show();
    HandFocus({panel1_, bitBtn2_, bitBtn4_, duplicateLine_}, bitBtn1_);
    duplicateLine_->hide();
    bitBtn4_->hide();
    bitBtn2_->hide();
}

void TForm1::SlidePanel(QWidget *panel, TSlideDirection direction, QTimer *timer)
{
    const bool movesSearch = panel == panel1_;
    const TSlideTick tick =
        SlideTick({panel->height(), bitBtn3_->y(), bitBtn7_->y()}, direction, movesSearch);
    SetHeight(panel, tick.places.panelHeight);
    SetTop(bitBtn3_, tick.places.aboutTop);
    if (movesSearch)
        SetTop(bitBtn7_, tick.places.searchTop);
    if (tick.ended) {
        timer->stop();
        if (direction == TSlideDirection::sdClose)
            ShowPanelControls(*panel, false);
    }
}

void TForm1::Timer1Timer()
{
    SlidePanel(panel1_, TSlideDirection::sdOpen, timer1_);
}

void TForm1::Timer2Timer()
{
    // A close interrupts an opening in progress.
    timer1_->stop();
    SlidePanel(panel1_, TSlideDirection::sdClose, timer2_);
}

void TForm1::Timer3Timer()
{
    SlidePanel(panel2_, TSlideDirection::sdOpen, timer3_);
}

void TForm1::Timer4Timer()
{
    timer3_->stop();
    SlidePanel(panel2_, TSlideDirection::sdClose, timer4_);
}

void TForm1::Timer5Timer()
{
    // Asked once per run, and only while no association exists.
    timer5_->stop();
    if (!form3_)
        return;
    TForm3 &form3 = form3_();
    if (form3.Association().AssociationExists())
        return;
    CentreOver(form3, *this);
    if (askAtStartup_ == 0) {
        form3.CheckBox1()->setChecked(false);
        return;
    }
    if (askAtStartup_ == 1) {
        form3.CheckBox1()->setChecked(true);
        form3.ShowModal();
    }
}

void TForm1::BitBtn3Click()
{
    if (!form2_)
        return;
    TForm2 &form2 = form2_();
    CentreOver(form2, *this);
    form2.ShowModal();
}

void TForm1::Image1Click()
{
    memo1_->setFocus();
}

void TForm1::LatticeGrid1CellClick(int ACol, int ARow)
{
    TLatticeGrid &grid = *latticeGrid1_;
    if (ACol == icDelete) {
        // The second half of a double click would delete the row that moved up.
        if (grid.ClickIsSecondOfDouble())
            return;
        const TRowSnapshot before = TakeRow(grid, ARow);
        grid.DeleteRow(ARow);
        history_->Deleted(ARow, before);
        profiles_->SaveCurrent();
        return;
    }
    if (ACol == icMark) {
        const TRowSnapshot before = TakeRow(grid, ARow);
        TCell *mark = grid.GetCell(icMark, ARow);
        mark->SetAsBoolean(!mark->GetAsBoolean());
        ColourRowForMark(grid, ARow, grid.GetCell(icMark, ARow)->GetAsBoolean());
        history_->Changed(ARow, before);
        profiles_->SaveCurrent();
    }
}

void TForm1::SetPriority(int row, int priority)
{
    TLatticeGrid &grid = *latticeGrid1_;
    // As a click on the stars: the row as it was, the new value, then the
    // handler that records and saves it.
    editedRow_.emplace(row, TakeRow(grid, row));
    grid.GetCell(icPriority, row)->SetAsInteger(priority);
    LatticeGrid1AfterEdit(icPriority, row, grid.GetCell(icPriority, row)->GetAsString());
}

void TForm1::LatticeGrid1AfterEdit(int, int ARow, const QString &)
{
    if (const auto edited = std::exchange(editedRow_, std::nullopt);
        edited && edited->first == ARow)
        history_->Changed(ARow, edited->second);
    profiles_->SaveCurrent();
}

void TForm1::SpeedButton1Click()
{
    profiles_->SaveThisProfile();
}
void TForm1::SpeedButton2Click()
{
    profiles_->LoadAProfile();
}

void TForm1::ComboBox1Change()
{
    const int chosen = comboBox1_->currentIndex();
    profiles_->LoadProfileByName(chosen < 0 ? QString() : ProfileEntryName(*comboBox1_, chosen));
}
