// The column's own editor: which kinds have one, its life with the column,
// what the column's BeginEditing sets on it, and how long a text it opens on.

#include "grid_core/cell.h"
#include "grid_window/column_kinds.h"
#include "grid_window/editor_text.h"
#include "tests/support/cells_test_grid.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <limits>
#include <memory>

TEST(CellEditor, OnlyTextColumnsCreateAHiddenTLtEdit)
{
    TLtTextColumn text;
    ASSERT_NE(text.CellEditor(), nullptr);
    EXPECT_NE(dynamic_cast<TLtEdit *>(text.CellEditor()), nullptr);
    EXPECT_TRUE(text.CellEditor()->isHidden());
    EXPECT_EQ(text.CellEditor()->parentWidget(), nullptr);
    EXPECT_EQ(TLtCustomColumn().CellEditor(), nullptr);
    EXPECT_EQ(TLtRateColumn().CellEditor(), nullptr);
    EXPECT_EQ(TLtCheckBoxColumn().CellEditor(), nullptr);
    EXPECT_EQ(NewCellEditor(TCellEditorClass::ecNone), nullptr);
}

TEST(CellEditor, GoesWithItsColumnAndOutlivesNoParent)
{
    auto column = std::make_unique<TLtTextColumn>();
    QPointer<TLtCustomEdit> editor = column->CellEditor();
    column.reset();
    EXPECT_TRUE(editor.isNull());

    // A parent window that goes first takes the editor along; the column
    // then has none and prepares nothing.
    TLtTextColumn orphan;
    auto parent = std::make_unique<QWidget>();
    orphan.CellEditor()->setParent(parent.get());
    parent.reset();
    EXPECT_EQ(orphan.CellEditor(), nullptr);
    orphan.BeginEditing();
}

TEST(BeginEditing, TheColumnsAlignmentNoBorderAndALeftMargin)
{
    struct Row {
        TAlignment alignment;
        Qt::Alignment expected;
    };
    const Row rows[] = {
        {TAlignment::taLeftJustify, Qt::AlignLeft | Qt::AlignVCenter},
        {TAlignment::taRightJustify, Qt::AlignRight | Qt::AlignVCenter},
        {TAlignment::taCenter, Qt::AlignHCenter | Qt::AlignVCenter},
    };
    for (const Row &row : rows) {
        TLtTextColumn column;
        column.SetAlignment(row.alignment);
        column.BeginEditing();
        const TLtCustomEdit &editor = *column.CellEditor();
        EXPECT_EQ(editor.alignment(), row.expected) << int(row.alignment);
        EXPECT_FALSE(editor.hasFrame());
        EXPECT_EQ(editor.textMargins(), QMargins(1, 0, 0, 0));
        EXPECT_TRUE(editor.EditorUpdating()) << "the grid turns it off";
        EXPECT_TRUE(editor.InplaceEditor());
    }
}

TEST(BeginEditing, GivesTheEditorTheColumnsMaxLength)
{
    struct Row {
        int maxLength;
        int editorLimit;
        const char *typed, *kept;
    };
    const Row rows[] = {
        {0, std::numeric_limits<int>::max(), "abcdefgh", "abcdefgh"}, // no limit cuts a long text
        {5, 5, "abcdefgh", "abcde"},
        {1, 1, "xy", "x"},
    };
    for (const Row &row : rows) {
        TLtTextColumn column;
        column.SetMaxLength(row.maxLength);
        column.BeginEditing();
        TLtCustomEdit &editor = *column.CellEditor();
        EXPECT_EQ(editor.MaxLength(), row.maxLength);
        EXPECT_EQ(editor.maxLength(), row.editorLimit);
        QTest::keyClicks(&editor, QString::fromLatin1(row.typed));
        EXPECT_EQ(editor.text(), QString::fromLatin1(row.kept)) << row.maxLength;
    }
}

TEST(BeginEditing, APasswordCharMasksTheEditorsText)
{
    struct Row {
        char16_t password;
        QLineEdit::EchoMode mode;
        const char16_t *shown;
    };
    const Row rows[] = {
        {0, QLineEdit::Normal, u"open"},
        {u'*', QLineEdit::Password, u"****"},
        {u'#', QLineEdit::Password, u"####"},
    };
    TLtTextColumn column;
    for (const Row &row : rows) {
        // One editor prepared again and again, as the grid does.
        column.SetPasswordChar(QChar(row.password));
        column.BeginEditing();
        TLtCustomEdit &editor = *column.CellEditor();
        editor.setText(QStringLiteral("open"));
        EXPECT_EQ(editor.PasswordChar(), QChar(row.password));
        EXPECT_EQ(editor.echoMode(), row.mode);
        EXPECT_EQ(editor.displayText(), QString::fromUtf16(row.shown));
        EXPECT_EQ(editor.text(), QStringLiteral("open"));
    }
}

TEST(TLtEdit, BeginEditingPutsTheCaretAfterTheLastCharacter)
{
    TLtEdit editor;
    editor.setText(QStringLiteral("Kite"));
    editor.setCursorPosition(1);
    editor.BeginEditing();
    EXPECT_EQ(editor.cursorPosition(), 4);
    EXPECT_FALSE(editor.hasSelectedText());
}

TEST(EditorText, OpensUpToTheEditorsLimitHoweverTheCellHoldsIt)
{
    // Either side of the limit: exact fields, encoded ones of line-break
    // marks (each two characters, CR LF), and owned texts.
    TTestGrid grid;
    QTemporaryDir folder;
    const QString path = folder.filePath("p.ybk");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QString text = QString(65536, u'x') + "," + QString(65537, u'x') + "," +
                         QString(32768, u'|') + ",1," + QString(32769, u'|') + ",0,False\r\n";
    file.write("\xFF\xFE", 2);
    file.write(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    file.close();
    grid.LoadFromTextFile(path, u',', u'|');
    grid.AppendRow({QString(65536, u'y'), QString(65537, u'y'), "a\r\nb", "1", "", "0", "False"});
    const struct {
        int column;
        int row;
        bool fits;
    } cases[] = {
        {0, 0, true}, {1, 0, false}, {2, 0, true}, {4, 0, false},
        {0, 1, true}, {1, 1, false}, {2, 1, true}, {4, 1, true},
    };
    for (const auto &c : cases) {
        TCell *cell = grid.GetCell(c.column, c.row);
        EXPECT_EQ(FitsEditor(cell->GetAsStringStart(kEditorChars + 1)), c.fits)
            << c.column << "," << c.row;
        EXPECT_EQ(FitsEditor(cell->GetAsString()), c.fits) << "the start tells as the whole does";
    }
}
