// The main window as it starts: every control at its place, the pictures, the
// fonts, and how the controls follow a resize.

#include "app/early_pictures.h"
#include "app/glyphs.h"
#include "app/main_window.h"
#include "grid_window/lattice_grid.h"
#include "platform/jpeg_decoder.h"
#include "resources/resources.h"
#include "tests/support/main_window_test.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

class LayoutTest : public TMainWindowTest {
protected:
    void SetUp() override
    {
        form = std::make_unique<TForm1>(folder.Path(), QString(), boxes, dialogs);
    }
    QWidget *Control(const char *name) { return form->findChild<QWidget *>(QLatin1String(name)); }
};

struct Place {
    const char *name;
    QRect rect;
};

const Place kPlaces[] = {
    {"Image1", QRect(-72, -16, 1024, 559)},
    {"Label5", QRect(16, -5, 0, 58)}, // width from the text
    {"SpeedButton4", QRect(403, 8, 23, 22)},
    {"SpeedButton1", QRect(426, 8, 23, 22)},
    {"SpeedButton2", QRect(449, 8, 23, 22)},
    {"SpeedButton3", QRect(620, 8, 23, 22)},
    {"Panel2", QRect(465, 89, 178, 33)},
    {"Edit4", QRect(0, 71, 177, 21)},
    {"BitBtn5", QRect(0, 98, 89, 30)},
    {"BitBtn6", QRect(88, 98, 89, 30)},
    {"Panel1", QRect(464, 57, 179, 34)},
    {"Edit3", QRect(1, 157, 169, 21)},
    {"Edit2", QRect(1, 111, 169, 21)},
    {"Edit1", QRect(1, 64, 169, 21)},
    {"TrackBar1", QRect(0, 203, 168, 24)},
    {"BitBtn2", QRect(461, 59, 92, 32)},
    {"BitBtn4", QRect(553, 59, 90, 32)},
    {"BitBtn1", QRect(461, 59, 182, 32)},
    {"LatticeGrid1", QRect(8, 59, 451, 327)},
    {"BitBtn7", QRect(461, 97, 182, 33)},
    {"BitBtn8", QRect(461, 97, 182, 33)},
    {"BitBtn3", QRect(461, 136, 182, 33)},
    {"ComboBox1", QRect(474, 8, 145, 21)},
    {"Memo1", QRect(4000, 256, 4000, 89)},
};

} // namespace

TEST_F(LayoutTest, EveryControlStartsAtItsPlace)
{
    EXPECT_EQ(form->size(), QSize(651, 394));
    for (const Place &p : kPlaces) {
        QWidget *control = Control(p.name);
        ASSERT_NE(control, nullptr) << p.name;
        if (p.rect.width() == 0)
            EXPECT_EQ(control->pos(), p.rect.topLeft()) << p.name;
        else
            EXPECT_EQ(control->geometry(), p.rect) << p.name;
    }
}

TEST_F(LayoutTest, LabelsSitAtTheirPlacesInWhite)
{
    const Place labels[] = {
        {"Label12", QRect(0, 52, 0, 0)},    {"Label4", QRect(0, 184, 0, 0)},
        {"Label3", QRect(1, 138, 0, 0)},    {"Label2", QRect(1, 92, 0, 0)},
        {"Label1", QRect(1, 45, 0, 0)},     {"Label7", QRect(9, 233, 0, 0)},
        {"Label8", QRect(44, 233, 0, 0)},   {"Label9", QRect(81, 233, 0, 0)},
        {"Label10", QRect(117, 233, 0, 0)}, {"Label11", QRect(154, 233, 0, 0)},
    };
    for (const Place &p : labels) {
        auto *label = form->findChild<QLabel *>(QLatin1String(p.name));
        ASSERT_NE(label, nullptr) << p.name;
        EXPECT_EQ(label->pos(), p.rect.topLeft()) << p.name;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::white)) << p.name;
        EXPECT_TRUE(label->font().bold()) << p.name;
    }
    EXPECT_EQ(form->findChild<QLabel *>("Label7")->text(), "1");
    EXPECT_EQ(form->findChild<QLabel *>("Label11")->text(), "5");
    EXPECT_EQ(form->findChild<QLabel *>("Label4")->text(), "How Important is this Item?");
    auto *title = form->findChild<QLabel *>("Label5");
    EXPECT_EQ(title->text(), "Yearnbox");
    EXPECT_EQ(title->font().pixelSize(), 48);
    auto *version = form->findChild<QLabel *>("Label6");
    EXPECT_EQ(version->text(), "v1.2");
    EXPECT_EQ(version->font().pixelSize(), 35);
    EXPECT_GE(version->x(), 227);
    EXPECT_GT(version->x(), title->geometry().right()) << "the version never covers the title";
}

TEST_F(LayoutTest, ControlsUseTahomaAtElevenPixels)
{
    for (const char *name : {"Edit1", "BitBtn1", "ComboBox1", "LatticeGrid1"}) {
        const QFontInfo info(Control(name)->font());
        EXPECT_EQ(info.family(), "Tahoma") << name;
        EXPECT_EQ(info.pixelSize(), 11) << name;
    }
}

TEST_F(LayoutTest, OnlyTheStartButtonsAreVisibleAndThePanelsShowNoFields)
{
    form->show();
    EXPECT_TRUE(form->BitBtn1()->isVisible());
    EXPECT_TRUE(form->BitBtn7()->isVisible());
    EXPECT_TRUE(form->BitBtn3()->isVisible());
    EXPECT_FALSE(form->BitBtn2()->isVisible());
    EXPECT_FALSE(form->BitBtn4()->isVisible());
    EXPECT_FALSE(form->BitBtn8()->isVisible());
    EXPECT_EQ(form->BitBtn1()->text(), "New Item");
    EXPECT_EQ(form->BitBtn2()->text(), "Save Item");
    EXPECT_EQ(form->BitBtn4()->text(), "Cancel");
    EXPECT_EQ(form->BitBtn7()->text(), "Search");
    EXPECT_EQ(form->BitBtn8()->text(), "Cancel Search");
    EXPECT_EQ(form->BitBtn3()->text(), "About Yearnbox");
    EXPECT_EQ(form->BitBtn5()->text(), "New Search");
    EXPECT_EQ(form->BitBtn6()->text(), "Find Next");
    // The fields lie below the panels' visible strips.
    EXPECT_GT(form->Edit1()->y(), form->Panel1()->height());
    EXPECT_GT(form->Edit4()->y(), form->Panel2()->height());
    EXPECT_EQ(form->TrackBar1()->minimum(), 0);
    EXPECT_EQ(form->TrackBar1()->maximum(), 4);
}

TEST_F(LayoutTest, GrowingTheWindowMovesTheRightColumnAndWidensTheGrid)
{
    form->show();
    form->SetOuterWidth(767);
    form->SetOuterHeight(483);
    ASSERT_EQ(form->size(), QSize(751, 444));
    EXPECT_EQ(form->BitBtn1()->geometry(), QRect(561, 59, 182, 32));
    EXPECT_EQ(form->Panel1()->geometry(), QRect(564, 57, 179, 34));
    EXPECT_EQ(form->Panel2()->geometry(), QRect(565, 89, 178, 33));
    EXPECT_EQ(form->ComboBox1()->geometry(), QRect(574, 8, 145, 21));
    EXPECT_EQ(form->SpeedButton4()->geometry(), QRect(503, 8, 23, 22));
    EXPECT_EQ(form->BitBtn3()->geometry(), QRect(561, 136, 182, 33));
    EXPECT_EQ(form->LatticeGrid1()->geometry(), QRect(8, 59, 551, 377));
    EXPECT_EQ(Control("Image1")->geometry(), QRect(-72, -16, 1024, 559));
    EXPECT_EQ(Control("Label5")->pos(), QPoint(16, -5));
}

TEST_F(LayoutTest, AResizeBeyondTheLimitsIsCorrectedOrRefused)
{
    form->show();
    form->resize(QSize(640, 450) - QSize(16, 39));
    EXPECT_EQ(form->OuterWidth(), 643);
    EXPECT_EQ(form->OuterHeight(), 450);
    form->resize(QSize(1000, 450) - QSize(16, 39));
    EXPECT_EQ(form->OuterWidth(), 643) << "refused: the size before stays";
    EXPECT_EQ(form->OuterHeight(), 450);
    form->resize(QSize(700, 600) - QSize(16, 39));
    EXPECT_EQ(form->OuterWidth(), 700);
    EXPECT_EQ(form->OuterHeight(), 559);
    EXPECT_EQ(form->LatticeGrid1()->width(), 451 + 700 - 667);
}

TEST_F(LayoutTest, StoredSettingsGoThroughTheSizeLimits)
{
    folder.Write("settings.yearnbox", "380\r\n700\r\n1\r\n");
    auto limited = std::make_unique<TForm1>(folder.Path(), QString(), boxes, dialogs);
    // The height is applied first, against the design width 667: raised to 396.
    EXPECT_EQ(limited->OuterHeight(), 396);
    EXPECT_EQ(limited->OuterWidth(), 700);
    folder.Write("settings.yearnbox", "450\r\n1200\r\n1\r\n");
    auto refused = std::make_unique<TForm1>(folder.Path(), QString(), boxes, dialogs);
    EXPECT_EQ(refused->OuterHeight(), 450);
    EXPECT_EQ(refused->OuterWidth(), 667);
}

TEST_F(LayoutTest, TheWindowPaintsThePictureTheButtonsAndAWhiteGrid)
{
    form->show();
    const QImage shot = form->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(651, 394));
    const QColor gridInside = shot.pixelColor(200, 200);
    EXPECT_EQ(gridInside, QColor(Qt::white));
    // The picture is dark behind the right column, the buttons are not.
    const QColor background = shot.pixelColor(550, 300);
    EXPECT_LT(background.lightness(), 80);
    const QColor button = shot.pixelColor(470, 64);
    EXPECT_GT(button.lightness(), 150);
    // The title is white on the picture.
    int whiteTitlePixels = 0;
    for (int x = 16; x < 220; ++x)
        for (int y = 0; y < 50; ++y)
            whiteTitlePixels += shot.pixelColor(x, y).lightness() > 230;
    EXPECT_GT(whiteTitlePixels, 300);
}

TEST(Pictures, TheBackgroundsDecodeWithLibjpegAndBadBytesGiveNoPicture)
{
    for (const QString &path : {resources::kMainBackground, resources::kAboutBackground}) {
        const QImage picture = DecodeJpeg(resources::Bytes(path));
        EXPECT_EQ(picture.size(), QSize(1024, 559)) << path.toStdString();
    }
    const QByteArray jpeg = resources::Bytes(resources::kMainBackground);
    EXPECT_TRUE(DecodeJpeg(QByteArray()).isNull());
    EXPECT_TRUE(DecodeJpeg("not a picture at all").isNull());
    EXPECT_TRUE(DecodeJpeg(jpeg.left(20)).isNull());
    QByteArray damaged = jpeg;
    damaged.replace(2, 200, QByteArray(200, '\x00'));
    EXPECT_TRUE(DecodeJpeg(damaged).isNull());
}

TEST(Pictures, OnesDecodedAheadAreThoseDecodedNowAndServeTheirFirstAskerOnly)
{
    const QString star = resources::GlyphPath("star");
    StartDecodingPictures({resources::kMainBackground, star});
    // The About picture was not decoded ahead: it is decoded when asked.
    for (const QString &path : {resources::kMainBackground, star, resources::kAboutBackground}) {
        const QImage ahead = TakePicture(path);
        ASSERT_FALSE(ahead.isNull()) << path.toStdString();
        EXPECT_EQ(ahead, DecodePicture(path)) << path.toStdString();
        EXPECT_EQ(TakePicture(path), ahead) << "asked again: " << path.toStdString();
    }
}

TEST(Glyphs, TheBottomLeftPixelGivesTheTransparentColour)
{
    for (const char *name : {"new_profile", "save", "open", "delete_profile", "search", "find_next",
                             "new_item", "cancel", "about", "star"}) {
        const QImage glyph = GlyphImage(name);
        ASSERT_EQ(glyph.size(), QSize(16, 16)) << name;
        EXPECT_EQ(qAlpha(glyph.pixel(0, 15)), 0) << name;
        EXPECT_EQ(qAlpha(glyph.pixel(8, 8)), 255) << name << ": the subject is opaque";
    }
}
