// The grid readies a column's editor for a cell: a hidden child of the grid,
// empty and without a change handler, prepared by its column, on the cell's
// own colour even while the row is highlighted, in the column's font.

#include "grid_window/column_kinds.h"
#include "grid_window/lattice_grid.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QColor kYellow(Qt::yellow);
const QColor kLightBlue(0x00, 0x80, 0xFF);

// Records the editor's updating flag as its column prepares it.
class TRecordingTextColumn : public TLtTextColumn {
public:
    void BeginEditing() override
    {
        TLtTextColumn::BeginEditing();
        updatingWhilePreparing = CellEditor()->EditorUpdating();
    }
    bool updatingWhilePreparing = false;
};

class PreparedEditor : public ::testing::Test {
protected:
    PreparedEditor()
    {
        grid.resize(302, 100);
        grid.SetOptions({TGridOption::goHeader, TGridOption::goSelectFullRow});
        text = grid.Columns().Add<TRecordingTextColumn>();
        grid.Columns().Add<TLtRateColumn>();
        grid.Columns().Add<TLtCheckBoxColumn>();
        text->SetAlignment(TAlignment::taCenter);
        text->SetMaxLength(5);
        QFont font(QStringLiteral("Courier"), 13);
        font.setItalic(true);
        text->SetFont(font);
        text->SetFontColor(0x0000FF);
        grid.AddRow(2);
        grid.SetCells(0, 0, QStringLiteral("Kite"));
        grid.GetCell(0, 0)->SetColor(clYellow);
        grid.show();
        QApplication::setActiveWindow(&grid);
        grid.setFocus();
        QApplication::processEvents();
    }

    TLatticeGrid grid;
    TRecordingTextColumn *text = nullptr;
};

} // namespace

TEST_F(PreparedEditor, IsAHiddenEmptyChildOfTheGridPreparedByItsColumn)
{
    TLtCustomEdit *editor = text->CellEditor();
    editor->setText(QStringLiteral("left over"));
    int changes = 0;
    editor->OnChange = [&] { ++changes; };
    grid.SetWantTabs(true);

    ASSERT_EQ(grid.PrepareCellEditor(0, 0), editor);
    EXPECT_EQ(editor->parentWidget(), grid.viewport());
    EXPECT_TRUE(editor->isHidden());
    EXPECT_TRUE(editor->text().isEmpty()) << "loading the cell's text comes later";
    EXPECT_EQ(changes, 0) << "the old handler was cleared first";
    editor->setText(QStringLiteral("x"));
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(text->updatingWhilePreparing);
    EXPECT_FALSE(editor->EditorUpdating());
    EXPECT_TRUE(editor->InplaceEditor());
    EXPECT_EQ(editor->MaxLength(), 5);
    EXPECT_EQ(editor->alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
    EXPECT_FALSE(editor->hasFrame());
    EXPECT_EQ(editor->font(), text->Font());
    EXPECT_EQ(editor->palette().color(QPalette::Text), QColor(Qt::red));
    EXPECT_TRUE(editor->WantTabs());
    grid.SetWantTabs(false);
    grid.PrepareCellEditor(0, 1);
    EXPECT_FALSE(editor->WantTabs());
}

TEST_F(PreparedEditor, TakesTheCellsOwnColourNeverTheHighlight)
{
    grid.SetSelectedRow(0);
    ASSERT_TRUE(grid.CellHighlighted(0, 0));
    struct Row {
        int row;
        bool parentCellColor;
        QColor expected;
    };
    const Row rows[] = {
        {0, false, kYellow},
        {1, false, QColor(Qt::white)},
        {0, true, kLightBlue},
    };
    text->SetColor(0xFF8000);
    for (const Row &row : rows) {
        text->SetParentCellColor(row.parentCellColor);
        TLtCustomEdit *editor = grid.PrepareCellEditor(0, row.row);
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->palette().color(QPalette::Base), row.expected) << row.row;
        // What it shows once placed over the cell: its colour, no frame.
        editor->setGeometry(2, 20, 77, 14);
        const QImage picture = editor->grab().toImage();
        EXPECT_EQ(picture.pixelColor(0, 0), row.expected);
        EXPECT_EQ(picture.pixelColor(70, 7), row.expected);
    }
}

TEST_F(PreparedEditor, MasksWithTheColumnsPasswordChar)
{
    text->SetPasswordChar(u'*');
    TLtCustomEdit *editor = grid.PrepareCellEditor(0, 0);
    QTest::keyClicks(editor, QStringLiteral("secret"));
    EXPECT_EQ(editor->text(), QStringLiteral("secre"));
    EXPECT_EQ(editor->displayText(), QStringLiteral("*****"));
    EXPECT_EQ(editor->echoMode(), QLineEdit::Password);
}

TEST_F(PreparedEditor, RateAndCheckBoxColumnsAndCellsOutsideTheGridHaveNone)
{
    struct Row {
        int column, row;
    };
    const Row rows[] = {{1, 0}, {2, 0}, {0, 2}, {0, -1}, {3, 0}, {-1, 0}};
    for (const Row &row : rows)
        EXPECT_EQ(grid.PrepareCellEditor(row.column, row.row), nullptr)
            << row.column << "," << row.row;
    EXPECT_EQ(text->CellEditor()->parentWidget(), nullptr) << "nothing was prepared";
}

TEST_F(PreparedEditor, WithWantTabsTabStaysWithTheEditor)
{
    QLineEdit next(&grid);
    next.show();
    for (bool wantTabs : {true, false}) {
        grid.SetWantTabs(wantTabs);
        TLtCustomEdit *editor = grid.PrepareCellEditor(0, 0);
        editor->show();
        editor->setFocus();
        ASSERT_TRUE(editor->hasFocus());
        QTest::keyClick(editor, Qt::Key_Tab);
        EXPECT_EQ(editor->hasFocus(), wantTabs);
    }
}
