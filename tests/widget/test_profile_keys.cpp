// The four profile actions without the mouse: their keys, and their entries
// at the end of the grid's right-click menu, press the profile buttons.

#include "app/grid_context_menu.h"
#include "app/main_window.h"
#include "grid_window/lattice_grid.h"
#include "tests/support/main_window_test.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QString kKite = QStringLiteral("Kite,red,$20,2,12/7/2026,0,False");

class ProfileKeys : public TMainWindowTest {
protected:
    QString Toys() const { return folder.File("toys.ybk"); }
    QString Blank() const { return folder.File("blank.yearnbox"); }
};

// Each step runs on what the one before left: save, new, load, delete.
struct TStep {
    QKeyCombination key;
    QString entry;
    std::function<void(ProfileKeys &)> before;
    std::function<void(ProfileKeys &)> check;
};

const TStep kSteps[] = {
    {Qt::CTRL | Qt::Key_S, "Save this Profile",
     [](ProfileKeys &t) { t.dialogs.Answer(t.folder.File("toys")); },
     [](ProfileKeys &t) {
         EXPECT_EQ(t.folder.Read("toys.ybk"), ProfileBytes({kKite}));
         EXPECT_EQ(t.form->CurrentProfilePath(), t.folder.File("toys.ybk"));
     }},
    {Qt::CTRL | Qt::Key_N, "Create a New Yearnbox", nullptr,
     [](ProfileKeys &t) {
         EXPECT_EQ(t.form->CurrentProfilePath(), t.folder.File("blank.yearnbox"));
         EXPECT_EQ(t.Grid().RowCount(), 0);
     }},
    {Qt::CTRL | Qt::Key_O, "Load a Profile",
     [](ProfileKeys &t) { t.dialogs.Answer(t.folder.File("toys.ybk")); },
     [](ProfileKeys &t) {
         EXPECT_EQ(t.form->CurrentProfilePath(), t.folder.File("toys.ybk"));
         EXPECT_EQ(t.Grid().RowCount(), 1);
     }},
    {Qt::CTRL | Qt::SHIFT | Qt::Key_Delete, "Delete the active profile", nullptr,
     [](ProfileKeys &t) {
         EXPECT_FALSE(t.folder.Exists("toys.ybk"));
         EXPECT_EQ(t.form->CurrentProfilePath(), t.folder.File("blank.yearnbox"));
     }},
};

TEST_F(ProfileKeys, EachKeyPressesItsProfileButton)
{
    ShowWith({kKite});
    for (const TStep &step : kSteps) {
        SCOPED_TRACE(step.entry.toStdString());
        if (step.before)
            step.before(*this);
        QTest::keyClick(&Grid(), step.key.key(), step.key.keyboardModifiers());
        step.check(*this);
    }
}

TEST_F(ProfileKeys, TheMenuEndsWithTheProfileEntriesAndTheirKeys)
{
    ShowWith({kKite});
    for (const TStep &step : kSteps) {
        SCOPED_TRACE(step.entry.toStdString());
        if (step.before)
            step.before(*this);
        QMenu *menu = form->GridContextMenu().Open(QPoint(10, 30));
        const QList<QAction *> actions = menu->actions();
        ASSERT_GE(actions.size(), 5);
        // Separated from the entries before them.
        EXPECT_TRUE(actions[actions.size() - 5]->isSeparator());
        QAction *entry = nullptr;
        for (QAction *action : actions.mid(actions.size() - 4))
            if (action->text() == step.entry)
                entry = action;
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->shortcut(), QKeySequence(step.key));
        entry->trigger();
        menu->close();
        QApplication::processEvents();
        step.check(*this);
    }
}

} // namespace
