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

namespace {
const QChar kSeparator(u',');
const QChar kLineBreak(u'|');
const QSize kAssumedFrame(16, 39);
} // namespace

TForm1::TForm1(const QString &folder, const QString &commandLineFile, IMessageBoxes &messages,
               QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      folder_(folder), messages_(messages)
{
    setWindowTitle(QStringLiteral("Yearnbox"));
    resize(kDesignClientWidth, kDesignClientHeight);
    currentProfilePath_ = BlankProfilePath();

    latticeGrid1_ = new TLatticeGrid(this);
    latticeGrid1_->setObjectName(QStringLiteral("LatticeGrid1"));
    latticeGrid1_->setGeometry(8, 59, 451, 327);
    latticeGrid1_->SetColor(clWhite);
    BuildItemColumns(*latticeGrid1_);

    comboBox1_ = new QComboBox(this);
    comboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    comboBox1_->setGeometry(474, 8, 145, 21);

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

QString TForm1::FilePath(const char *name) const
{
    return folder_ + QLatin1String(name);
}

QString TForm1::BlankProfilePath() const
{
    return FilePath("blank.yearnbox");
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

void TForm1::LoadProfileFile(const QString &path)
{
    latticeGrid1_->LoadFromTextFile(path, kSeparator, kLineBreak,
                                    TLoadFailure::lfKeepPreviousRows);
}

void TForm1::FormCreate(const QString &commandLineFile)
{
    // One guarded block: the first failure ends it silently.
    try {
        if (!commandLineFile.isEmpty()) {
            LoadProfileFile(commandLineFile);
            const QString name = ProfileName(commandLineFile);
            ApplyRowMarks(*latticeGrid1_);
            FillProfileList();
            for (int i = 0; i < comboBox1_->count(); ++i)
                if (comboBox1_->itemText(i) == name)
                    comboBox1_->setCurrentIndex(i);
            currentProfilePath_ = commandLineFile;
            ReadSettings();
        } else {
            if (!FileExists(BlankProfilePath())) {
                latticeGrid1_->ClearRows();
                latticeGrid1_->SaveToTextFile(BlankProfilePath(), kSeparator, kLineBreak,
                                              TEncodingKind::ekUnicode);
            }
            LoadProfileFile(BlankProfilePath());
            ApplyRowMarks(*latticeGrid1_);
            FillProfileList();
            ReadSettings();
        }
    } catch (const EYearnboxError &) {
    }
}

void TForm1::FillProfileList()
{
    try {
        const QStringList entries = ProfileEntries(ReadLines(FilePath("mpl.mpl")));
        comboBox1_->clear();
        comboBox1_->setCurrentIndex(-1);
        comboBox1_->addItems(entries);
        comboBox1_->setCurrentIndex(-1);
    } catch (const EYearnboxError &) {
        // No profile list yet: the entries stay as they are.
    }
}

void TForm1::ReadSettings()
{
    const QString path = FilePath("settings.yearnbox");
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
        WriteLines(FilePath("settings.yearnbox"),
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
