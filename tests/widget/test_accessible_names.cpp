// What a screen reader finds in the windows: every control it can reach has
// a name, hints are descriptions, and the parked-focus buffer is off screen.

#include "app/about_window.h"
#include "app/accessible_names.h"
#include "app/association_window.h"
#include "app/file_association.h"
#include "app/main_window.h"
#include "platform/desktop_registration.h"
#include "tests/support/main_window_test.h"
#include "tests/support/wait_until.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

TEST(AccessibleNames, ComeFromLabelsAndHints)
{
    const std::pair<QString, QString> cases[] = {
        {"Item Name:", "Item Name"},
        {" Item Price or Estimate: ", "Item Price or Estimate"},
        {"How Important is this Item?", "How Important is this Item?"},
        {"&Ok", "Ok"},
        {"Salt && Pepper", "Salt & Pepper"},
        {"Delete the active profile", "Delete the active profile"},
        {"::", ""},
    };
    for (const auto &[label, name] : cases)
        EXPECT_EQ(AccessibleNameOf(label), name) << label.toStdString();
}

bool Showing(const QAccessibleInterface &iface)
{
    return !iface.state().invisible && !iface.state().offscreen;
}

bool Reachable(const QAccessibleInterface &iface)
{
    switch (iface.role()) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::ComboBox:
    case QAccessible::Slider:
    case QAccessible::EditableText:
    case QAccessible::Table: return true;
    default: return iface.state().focusable;
    }
}

// The object names of the showing controls a user can reach that have no
// name; the grid's cells are named by the grid itself and are not walked.
QStringList Nameless(QAccessibleInterface *iface)
{
    QStringList found;
    if (!iface || !Showing(*iface))
        return found;
    if (Reachable(*iface) && iface->text(QAccessible::Name).isEmpty())
        found << (iface->object() ? iface->object()->objectName() : QStringLiteral("?"));
    if (iface->role() == QAccessible::Table)
        return found;
    for (int i = 0; i < iface->childCount(); ++i)
        found << Nameless(iface->child(i));
    return found;
}

QStringList Nameless(QWidget &window)
{
    return Nameless(QAccessible::queryAccessibleInterface(&window));
}

class AccessibleWindows : public TMainWindowTest {};

TEST_F(AccessibleWindows, NoShowingControlIsNameless)
{
    ShowWith({QStringLiteral("Kite,red,$20,2,12/7/2026,0,False")});
    EXPECT_EQ(Nameless(*form), QStringList());
    // The entry panel and the search panel open, with their fields.
    form->BitBtn1()->click();
    form->BitBtn7()->click();
    QApplication::processEvents();
    EXPECT_EQ(Nameless(*form), QStringList());

    // The in-place editor of the name column.
    Grid().setFocus();
    Grid().EditCell(0, 0, QStringLiteral("Kite"));
    QApplication::processEvents();
    EXPECT_EQ(Nameless(*form), QStringList());

    TForm2 about(modal, form.get());
    about.show();
    EXPECT_EQ(Nameless(about), QStringList());

    struct TNoDesktop : IDesktopRegistration {
        bool KnowsGlob(const QString &) const override { return false; }
        void Register(const TDesktopFileType &) override {}
    } desktop;
    TTempFolder store;
    TFileAssociation association(store.Path(), desktop, QStringLiteral("/usr/bin/yearnbox"));
    TForm3 question(*form, association, modal, form.get());
    question.show();
    EXPECT_EQ(Nameless(question), QStringList());
}

TEST_F(AccessibleWindows, ControlsAreNamedAndDescribedByTheirLabelsAndHints)
{
    Show();
    struct TCase {
        QWidget *control;
        QString name, description;
    };
    const TCase cases[] = {
        {form->SpeedButton4(), "Create a New Yearnbox", "Create a New Yearnbox"},
        {form->SpeedButton1(), "Save this Profile", "Save this Profile"},
        {form->SpeedButton2(), "Load a Profile", "Load a Profile"},
        {form->SpeedButton3(), "Delete the active profile", "Delete the active profile"},
        {form->Edit1(), "Item Name", ""},
        {form->Edit2(), "Item Notes", ""},
        {form->Edit3(), "Item Price or Estimate", ""},
        {form->Edit4(), "Search Options", ""},
        {form->TrackBar1(), "How Important is this Item?", ""},
        {form->ComboBox1(), "Profile", ""},
        {form->LatticeGrid1(), "Items", ""},
    };
    for (const TCase &c : cases) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(c.control);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->text(QAccessible::Name), c.name) << c.control->objectName().toStdString();
        EXPECT_EQ(iface->text(QAccessible::Description), c.description)
            << c.control->objectName().toStdString();
    }
}

TEST_F(AccessibleWindows, ControlsOutOfSightAreNotShowing)
{
    Show();
    QAccessibleInterface *memo = QAccessible::queryAccessibleInterface(form->Memo1());
    ASSERT_NE(memo, nullptr);
    EXPECT_TRUE(memo->state().offscreen);
    EXPECT_FALSE(memo->state().invisible);
    EXPECT_EQ(memo->role(), QAccessible::EditableText);

    // A closed panel's fields, until "New Item" opens it and after it closes.
    const auto nameShowing = [&] {
        return Showing(*QAccessible::queryAccessibleInterface(form->Edit1()));
    };
    EXPECT_FALSE(nameShowing());
    form->BitBtn1()->click();
    EXPECT_TRUE(nameShowing());
    form->BitBtn4()->click();
    EXPECT_TRUE(WaitUntil([&] { return !nameShowing(); }));
}

} // namespace
