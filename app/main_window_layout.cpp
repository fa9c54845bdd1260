// The controls of the main window, created in their stacking order (later
// controls lie above earlier ones), at their design places.

#include "app/accessible_names.h"
#include "app/application.h"
#include "app/background_picture.h"
#include "app/enter_press.h"
#include "app/glyphs.h"
#include "app/item_columns.h"
#include "app/main_window.h"
#include "app/program_fonts.h"
#include "app/sliding_panel.h"
#include "grid_window/lattice_grid.h"
#include "resources/resources.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

namespace {

void MakeWhite(QWidget *label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
}

// A borderless panel that shows the picture through and clips its children.
QWidget *NewPanel(QWidget *parent)
{
    auto *panel = new QWidget(parent);
    panel->setAutoFillBackground(false);
    return panel;
}

} // namespace

template <typename TControl>
TControl *TForm1::Place(TControl *control, const char *name, QRect design, TAnchoring anchoring)
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(design);
    if (anchoring != TAnchoring::anTopLeft)
        anchored_.append({control, design, anchoring});
    return control;
}

void TForm1::ConnectGuarded(QObject *sender, void (TForm1::*handler)())
{
    auto run = Guarded(&messages_, [this, handler] { (this->*handler)(); });
    if (auto *button = qobject_cast<QAbstractButton *>(sender))
        connect(button, &QAbstractButton::clicked, this, run);
    else if (auto *timer = qobject_cast<QTimer *>(sender))
        connect(timer, &QTimer::timeout, this, run);
}

QLabel *TForm1::AddLabel(QWidget *parent, const char *name, const QString &text, QPoint place)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(TahomaFont(11, true));
    MakeWhite(label);
    label->move(place);
    label->adjustSize();
    return label;
}

QPushButton *TForm1::AddBitBtn(QWidget *parent, const char *name, const QString &caption,
                               const char *glyph, QRect design, void (TForm1::*click)())
{
    auto *button = new QPushButton(GlyphIcon(glyph), caption, parent);
    button->setIconSize(QSize(16, 16));
    const TAnchoring anchoring = parent == this ? TAnchoring::anTopRight : TAnchoring::anTopLeft;
    Place(button, name, design, anchoring);
    LetEnterPress(*button);
    if (click)
        ConnectGuarded(button, click);
    return button;
}

QToolButton *TForm1::AddSpeedButton(const char *name, int left, const QString &hint, bool showHint,
                                    void (TForm1::*click)())
{
    auto *button =
        Place(new QToolButton(this), name, QRect(left, 8, 23, 22), TAnchoring::anTopRight);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIconSize(QSize(16, 16));
    // The hint text is kept in every case; only some buttons show it.
    button->setStatusTip(hint);
    if (showHint)
        button->setToolTip(hint);
    NameForScreenReader(*button, hint, hint);
    ConnectGuarded(button, click);
    return button;
}

QTimer *TForm1::AddTimer(int interval, void (TForm1::*tick)())
{
    auto *timer = new QTimer(this);
    timer->setInterval(interval);
    ConnectGuarded(timer, tick);
    return timer;
}

void TForm1::CreateControls(IFileDialogs &dialogs)
{
    RegisterProgramFonts();
    setFont(TahomaFont(11));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    setPalette(palette);

    // The lowest control; its picture is shown once the others are made, the
    // longest the picture's decoding gets on the second core.
    image1_ = Place(new QLabel(this), "Image1", QRect(-72, -16, 1024, 559));
    image1_->installEventFilter(this);

    label5_ = Place(new QLabel(QStringLiteral("Yearnbox"), this), "Label5", QRect(16, -5, 205, 58));
    label5_->setFont(TahomaFont(48, true));
    MakeWhite(label5_);
    // The label takes the width of its text, and the version moves right
    // when it must, should the title be set wider than its design box.
    label5_->resize(label5_->sizeHint().width(), label5_->height());
    label6_ = Place(new QLabel(QStringLiteral("v1.2"), this), "Label6",
                    QRect(qMax(227, label5_->geometry().right() + 1), 8, 66, 42));
    label6_->setFont(TahomaFont(35));
    MakeWhite(label6_);

    speedButton4_ = AddSpeedButton("SpeedButton4", 403, tr("Create a New Yearnbox"), false,
                                   &TForm1::SpeedButton4Click);
    speedButton4_->setIcon(GlyphIcon("new_profile"));
    speedButton1_ = AddSpeedButton("SpeedButton1", 426, tr("Save this Profile"), true,
                                   &TForm1::SpeedButton1Click);
    speedButton1_->setIcon(GlyphIcon("save"));
    speedButton2_ =
        AddSpeedButton("SpeedButton2", 449, tr("Load a Profile"), true, &TForm1::SpeedButton2Click);
    speedButton2_->setIcon(GlyphIcon("open"));
    speedButton3_ = AddSpeedButton("SpeedButton3", 620, tr("Delete the active profile"), true,
                                   &TForm1::SpeedButton3Click);
    speedButton3_->setIcon(GlyphIcon("delete_profile"));

    panel2_ = Place(NewPanel(this), "Panel2", QRect(465, 89, 178, 33), TAnchoring::anTopRight);
    const QLabel *label12 = AddLabel(panel2_, "Label12", tr("Search Options:"), QPoint(0, 52));
    edit4_ = Place(new QLineEdit(panel2_), "Edit4", QRect(0, 71, 177, 21));
    NameForScreenReader(*edit4_, label12->text());
    edit4_->installEventFilter(this);
    bitBtn5_ = AddBitBtn(panel2_, "BitBtn5", tr("New Search"), "search", QRect(0, 98, 89, 30),
                         &TForm1::BitBtn5Click);
    bitBtn6_ = AddBitBtn(panel2_, "BitBtn6", tr("Find Next"), "find_next", QRect(88, 98, 89, 30),
                         &TForm1::BitBtn6Click);

    panel1_ = Place(NewPanel(this), "Panel1", QRect(464, 57, 179, 34), TAnchoring::anTopRight);
    const QLabel *label4 =
        AddLabel(panel1_, "Label4", tr("How Important is this Item?"), QPoint(0, 184));
    const QLabel *label3 =
        AddLabel(panel1_, "Label3", tr("Item Price or Estimate:"), QPoint(1, 138));
    const QLabel *label2 = AddLabel(panel1_, "Label2", tr("Item Notes:"), QPoint(1, 92));
    const QLabel *label1 = AddLabel(panel1_, "Label1", tr("Item Name:"), QPoint(1, 45));
    const int scaleLefts[] = {9, 44, 81, 117, 154};
    for (int i = 0; i < 5; ++i) {
        const QByteArray name = "Label" + QByteArray::number(7 + i);
        AddLabel(panel1_, name.constData(), QString::number(i + 1), QPoint(scaleLefts[i], 233));
    }
    edit3_ = Place(new QLineEdit(panel1_), "Edit3", QRect(1, 157, 169, 21));
    edit2_ = Place(new QLineEdit(panel1_), "Edit2", QRect(1, 111, 169, 21));
    edit1_ = Place(new QLineEdit(panel1_), "Edit1", QRect(1, 64, 169, 21));
    trackBar1_ = Place(new QSlider(Qt::Horizontal, panel1_), "TrackBar1", QRect(0, 203, 168, 24));
    trackBar1_->setRange(0, 4);
    trackBar1_->setPageStep(1);
    trackBar1_->setTickPosition(QSlider::TicksBelow);
    trackBar1_->setTickInterval(1);
    NameForScreenReader(*edit1_, label1->text());
    NameForScreenReader(*edit2_, label2->text());
    NameForScreenReader(*edit3_, label3->text());
    NameForScreenReader(*trackBar1_, label4->text());
    ShowPanelControls(*panel1_, false);
    ShowPanelControls(*panel2_, false);

    bitBtn2_ = AddBitBtn(this, "BitBtn2", tr("Save Item"), "save", QRect(461, 59, 92, 32),
                         &TForm1::BitBtn2Click);
    bitBtn2_->hide();
    bitBtn4_ = AddBitBtn(this, "BitBtn4", tr("Cancel", "the item entry"), "cancel",
                         QRect(553, 59, 90, 32), &TForm1::BitBtn4Click);
    bitBtn4_->hide();
    bitBtn1_ = AddBitBtn(this, "BitBtn1", tr("New Item"), "new_item", QRect(461, 59, 182, 32),
                         &TForm1::BitBtn1Click);

    latticeGrid1_ = Place(new TLatticeGrid(this), "LatticeGrid1", QRect(8, 59, 451, 327),
                          TAnchoring::anAllSides);
    latticeGrid1_->setFocusPolicy(Qt::StrongFocus);
    // Delete and the blank on a mark reach the click handler (item_keys.h).
    latticeGrid1_->installEventFilter(this);
    latticeGrid1_->SetOptions(
        {TGridOption::goHeader, TGridOption::goSelectFullRow, TGridOption::goInplaceEditEvents});
    latticeGrid1_->SetAppearanceOptions({TAppearanceOption::aoHideFocus,
                                         TAppearanceOption::aoHideSelection,
                                         TAppearanceOption::aoHighlightSlideCells});
    latticeGrid1_->SetColor(clWhite);
    latticeGrid1_->SetFontColor(clWindowText);
    latticeGrid1_->SetInactiveSelectionColor(clWhite);
    latticeGrid1_->OnCellClick = [this](TLtCustomGridControl &, int column, int row) {
        LatticeGrid1CellClick(column, row);
    };
    latticeGrid1_->OnAfterEdit = [this](TLtCustomGridControl &, int column, int row,
                                        const QString &value) {
        LatticeGrid1AfterEdit(column, row, value);
    };
    latticeGrid1_->setFont(TahomaFont(11));
    BuildItemColumns(*latticeGrid1_);
    NameForScreenReader(*latticeGrid1_, tr("Items"));

    bitBtn7_ = AddBitBtn(this, "BitBtn7", tr("Search", "the list"), "search",
                         QRect(461, 97, 182, 33), &TForm1::BitBtn7Click);
    bitBtn8_ = AddBitBtn(this, "BitBtn8", tr("Cancel Search"), "cancel", QRect(461, 97, 182, 33),
                         &TForm1::BitBtn8Click);
    bitBtn8_->hide();
    bitBtn3_ = AddBitBtn(this, "BitBtn3", tr("About Yearnbox"), "about", QRect(461, 136, 182, 33),
                         &TForm1::BitBtn3Click);

    comboBox1_ =
        Place(new QComboBox(this), "ComboBox1", QRect(474, 8, 145, 21), TAnchoring::anTopRight);
    // Only a choice by the user loads; setting the selection from code does not.
    connect(comboBox1_, &QComboBox::activated, this,
            Guarded(&messages_, [this] { ComboBox1Change(); }));
    NameForScreenReader(*comboBox1_, tr("Profile"));

    // Off-screen: never seen, the place where the keyboard focus is parked.
    memo1_ = Place(new QPlainTextEdit(this), "Memo1", QRect(4000, 256, 4000, 89));
    // Tab leaves the parked focus as it leaves any control.
    memo1_->setTabChangesFocus(true);
    KeepOffScreenForScreenReader(*memo1_);

    timer1_ = AddTimer(10, &TForm1::Timer1Timer);
    timer2_ = AddTimer(10, &TForm1::Timer2Timer);
    timer3_ = AddTimer(10, &TForm1::Timer3Timer);
    timer4_ = AddTimer(10, &TForm1::Timer4Timer);
    timer5_ = AddTimer(500, &TForm1::Timer5Timer);

    // Tab order: the grid, the profile list, then the right-hand column from
    // top to bottom, each panel's fields before the buttons that close it.
    // Tab visits only what is in view (focusNextPrevChild).
    const QList<QWidget *> tabOrder = {
        latticeGrid1_, comboBox1_, bitBtn1_, edit1_,   edit2_,   edit3_,   trackBar1_, bitBtn2_,
        bitBtn4_,      bitBtn7_,   edit4_,   bitBtn5_, bitBtn6_, bitBtn8_, bitBtn3_,   memo1_};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    // The focus starts in view, on the items.
    latticeGrid1_->setFocus();

    profiles_ =
        std::make_unique<TProfiles>(folder_, *latticeGrid1_, *comboBox1_, messages_, dialogs);
    ShowBackgroundPicture(*image1_, resources::kMainBackground);
}
