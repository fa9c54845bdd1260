// The About window: its layout, and that it is shown modally, centred on the
// main window, as often as asked, and closing only hides it.

#include "app/about_window.h"
#include "app/centring.h"
#include "app/main_window.h"
#include "app/program_fonts.h"
#include "tests/support/recorded_message_boxes.h"
#include "tests/support/scripted_file_dialogs.h"
#include "tests/support/scripted_modal_windows.h"
#include "tests/support/temp_folder.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <iterator>

namespace {

class AboutTest : public ::testing::Test {
protected:
    TTempFolder folder;
    TRecordedMessageBoxes boxes;
    TScriptedFileDialogs dialogs;
    TScriptedModalWindows modal;
    TForm1 form{folder.Path(), QString(), boxes, dialogs};
    TForm2 about{modal};
};

// How much of a picture of the text, white on black, is lit.
qint64 Ink(const QFont &font, const QString &text)
{
    QImage image(QFontMetrics(font).boundingRect(text).size() + QSize(8, 8), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(image.rect(), Qt::AlignCenter, text);
    painter.end();
    qint64 ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += qGray(image.pixel(x, y));
    return ink;
}

} // namespace

// The bold labels (the title, the About window's name and version, the entry
// panel's captions) must read as bold, not as the regular face set wider.
TEST(ProgramFonts, BoldTextIsDrawnHeavierThanRegular)
{
    RegisterProgramFonts();
    for (const int size : {11, 13, 48}) {
        SCOPED_TRACE(size);
        const QString text = QStringLiteral("Yearnbox v1.2");
        const double regular = double(Ink(TahomaFont(size), text));
        EXPECT_GT(double(Ink(TahomaFont(size, true), text)), 1.2 * regular);
    }
}

TEST_F(AboutTest, TheWindowIsLaidOutAsDesigned)
{
    EXPECT_EQ(about.windowTitle(), " About Yearnbox");
    EXPECT_EQ(about.size(), QSize(285, 254));
    EXPECT_EQ(about.minimumSize(), about.maximumSize()) << "not resizable";
    EXPECT_FALSE(about.windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    const struct {
        QWidget *control;
        QRect place;
    } places[] = {
        {about.Image1(), QRect(-120, -8, 1024, 559)}, {about.Shape1(), QRect(8, 128, 269, 2)},
        {about.Label3(), QRect(8, 158, 261, 39)},     {about.Shape2(), QRect(8, 215, 269, 2)},
        {about.Label4(), QRect(8, 233, 149, 13)},     {about.BitBtn1(), QRect(184, 223, 93, 25)},
    };
    for (const auto &p : places)
        EXPECT_EQ(p.control->geometry(), p.place) << p.control->objectName().toStdString();
    // The name takes the width of its text, and the version keeps its distance.
    EXPECT_EQ(about.Label1()->geometry().topLeft(), QPoint(104, 136));
    EXPECT_EQ(about.Label1()->height(), 16);
    EXPECT_EQ(about.Label1()->width(), qMax(54, about.Label1()->sizeHint().width()));
    EXPECT_EQ(about.Label2()->geometry(),
              QRect(qMax(164, about.Label1()->geometry().right() + 7), 138, 24, 13));
    // The picture is decoded only when the window is first shown.
    EXPECT_TRUE(about.Image1()->pixmap().isNull());
    about.show();
    EXPECT_EQ(about.Image1()->pixmap().size(), QSize(1024, 559));
    EXPECT_EQ(about.Label1()->text(), "Yearnbox");
    EXPECT_EQ(about.Label2()->text(), "v1.2");
    EXPECT_EQ(about.Label4()->text(), "The Yearnbox authors");
    EXPECT_TRUE(about.Label3()->wordWrap());
    EXPECT_EQ(about.BitBtn1()->text(), "&Ok");
    EXPECT_EQ(about.BitBtn1()->iconSize(), QSize(16, 16));
    EXPECT_FALSE(about.BitBtn1()->icon().isNull());
    // Every text is white over the dark picture.
    for (QLabel *label : {about.Label1(), about.Label2(), about.Label3(), about.Label4()})
        EXPECT_EQ(label->palette().color(QPalette::WindowText), Qt::white);
}

TEST_F(AboutTest, ShownTwiceItIsTheSameWindowCentredWhereverTheMainWindowIsAndClosingHidesIt)
{
    form.SetAboutWindow([this]() -> TForm2 & { return about; });
    form.show();
    const auto key = [this](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        return [this, key, modifiers](QDialog &) {
            QApplication::setActiveWindow(&about);
            ASSERT_EQ(about.focusWidget(), about.BitBtn1());
            QTest::keyClick(about.BitBtn1(), key, modifiers);
        };
    };
    const std::function<void(QDialog &)> closings[] = {
        [this](QDialog &) { about.BitBtn1()->click(); },
        [](QDialog &window) { window.close(); }, // the title-bar close
        key(Qt::Key_Escape, {}),
        key(Qt::Key_Return, {}), // on the focused "&Ok"
        key(Qt::Key_Enter, Qt::KeypadModifier),
    };
    const QPoint mainPlaces[] = {{100, 50}, {320, 210}};
    for (int i = 0; i < int(std::size(closings)); ++i) {
        form.move(mainPlaces[i % 2]);
        modal.answer = closings[i];
        form.BitBtn3()->click();
        ASSERT_EQ(modal.shown.size(), i + 1);
        EXPECT_EQ(modal.shown[i], &about);
        EXPECT_LE((about.geometry().center() - form.geometry().center()).manhattanLength(), 1) << i;
        EXPECT_FALSE(about.isVisible()) << i;
    }
}

TEST(Centring, TheFrameIsCentredOverTheOwnersFrameWithHalvesRoundedTowardZero)
{
    const struct {
        QRect owner;
        QSize frame;
        QPoint topLeft;
    } cases[] = {
        {QRect(100, 50, 667, 433), QSize(301, 160), QPoint(283, 186)},
        {QRect(0, 0, 100, 100), QSize(201, 50), QPoint(-50, 25)},
        {QRect(-40, 10, 10, 10), QSize(10, 10), QPoint(-40, 10)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CentredTopLeft(c.owner, c.frame), c.topLeft)
            << c.owner.x() << "," << c.frame.width();
}
