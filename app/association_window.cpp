#include "app/association_window.h"

#include "app/application.h"
#include "app/enter_press.h"
#include "app/file_association.h"
#include "app/main_window.h"
#include "app/program_fonts.h"
#include "app/shape_line.h"
#include "platform/modal_windows.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {

QPushButton *NewButton(QWidget *parent, const char *name, const QString &caption, QRect place)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place);
    // Neither button is a default button: Enter presses only the focused one.
    button->setAutoDefault(false);
    LetEnterPress(*button);
    return button;
}

} // namespace

TForm3::TForm3(TForm1 &form1, TFileAssociation &association, IModalWindows &modal, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      form1_(form1), association_(association), modal_(modal)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Yearnbox"));
    RegisterProgramFonts();
    setFont(TahomaFont(11));
    setFixedSize(kClientWidth, kClientHeight);

    label1_ = new QLabel(
        tr("Would you like to associate the file extension \".ybk\" with Yearnbox?"), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setGeometry(8, 8, 337, 17);
    label1_->setWordWrap(true);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    button1_ = NewButton(this, "Button1", tr("Yes"), QRect(8, 40, 75, 25));
    button2_ = NewButton(this, "Button2", tr("No"), QRect(89, 40, 75, 25));
    shape1_ = NewShapeLine(this, "Shape1", QRect(8, 88, 404, 1), Qt::black);
    checkBox1_ = new QCheckBox(tr("Ask me at Startup about this."), this);
    checkBox1_->setObjectName(QStringLiteral("CheckBox1"));
    checkBox1_->setGeometry(8, 95, 161, 17);
    checkBox1_->setChecked(true);

    setTabOrder(checkBox1_, button1_);
    setTabOrder(button1_, button2_);
    checkBox1_->setFocus();

    connect(button1_, &QPushButton::clicked, this, Guarded(nullptr, [this] { Button1Click(); }));
    connect(button2_, &QPushButton::clicked, this, Guarded(nullptr, [this] { Button2Click(); }));
    // Also when code changes the state.
    connect(checkBox1_, &QCheckBox::toggled, this, Guarded(nullptr, [this] { CheckBox1Click(); }));
}

void TForm3::ShowModal()
{
    modal_.ShowModal(*this);
}

void TForm3::Button1Click()
{
    association_.WriteAssociation();
    form1_.WriteSettings();
    close();
}

void TForm3::Button2Click()
{
    form1_.WriteSettings();
    close();
}

void TForm3::CheckBox1Click()
{
    form1_.SetAskAtStartup(checkBox1_->isChecked() ? 1 : 0);
}
