#include "app/about_window.h"

#include "app/application.h"
#include "app/background_picture.h"
#include "app/enter_press.h"
#include "app/glyphs.h"
#include "app/program_fonts.h"
#include "app/shape_line.h"
#include "platform/modal_windows.h"
#include "resources/resources.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace {

QLabel *NewWhiteLabel(QWidget *parent, const char *name, const QString &text, QRect place,
                      const QFont &font)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

} // namespace

TForm2::TForm2(IModalWindows &modal, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      modal_(modal)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr(" About Yearnbox"));
    RegisterProgramFonts();
    setFont(TahomaFont(11));
    setFixedSize(kClientWidth, kClientHeight);

    image1_ = new QLabel(this);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(-120, -8, 1024, 559);

    label1_ = NewWhiteLabel(this, "Label1", QStringLiteral("Yearnbox"), QRect(104, 136, 54, 16),
                            TahomaFont(13, true));
    shape1_ = NewShapeLine(this, "Shape1", QRect(8, 128, 269, 2), Qt::white);
    // Should the name be set wider than its design box, the label takes the
    // width of its text, and the version keeps its distance.
    label1_->resize(qMax(label1_->width(), label1_->sizeHint().width()), label1_->height());
    label2_ = NewWhiteLabel(this, "Label2", QStringLiteral("v1.2"),
                            QRect(qMax(164, label1_->geometry().right() + 7), 138, 24, 13),
                            TahomaFont(11, true));
    label3_ = NewWhiteLabel(this, "Label3",
                            tr("Yearnbox is free software: share and change it under "
                               "the GNU GPL, version 3 or later. It comes with no "
                               "warranty."),
                            QRect(8, 158, 261, 39), TahomaFont(11));
    label3_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label3_->setWordWrap(true);
    shape2_ = NewShapeLine(this, "Shape2", QRect(8, 215, 269, 2), Qt::white);
    label4_ = NewWhiteLabel(this, "Label4", tr("The Yearnbox authors"), QRect(8, 233, 149, 13),
                            TahomaFont(11));

    bitBtn1_ = new QPushButton(GlyphIcon("ok"), tr("&Ok"), this);
    bitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
    bitBtn1_->setGeometry(184, 223, 93, 25);
    bitBtn1_->setIconSize(QSize(16, 16));
    bitBtn1_->setAutoDefault(false);
    LetEnterPress(*bitBtn1_);
    bitBtn1_->setFocus();
    connect(bitBtn1_, &QPushButton::clicked, this, Guarded(nullptr, [this] { BitBtn1Click(); }));
}

void TForm2::ShowModal()
{
    modal_.ShowModal(*this);
}

void TForm2::BitBtn1Click()
{
    close();
}

void TForm2::showEvent(QShowEvent *event)
{
    if (image1_->pixmap().isNull() && !image1_->autoFillBackground())
        ShowBackgroundPicture(*image1_, resources::kAboutBackground);
    QDialog::showEvent(event);
}
