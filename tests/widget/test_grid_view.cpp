// The item grid as a person sees and uses it: pixels of rows, stars, crosses
// and check boxes, and clicks and keys that mark, delete and rate items, each
// saved at once.

#include "app/main_window.h"
#include "grid_window/cell_layout.h"
#include "grid_window/colors.h"
#include "grid_window/column_kinds.h"
#include "grid_window/column_plays.h"
#include "grid_window/contrast.h"
#include "grid_window/hint_window.h"
#include "grid_window/lattice_grid.h"
#include "platform/errors.h"
#include "tests/support/main_window_test.h"
#include "tests/support/wait_until.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kKite = QStringLiteral("Kite,red,$20,2,12/7/2026,0,False");
const QString kBall = QStringLiteral("Ball,,$5,7,12/7/2026,0,False");
const QString kBook = QStringLiteral("Book,,$9,1,12/7/2026,0,True");

class GridViewTest : public TMainWindowTest {
protected:
    QImage Picture() { return Grid().grab().toImage(); }
    QPoint Centre(int column, int row) { return Grid().CellRect(column, row).center(); }
    // A point in the cell clear of its content: the right-hand edge.
    QPoint Background(int column, int row)
    {
        const QRect cell = Grid().CellRect(column, row);
        return QPoint(cell.right() - 1, cell.top() + 1);
    }
    void Click(QPoint at) { QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, at); }
    // What a window system delivers: press, release, double click, release.
    void DoubleClick(QPoint at)
    {
        Click(at);
        QTest::mouseDClick(Grid().viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(Grid().viewport(), Qt::LeftButton, {}, at);
    }
    QByteArray Profile() { return folder.Read("blank.yearnbox"); }
};

} // namespace

TEST(CellLayout, PosInRectPlacesABoxByTheAlignments)
{
    const QRect cell(10, 20, 80, 16);
    using enum TAlignment;
    using enum TVerticalAlignment;
    EXPECT_EQ(PosInRect(QSize(16, 16), cell, 0, taCenter, taVerticalCenter), QPoint(42, 20));
    EXPECT_EQ(PosInRect(QSize(80, 16), cell, 0, taCenter, taVerticalCenter), QPoint(10, 20));
    EXPECT_EQ(PosInRect(QSize(13, 13), cell, 2, taLeftJustify, taVerticalCenter), QPoint(12, 22));
    EXPECT_EQ(PosInRect(QSize(13, 13), cell, 2, taRightJustify, taAlignTop), QPoint(75, 22));
    EXPECT_EQ(PosInRect(QSize(13, 13), cell, 2, taLeftJustify, taAlignBottom), QPoint(12, 21));
}

TEST(CellLayout, DarkeningAndTheQuarterBlend)
{
    EXPECT_EQ(Darkened(QColor(255, 255, 255)), QColor(0xF4, 0xF4, 0xF4));
    EXPECT_EQ(Darkened(QColor(0, 128, 1)), QColor(0, 122, 0));
    EXPECT_EQ(BlendedTowardHighlight(QColor(255, 255, 255), QColor(0, 0, 255)),
              QColor(191, 191, 255));
    EXPECT_EQ(BlendedTowardHighlight(QColor(0, 0, 0), QColor(2, 6, 10)), QColor(1, 2, 3));
}

namespace {

// A dark desktop's colours, as a dark theme gives them.
QPalette DarkPalette()
{
    QPalette dark;
    const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230);
    const std::pair<QPalette::ColorRole, QColor> roles[] = {{QPalette::Window, window},
                                                            {QPalette::Button, window},
                                                            {QPalette::Base, base},
                                                            {QPalette::WindowText, text},
                                                            {QPalette::ButtonText, text},
                                                            {QPalette::Text, text},
                                                            {QPalette::Light, QColor(90, 90, 90)},
                                                            {QPalette::Dark, QColor(25, 25, 25)}};
    for (const auto &[role, colour] : roles)
        dark.setColor(role, colour);
    return dark;
}

QPalette LightPalette()
{
    QPalette light;
    light.setColor(QPalette::Window, QColor(239, 239, 239));
    light.setColor(QPalette::WindowText, Qt::black);
    light.setColor(QPalette::Base, Qt::white);
    return light;
}

} // namespace

TEST(Contrast, RatiosAndTheDarkOfAPalette)
{
    struct Row {
        QColor a, b;
        double ratio;
    };
    const Row rows[] = {
        {Qt::black, Qt::white, 21.0},
        {Qt::white, Qt::black, 21.0},
        {Qt::yellow, Qt::yellow, 1.0},
        {QColor(0, 128, 255), Qt::white, 3.80},  // the item text on an unmarked row
        {QColor(0, 128, 255), Qt::yellow, 3.54}, // and on a marked one
        {QColor(118, 118, 118), Qt::white, 4.54},
    };
    for (const Row &row : rows)
        EXPECT_NEAR(ContrastRatio(row.a, row.b), row.ratio, 0.01) << row.a.name().toStdString();
    EXPECT_TRUE(IsDarkPalette(DarkPalette()));
    EXPECT_FALSE(IsDarkPalette(LightPalette()));
}

TEST(Contrast, AReadableVariantKeepsTheHueAndMovesTheLightnessAsLittleAsItMust)
{
    const QColor blue(0, 128, 255);
    struct Row {
        QColor ink, background;
        double minimum;
        QColor expected; // invalid: a changed colour of ink's hue
        bool lighter;
    };
    const Row rows[] = {
        {Qt::black, Qt::white, 4.5, Qt::black, false},
        {blue, QColor(35, 35, 35), 4.5, {}, true}, // dark base: lighter
        {blue, Qt::yellow, 4.5, {}, false},        // a marked row: darker
        {blue, Qt::white, 4.5, {}, false},
        {blue, QColor(128, 128, 128), 4.5, {}, false}, // white cannot reach it, black can
        {Qt::black, QColor(53, 53, 53), 4.5, {}, true},
        {blue, QColor(128, 128, 128), 7.0, Qt::black, false}, // neither: the better extreme
    };
    for (const Row &row : rows) {
        const QColor got = ReadableOn(row.ink, row.background, row.minimum);
        const std::string name =
            row.ink.name().toStdString() + " on " + row.background.name().toStdString();
        if (row.expected.isValid()) {
            EXPECT_EQ(got, row.expected) << name;
            continue;
        }
        const double contrast = ContrastRatio(got, row.background);
        EXPECT_GE(contrast, row.minimum) << name;
        EXPECT_LT(contrast, row.minimum + 0.3) << name << ": no further than needed";
        EXPECT_EQ(got.hslHue(), row.ink.hslHue()) << name;
        EXPECT_EQ(got.lightness() > row.ink.lightness(), row.lighter) << name;
    }
}

TEST(Contrast, TheGridsOwnColoursChangeOnlyUnderADarkPalette)
{
    const QPalette light = LightPalette(), dark = DarkPalette();
    constexpr TColor kBlue = 0xFF8000;
    // White stands for the window; yellow is the mark's own.
    EXPECT_EQ(ShownBackground(clWhite, light), QColor(Qt::white));
    EXPECT_EQ(ShownBackground(clWhite, dark), dark.color(QPalette::Base));
    EXPECT_EQ(ShownBackground(clYellow, dark), QColor(Qt::yellow));
    EXPECT_EQ(ShownBackground(clWindow, dark), dark.color(QPalette::Base));
    EXPECT_EQ(ShownText(clWindowText, dark.color(QPalette::Button), dark),
              dark.color(QPalette::WindowText));
    for (const QColor background : {QColor(Qt::white), QColor(Qt::yellow)})
        EXPECT_EQ(ShownText(kBlue, background, light), QColor(0, 128, 255)) << "as before";
    for (const QColor background : {dark.color(QPalette::Base), QColor(Qt::yellow)})
        EXPECT_GE(ContrastRatio(ShownText(kBlue, background, dark), background), 4.5);
}

TEST(RatePlay, GlyphsUnderTheMouseAndTypedKeys)
{
    TLtRateColumn column;
    QImage star(16, 16, QImage::Format_ARGB32);
    column.SetGlyph(star);
    column.SetAlignment(TAlignment::taCenter);
    const QSize cell(80, 16);
    EXPECT_EQ(TRateColumnPlay::GetRatesRect(column, cell), QRect(0, 0, 80, 16));
    EXPECT_EQ(TRateColumnPlay::GetValueAtPos(column, cell, QPoint(0, 5)), 1);
    EXPECT_EQ(TRateColumnPlay::GetValueAtPos(column, cell, QPoint(50, 5)), 4);
    EXPECT_EQ(TRateColumnPlay::GetValueAtPos(column, QSize(100, 16), QPoint(5, 5)), -1);
    EXPECT_EQ(TRateColumnPlay::MouseDown(column, cell, QPoint(40, 8), 2), 3);
    EXPECT_EQ(TRateColumnPlay::MouseDown(column, cell, QPoint(40, 8), 3), std::nullopt);
    EXPECT_EQ(TRateColumnPlay::KeyPress(column, '+', 5), std::nullopt);
    EXPECT_EQ(TRateColumnPlay::KeyPress(column, '+', 4), 5);
    EXPECT_EQ(TRateColumnPlay::KeyPress(column, '-', 0), std::nullopt);
    EXPECT_EQ(TRateColumnPlay::KeyPress(column, '9', 1), std::nullopt);
    EXPECT_EQ(TRateColumnPlay::KeyPress(column, '0', 3), 0);
    EXPECT_EQ(TRateColumnPlay::KeyPress(column, '3', 3), 3) << "raised even when unchanged";
    EXPECT_EQ(TRateColumnPlay::KeyPress(column, 'x', 3), std::nullopt);
}

TEST_F(GridViewTest, AnEmptyGridShowsWhiteLinesUnderAnEighteenPixelHeader)
{
    ShowWith({});
    const QImage picture = Picture();
    EXPECT_EQ(Grid().HeaderRect(), QRect(1, 1, 449, 18));
    EXPECT_EQ(Grid().BodyRect().top(), 19);
    EXPECT_NE(picture.pixelColor(5, 10), QColor(Qt::white)) << "the header is not white";
    for (int y : {20, 40, 200, 320})
        EXPECT_EQ(picture.pixelColor(200, y), QColor(Qt::white)) << y;
    EXPECT_EQ(Grid().RowTop(2), 19 + 32) << "empty lines of 16 pixels";
}

TEST_F(GridViewTest, TheSelectedRowOfTheFocusedGridIsHighlightedUntilTheFocusLeaves)
{
    ShowWith({kKite, kBall});
    ASSERT_TRUE(Grid().GridHasFocus());
    Grid().SetSelectedRow(0);
    const QColor highlight = Grid().palette().color(QPalette::Highlight);
    QImage picture = Picture();
    for (int c = 0; c < 7; ++c) {
        EXPECT_EQ(picture.pixelColor(Background(c, 0)), highlight) << "column " << c;
        EXPECT_EQ(picture.pixelColor(Background(c, 1)), QColor(Qt::white)) << "column " << c;
    }
    form->ComboBox1()->setFocus();
    QApplication::processEvents();
    picture = Picture();
    for (int c = 0; c < 7; ++c)
        EXPECT_EQ(picture.pixelColor(Background(c, 0)), QColor(Qt::white)) << "column " << c;
}

TEST_F(GridViewTest, ClickingTheCheckBoxMarksTheRowYellowAndSavesIt)
{
    ShowWith({kKite, kBall});
    Click(Centre(6, 0));
    EXPECT_EQ(Profile(), ProfileBytes({"Kite,red,$20,2,12/7/2026,0,True", kBall}));
    form->ComboBox1()->setFocus();
    QApplication::processEvents();
    const QImage picture = Picture();
    for (int c = 0; c < 7; ++c)
        EXPECT_EQ(picture.pixelColor(Background(c, 0)), QColor(Qt::yellow)) << "column " << c;
    Click(Centre(6, 0));
    EXPECT_EQ(Profile(), ProfileBytes({kKite, kBall}));
    EXPECT_EQ(Grid().GetCell(0, 0)->GetColor(), clWhite);
}

TEST_F(GridViewTest, ClickingAStarSetsThePriorityAndSavesOnlyWhenItChanges)
{
    ShowWith({kKite});
    const QRect cell = Grid().CellRect(3, 0);
    int afterEdits = 0;
    auto saving = Grid().OnAfterEdit;
    Grid().OnAfterEdit = [&](TLtCustomGridControl &g, int c, int r, const QString &v) {
        ++afterEdits;
        EXPECT_EQ(v, "3");
        saving(g, c, r, v);
    };
    Click(cell.topLeft() + QPoint(2 * 16 + 8, 8));
    EXPECT_EQ(Grid().GetCell(3, 0)->GetAsInteger(), 3);
    EXPECT_EQ(Profile(), ProfileBytes({"Kite,red,$20,3,12/7/2026,0,False"}));
    QFile::remove(folder.File("blank.yearnbox"));
    Click(cell.topLeft() + QPoint(2 * 16 + 8, 8));
    EXPECT_EQ(afterEdits, 1);
    EXPECT_FALSE(folder.Exists("blank.yearnbox")) << "the same star writes nothing";
}

TEST_F(GridViewTest, AStarWhoseSaveFailsStillSelectsItsRow)
{
    ShowWith({kKite, kBall});
    Click(Centre(0, 0));
    Grid().OnAfterEdit = [](TLtCustomGridControl &, int, int, const QString &) {
        throw EInOutError(QStringLiteral("File could not be written."));
    };
    const QPoint star = Grid().CellRect(3, 1).topLeft() + QPoint(2 * 16 + 8, 8);
    QMouseEvent press(QEvent::MouseButtonPress, star, Grid().viewport()->mapToGlobal(star),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    // What the application object does with a failure: the report comes after.
    EXPECT_THROW(QApplication::sendEvent(Grid().viewport(), &press), EInOutError);
    EXPECT_EQ(Grid().GetCell(3, 1)->GetAsInteger(), 3) << "the change stays";
    EXPECT_EQ(Grid().SelectedRow(), 1);
}

TEST_F(GridViewTest, ADigitTypedOnTheSelectedRowSetsThePriority)
{
    ShowWith({kKite});
    Click(Centre(3, 0) + QPoint(30, 0));
    ASSERT_EQ(Grid().SelectedRow(), 0);
    Grid().SetSelectedColumn(3);
    QTest::keyClick(&Grid(), '5');
    EXPECT_EQ(Profile(), ProfileBytes({"Kite,red,$20,5,12/7/2026,0,False"}));
}

TEST_F(GridViewTest, AFileValueAboveTheMaximumDrawsFiveStars)
{
    ShowWith({kBall});
    form->ComboBox1()->setFocus();
    QApplication::processEvents();
    const QImage picture = Picture();
    const QRect cell = Grid().CellRect(3, 0);
    for (int i = 0; i < 5; ++i)
        EXPECT_NE(picture.pixelColor(cell.left() + i * 16 + 8, cell.top() + 8), QColor(Qt::white))
            << "star " << i + 1;
    EXPECT_EQ(Grid().GetCells(3, 0), "7");
}

TEST_F(GridViewTest, TheCrossDeletesItsRowAndADoubleClickDeletesOnlyOne)
{
    ShowWith({kKite, kBall, kBook});
    const QImage picture = Picture();
    for (int r = 0; r < 3; ++r)
        EXPECT_NE(picture.pixelColor(Grid().CellRect(5, r).topLeft() + QPoint(3, 8)).rgb(),
                  QColor(Qt::white).rgb())
            << r;
    Click(Centre(5, 1));
    EXPECT_EQ(Grid().RowCount(), 2);
    EXPECT_EQ(Profile(), ProfileBytes({kKite, kBook}));
    // Far enough apart from the click before not to join it.
    QTest::qWait(QApplication::doubleClickInterval() + 100);
    DoubleClick(Centre(5, 0));
    EXPECT_EQ(Grid().RowCount(), 1);
    EXPECT_EQ(Grid().GetCells(0, 0), "Book");
    QTest::qWait(QApplication::doubleClickInterval() + 100);
    Click(Centre(5, 0));
    EXPECT_EQ(Grid().RowCount(), 0);
    EXPECT_EQ(Profile(), ProfileBytes({}));
}

// The grid had the focus and a row selected when its cross was clicked: the
// screen (what repaints left there) must show what a fresh paint shows.
TEST_F(GridViewTest, ADeleteRepaintsTheRowsItUncovers)
{
    const QString apple = "Apple,,$1,1,12/7/2026,0,False";
    const QString banana = "Banana,,$1,1,12/7/2026,0,False";
    const QString cherry = "Cherry,,$1,1,12/7/2026,0,False";
    struct Case {
        const char *name;
        QStringList rows;
        int selected, deleted;
        bool twice;
    };
    const Case cases[] = {
        {"a middle row", {apple, banana, cherry}, 0, 1, false},
        {"the last row", {apple, banana, cherry}, 0, 2, false},
        {"the selected last row", {apple, banana}, 1, 1, false},
        {"the only row", {apple}, 0, 0, false},
        {"a double click", {apple, banana, cherry}, 0, 1, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ShowWith(c.rows);
        Click(Centre(4, c.selected));
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        // As a window system delivers them: the screen is painted after the
        // press, before the release deletes.
        QWidget *viewport = Grid().viewport();
        const QPoint cross = Centre(5, c.deleted);
        QTest::mousePress(viewport, Qt::LeftButton, {}, cross);
        QApplication::processEvents();
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, cross);
        if (c.twice) {
            QApplication::processEvents();
            QTest::mouseDClick(viewport, Qt::LeftButton, {}, cross);
            QApplication::processEvents();
            QTest::mouseRelease(viewport, Qt::LeftButton, {}, cross);
        }
        const QRect onForm(Grid().mapTo(form.get(), QPoint(0, 0)), Grid().size());
        const auto onScreen = [&] {
            return form->screen()->grabWindow(form->winId()).toImage().copy(onForm);
        };
        const QImage painted = Picture().convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(WaitUntil(
            [&] { return onScreen().convertToFormat(QImage::Format_RGB32) == painted; }, 500));
    }
}

TEST_F(GridViewTest, ADoubleClickOnTheMarkTogglesItTwice)
{
    ShowWith({kKite});
    DoubleClick(Centre(6, 0));
    EXPECT_FALSE(Grid().GetCell(6, 0)->GetAsBoolean());
    EXPECT_EQ(Profile(), ProfileBytes({kKite}));
}

TEST_F(GridViewTest, AClickCountsOnlyWhenReleasedOnThePressedCell)
{
    ShowWith({kKite, kBall});
    int clicks = 0;
    Grid().OnCellClick = [&](TLtCustomGridControl &, int, int) { ++clicks; };
    QTest::mousePress(Grid().viewport(), Qt::LeftButton, {}, Centre(0, 0));
    QTest::mouseRelease(Grid().viewport(), Qt::LeftButton, {}, Centre(1, 0));
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(Grid().SelectedRow(), 0) << "the press selected the row";
    Click(Centre(2, 1));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Grid().SelectedRow(), 1);
    // Below the last row nothing changes.
    Click(QPoint(100, 300));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Grid().SelectedRow(), 1);
}

TEST_F(GridViewTest, ArrowKeysMoveTheSelectionWithinTheRows)
{
    ShowWith({kKite, kBall});
    QTest::keyClick(&Grid(), Qt::Key_Up);
    EXPECT_EQ(Grid().SelectedRow(), -1);
    Click(Centre(0, 0));
    QTest::keyClick(&Grid(), Qt::Key_Down);
    EXPECT_EQ(Grid().SelectedRow(), 1);
    QTest::keyClick(&Grid(), Qt::Key_Down);
    EXPECT_EQ(Grid().SelectedRow(), 1);
    QTest::keyClick(&Grid(), Qt::Key_Home);
    EXPECT_EQ(Grid().SelectedRow(), 0);
}

TEST_F(GridViewTest, ALongTextEndsInAnEllipsis)
{
    ShowWith({"A very long name that cannot possibly fit,,$1,1,12/7/2026,0,False",
              "Short,,$1,1,12/7/2026,0,False"});
    form->ComboBox1()->setFocus();
    QApplication::processEvents();
    const QImage picture = Picture();
    // The text is cut to the cell less its 2-pixel margins, and still fills most of it.
    auto inkColumns = [&](const QRect &cell) {
        int first = -1, last = -1;
        for (int x = cell.left(); x <= cell.right(); ++x)
            for (int y = cell.top(); y <= cell.bottom(); ++y)
                if (picture.pixelColor(x, y).rgb() != QColor(Qt::white).rgb()) {
                    if (first < 0)
                        first = x;
                    last = x;
                    break;
                }
        return std::make_pair(first - cell.left(), cell.right() - last);
    };
    const QRect longCell = Grid().CellRect(0, 0);
    const auto [leftGap, rightGap] = inkColumns(longCell);
    EXPECT_GE(leftGap, 2);
    EXPECT_GE(rightGap, 2);
    EXPECT_LT(leftGap + rightGap, longCell.width() / 3);
    const auto [shortLeft, shortRight] = inkColumns(Grid().CellRect(0, 1));
    EXPECT_GT(shortLeft + shortRight, longCell.width() / 2);
}

TEST_F(GridViewTest, RestingOnATextThatDoesNotFitShowsItWholeInAHint)
{
    const QString longName = "A very long name that cannot possibly fit";
    ShowWith({longName + ",,$1,1,12/7/2026,0,False", "Short,,$1,1,12/7/2026,0,False"});
    const THintWindow &hint = Grid().HintWindow();
    QTest::mouseMove(Grid().viewport(), Centre(0, 0));
    ASSERT_TRUE(hint.isVisible());
    EXPECT_EQ(hint.text(), longName);
    EXPECT_EQ(hint.pos(), Grid().viewport()->mapToGlobal(Grid().CellRect(0, 0).topLeft()))
        << "over the cell";
    QTest::mouseMove(Grid().viewport(), Centre(0, 1));
    EXPECT_FALSE(hint.isVisible());
    EXPECT_EQ(Grid().viewport()->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseMove(Grid().viewport(), Centre(5, 1));
    EXPECT_EQ(Grid().viewport()->cursor().shape(), Qt::PointingHandCursor)
        << "the delete column's cursor";
    EXPECT_TRUE(TLatticeGrid::TextFits(90, 85));
    EXPECT_FALSE(TLatticeGrid::TextFits(90, 86));
}

TEST_F(GridViewTest, PaintingCallbacksColourCellsAndRunAfterDrawing)
{
    ShowWith({kKite, kBall});
    form->ComboBox1()->setFocus();
    int postDraws = 0;
    Grid().OnCellColoring = [](TLatticeGrid &, int column, int row, TColor &color, TColor &,
                               TCellState state) {
        if (column == 2 && row == 1 && !state.Contains(TCellStateFlag::csEmpty))
            color = 0x0000FF; // red
    };
    Grid().OnPostDraw = [&](TLatticeGrid &, QPainter &) { ++postDraws; };
    const QImage picture = Picture();
    EXPECT_EQ(picture.pixelColor(Background(2, 1)), QColor(Qt::red));
    EXPECT_EQ(picture.pixelColor(Background(2, 0)), QColor(Qt::white));
    EXPECT_GE(postDraws, 1);
}

TEST_F(GridViewTest, TheSortedColumnCanBeDarkenedAndAnEmptyGridShowsItsCaption)
{
    ShowWith({kKite});
    form->ComboBox1()->setFocus();
    Grid().Columns().Item(1)->SetSorted(true);
    Grid().SetSortedStyle(TSortedStyle::soDarker);
    EXPECT_EQ(Picture().pixelColor(Background(1, 0)), QColor(0xF4, 0xF4, 0xF4));
    EXPECT_EQ(Picture().pixelColor(Background(0, 0)), QColor(Qt::white));

    Grid().ClearRows();
    Grid().SetCaption("Nothing wished for yet");
    const QImage picture = Picture();
    const QRect body = Grid().BodyRect();
    int ink = 0;
    for (int x = body.left(); x < body.right(); ++x)
        ink += picture.pixelColor(x, body.center().y()).rgb() != QColor(Qt::white).rgb();
    EXPECT_GT(ink, 10);
}

TEST_F(GridViewTest, ClassicHeadersLookLikeRaisedButtons)
{
    ShowWith({});
    Grid().SetEnableVisualStyles(false);
    const QImage picture = Picture();
    const QRect name = QRect(1, 1, 90, 18);
    const QPalette palette = Grid().palette();
    EXPECT_EQ(picture.pixel(name.left() + 10, name.top()), palette.color(QPalette::Light).rgb());
    EXPECT_EQ(picture.pixel(name.left() + 10, name.bottom()), palette.color(QPalette::Dark).rgb());
    EXPECT_EQ(picture.pixel(name.left() + 3, name.top() + 3),
              palette.color(QPalette::Button).rgb());
}

TEST_F(GridViewTest, UnderADarkPaletteEveryTextReadsOnMarkedAndUnmarkedRows)
{
    const QPalette before = QApplication::palette();
    QApplication::setPalette(DarkPalette());
    ShowWith({kKite, kBook});
    form->ComboBox1()->setFocus();
    QApplication::processEvents();
    const QImage picture = Picture();
    struct Row {
        const char *what;
        QRect area;
        QColor background; // invalid: the area's own left edge
    };
    const QRect header = Grid().HeaderRect();
    const Row rows[] = {
        {"unmarked name", Grid().CellRect(0, 0), QApplication::palette().color(QPalette::Base)},
        {"unmarked price", Grid().CellRect(2, 0), QApplication::palette().color(QPalette::Base)},
        {"marked name", Grid().CellRect(0, 1), QColor(Qt::yellow)},
        {"marked price", Grid().CellRect(2, 1), QColor(Qt::yellow)},
        {"header caption", QRect(header.left() + 2, header.top() + 2, 88, header.height() - 4), {}},
    };
    for (const Row &row : rows) {
        const QColor background =
            row.background.isValid()
                ? row.background
                : picture.pixelColor(row.area.left() + 2, row.area.center().y());
        EXPECT_EQ(picture.pixelColor(row.area.left() + 1, row.area.center().y()), background)
            << row.what;
        // The ink: the pixel of the area farthest from its background.
        double best = 1.0;
        for (int y = row.area.top(); y <= row.area.bottom(); ++y)
            for (int x = row.area.left(); x <= row.area.right(); ++x)
                best = std::max(best, ContrastRatio(picture.pixelColor(x, y), background));
        EXPECT_GE(best, kReadableContrast) << row.what;
    }
    QApplication::setPalette(before);
}

TEST(CheckBoxPlay, TheBoxIsPlacedInTheGrownCellAndOnlyItFlipsTheValue)
{
    TLtCheckBoxColumn column;
    const QSize cell(25, 16);
    // Left, vertically centred, 2 pixels in from the cell grown by one pixel.
    EXPECT_EQ(TCheckBoxColumnPlay::GetCheckBoxRect(column, cell, true), QRect(1, 2, 13, 13));
    EXPECT_EQ(TCheckBoxColumnPlay::GetCheckBoxRect(column, cell, false), QRect(1, 3, 11, 11));
    EXPECT_EQ(TCheckBoxColumnPlay::MouseUp(column, cell, true, QPoint(6, 8), false), true);
    EXPECT_EQ(TCheckBoxColumnPlay::MouseUp(column, cell, true, QPoint(20, 8), false), std::nullopt);
    EXPECT_EQ(TCheckBoxColumnPlay::KeyPress(' ', true), false);
    EXPECT_EQ(TCheckBoxColumnPlay::KeyPress('x', true), std::nullopt);
}
