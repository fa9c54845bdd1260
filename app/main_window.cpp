#include "app/main_window.h"

#include "app/application.h"
#include "app/association_window.h"
#include "app/item_columns.h"
#include "app/line_file.h"
#include "app/profiles.h"
#include "app/settings.h"
#include "grid/columns/lattice_grid.h"
#include "platform/errors.h"
#include "platform/files.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

namespace {
const QSize kAssumedFrame(16, 39);
} // namespace

TForm1::TForm1(const QString &folder, const QString &commandLineFile, IMessageBoxes &messages,
               IFileDialogs &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      folder_(folder), messages_(messages)
{
    setWindowTitle(QStringLiteral("Yearnbox"));
    resize(kDesignClientWidth, kDesignClientHeight);

    latticeGrid1_ = new TLatticeGrid(this);
    latticeGrid1_->setObjectName(QStringLiteral("LatticeGrid1"));
    latticeGrid1_->setGeometry(8, 59, 451, 327);
    latticeGrid1_->SetColor(clWhite);
    BuildItemColumns(*latticeGrid1_);

    speedButton4_ = AddSpeedButton("SpeedButton4", 403, QStringLiteral("Create a New Yearnbox"),
                                   false, &TForm1::SpeedButton4Click);
    speedButton1_ = AddSpeedButton("SpeedButton1", 426, QStringLiteral("Save this Profile"), true,
                                   &TForm1::SpeedButton1Click);
    speedButton2_ = AddSpeedButton("SpeedButton2", 449, QStringLiteral("Load a Profile"), true,
                                   &TForm1::SpeedButton2Click);
    speedButton3_ = AddSpeedButton("SpeedButton3", 620,
                                   QStringLiteral("Delete the active profile"), true,
                                   &TForm1::SpeedButton3Click);

    comboBox1_ = new QComboBox(this);
    comboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    comboBox1_->setGeometry(474, 8, 145, 21);
    // Only a choice by the user loads; setting the selection from code does not.
    connect(comboBox1_, &QComboBox::activated, this,
            Guarded(&messages_, [this] { ComboBox1Change(); }));
    profiles_ = std::make_unique<TProfiles>(folder_, *latticeGrid1_, *comboBox1_, messages_,
                                            dialogs);

    // Off-screen: never seen, the place where the keyboard focus is parked.
    memo1_ = new QPlainTextEdit(this);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setGeometry(4000, 256, 4000, 89);

    timer5_ = new QTimer(this);
    timer5_->setInterval(500);
    connect(timer5_, &QTimer::timeout, this, Guarded(&messages_, [this] { Timer5Timer(); }));
    timer5_->start();

    FormCreate(commandLineFile);

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(OuterWidth() / 2, OuterHeight() / 2));
    }
}

TForm1::~TForm1() = default;

QToolButton *TForm1::AddSpeedButton(const char *name, int left, const QString &hint,
                                    bool showHint, void (TForm1::*click)())
{
    auto *button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(left, 8, 23, 22);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    // The hint text is kept in every case; only some buttons show it.
    button->setStatusTip(hint);
    if (showHint)
        button->setToolTip(hint);
    connect(button, &QToolButton::clicked, this, Guarded(&messages_, [this, click] { (this->*click)(); }));
    return button;
}

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

int TForm1::OuterHeight() const { return height() + FrameExtra().height(); }
int TForm1::OuterWidth() const { return width() + FrameExtra().width(); }
void TForm1::SetOuterHeight(int value) { resize(width(), value - FrameExtra().height()); }
void TForm1::SetOuterWidth(int value) { resize(value - FrameExtra().width(), height()); }

void TForm1::FormCreate(const QString &commandLineFile)
{
    // One guarded block: the first failure ends it silently.
    try {
        TProfiles &profiles = *profiles_;
        if (!commandLineFile.isEmpty()) {
            profiles.LoadFile(commandLineFile);
            const QString name = ProfileName(commandLineFile);
            ApplyRowMarks(*latticeGrid1_);
            profiles.FillProfileList();
            for (int i = 0; i < comboBox1_->count(); ++i)
                if (comboBox1_->itemText(i) == name)
                    comboBox1_->setCurrentIndex(i);
            profiles.SetCurrentProfilePath(commandLineFile);
            ReadSettings();
        } else {
            if (!FileExists(profiles.BlankProfilePath()))
                profiles.CreateANewYearnbox();
            profiles.LoadFile(profiles.BlankProfilePath());
            ApplyRowMarks(*latticeGrid1_);
            profiles.FillProfileList();
            ReadSettings();
        }
    } catch (const EYearnboxError &) {
    }
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
    const bool ticked = form3_ && form3_->CheckBox1()->isChecked();
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
    } catch (...) {
        ReportCurrentError(&messages_);
    }
    event->accept();
}

void TForm1::Timer5Timer()
{
    timer5_->stop();
}

void TForm1::SpeedButton1Click() { profiles_->SaveThisProfile(); }
void TForm1::SpeedButton2Click() { profiles_->LoadAProfile(); }
void TForm1::SpeedButton3Click() { profiles_->DeleteTheActiveProfile(); }
void TForm1::SpeedButton4Click() { profiles_->CreateANewYearnbox(); }

void TForm1::ComboBox1Change()
{
    profiles_->LoadProfileByName(comboBox1_->currentText());
}
