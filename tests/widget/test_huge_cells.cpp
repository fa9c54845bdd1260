// A cell far larger than it can show: the window paints and hints it as it
// paints the visible start of it, and a save writes the whole text back.

#include "app/main_window.h"
#include "grid_window/hint_window.h"
#include "grid_window/lattice_grid.h"
#include "tests/support/main_window_test.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int kHuge = 2000000;
const QString kRest = QStringLiteral(",huge,$1,1,12/7/2026,0,False");

class HugeCellsTest : public TMainWindowTest {
public:
    // The window on a huge first name and a short second one; the profile's bytes.
    QByteArray ShowHuge()
    {
        // Each '|' reads back as a line break.
        const QByteArray profile = ProfileBytes({QString(kHuge, u'|') + kRest, "Kite" + kRest});
        folder.Write("blank.yearnbox", profile);
        Show();
        return profile;
    }
};

} // namespace

TEST_F(HugeCellsTest, PaintAndHintAsTheirVisibleStartAndSaveWhole)
{
    const QByteArray profile = ShowHuge();
    TLatticeGrid &grid = Grid();
    const auto picture = [&] { return grid.grab().toImage(); };

    struct TCase {
        QString huge;
        QString start; // more than the cell can show
    };
    const TCase cases[] = {
        {QString(), QString("\r\n").repeated(1000)},
        {QString(kHuge, u'x'), QString(2000, u'x')},
        {QString("\r\n").repeated(kHuge / 2), QString("\r\n").repeated(1000)},
    };
    for (const TCase &c : cases) {
        // The first case is the huge cell as loaded from the file.
        if (!c.huge.isEmpty())
            grid.GetCell(0, 0)->SetAsString(c.huge);
        const QImage huge = picture();
        grid.GetCell(0, 0)->SetAsString(c.start);
        EXPECT_EQ(huge, picture()) << c.start.left(4).toStdString();
    }

    grid.GetCell(0, 0)->SetAsString(QString(kHuge, u'x'));
    QTest::mouseMove(grid.viewport(), grid.CellRect(0, 0).center());
    const THintWindow &hint = grid.HintWindow();
    ASSERT_TRUE(hint.isVisible());
    EXPECT_TRUE(hint.text().startsWith("xxxx"));
    EXPECT_LT(hint.text().size(), kHuge / 4);

    grid.GetCell(0, 0)->SetAsString(QString("\r\n").repeated(kHuge));
    form->Profiles().SaveCurrent();
    EXPECT_EQ(folder.Read("blank.yearnbox"), profile);
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(HugeCellsTest, AClickSelectsAHugeCellWithoutOpeningTheEditorOnIt)
{
    const QByteArray profile = ShowHuge();
    TLatticeGrid &grid = Grid();
    const struct {
        int row;
        bool editing;
    } cases[] = {{1, true}, {0, false}, {1, true}};
    for (const auto &c : cases) {
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.CellRect(0, c.row).center());
        EXPECT_EQ(grid.SelectedRow(), c.row);
        EXPECT_EQ(grid.GridState().Contains(TGridStateFlag::gtEdit), c.editing) << c.row;
    }
    EXPECT_EQ(grid.ActiveEditor()->text(), "Kite");
    grid.EndEditing();
    // What a screen reader is told of it is its start.
    const QString told = grid.CellDisplayText(0, 0);
    EXPECT_TRUE(told.startsWith("\r\n\r\n"));
    EXPECT_LT(told.size(), 20000);
    EXPECT_EQ(grid.GetCells(0, 0), QString("\r\n").repeated(kHuge));
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST(HugeCells, AProfileListEntryShowsWhatFitsAndKeepsItsWholeName)
{
    TTempFolder folder;
    TRecordedMessageBoxes boxes;
    TScriptedFileDialogs dialogs;
    const QString name(kHuge, u'n');
    folder.Write("mpl.mpl", ("/x/" + name + ".ybk\r\n/x/toys.ybk\r\n").toLocal8Bit());
    TForm1 form(folder.Path(), QString(), boxes, dialogs);
    QComboBox &list = *form.ComboBox1();
    ASSERT_EQ(list.count(), 2);
    EXPECT_LT(list.itemText(0).size(), 100000);
    EXPECT_TRUE(name.startsWith(list.itemText(0)));
    EXPECT_EQ(ProfileEntryName(list, 0), name);
    EXPECT_EQ(list.itemText(1), "toys");
    EXPECT_EQ(ProfileEntryName(list, 1), "toys");
}
