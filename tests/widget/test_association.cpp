// The association question: when it is asked, what "Yes", "No", the check box
// and the title-bar close write to the key store and the settings, and the
// window's layout.

#include "app/association_window.h"
#include "app/file_association.h"
#include "app/main_window.h"
#include "platform/desktop_registration.h"
#include "tests/support/recorded_message_boxes.h"
#include "tests/support/scripted_file_dialogs.h"
#include "tests/support/scripted_modal_windows.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wait_until.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kExe = QStringLiteral("/opt/my apps/yearnbox");

class TRecordedDesktop : public IDesktopRegistration {
public:
    bool KnowsGlob(const QString &glob) const override { return glob == knownGlob; }
    void Register(const TDesktopFileType &type) override { registered.append(type); }
    QString knownGlob;
    QList<TDesktopFileType> registered;
};

class AssociationTest : public ::testing::Test {
protected:
    // A start of the program that runs until the question's tick is over.
    void StartAndTick(std::function<void(TForm3 &)> answer = nullptr)
    {
        form3.reset();
        form.reset();
        modal.shown.clear();
        form = std::make_unique<TForm1>(folder.Path(), QString(), boxes, dialogs);
        form->move(200, 100);
        form->show();
        form3 = std::make_unique<TForm3>(*form, association, modal);
        form->SetAssociationWindow([this]() -> TForm3 & { return *form3; });
        modal.answer = [this, answer](QDialog &) {
            tickedWhenShown = form3->CheckBox1()->isChecked();
            if (answer)
                answer(*form3);
        };
        EXPECT_EQ(form->Timer5()->interval(), 500);
        form->Timer5()->setInterval(1);
        ASSERT_TRUE(WaitUntil([&] { return !form->Timer5()->isActive(); }));
    }
    QByteArray Key(const QString &key) const { return store.Read(key + QStringLiteral("/@")); }
    QByteArray Settings() const { return folder.Read("settings.yearnbox"); }

    TTempFolder folder;
    TTempFolder store;
    TRecordedMessageBoxes boxes;
    TScriptedFileDialogs dialogs;
    TScriptedModalWindows modal;
    TRecordedDesktop desktop;
    TFileAssociation association{store.Path(), desktop, kExe};
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TForm3> form3;
    bool tickedWhenShown = false;
};

void PressYes(TForm3 &form3)
{
    form3.Button1()->click();
}

} // namespace

TEST_F(AssociationTest, FirstStartAsksWithTheBoxTickedAndYesWritesTheKeysAndTheSettings)
{
    StartAndTick(PressYes);
    ASSERT_EQ(modal.shown.size(), 1);
    EXPECT_TRUE(tickedWhenShown);
    EXPECT_FALSE(form3->isVisible());
    EXPECT_EQ(Key(".ybk"), "Yearnbox");
    EXPECT_EQ(Key("Yearnbox/DefaultIcon"), "\"/opt/my apps/yearnbox\", 0");
    EXPECT_EQ(Key("Yearnbox/Shell/Open/Command"), "\"/opt/my apps/yearnbox\">>%1");
    EXPECT_EQ(Settings(), "433\r\n667\r\n1\r\n1\r\n");
    ASSERT_EQ(desktop.registered.size(), 1);
    EXPECT_EQ(desktop.registered[0].program, kExe);
    EXPECT_EQ(desktop.registered[0].glob, "*.ybk");
    EXPECT_FALSE(desktop.registered[0].iconPng.isEmpty());
    EXPECT_TRUE(boxes.shown.isEmpty());

    StartAndTick();
    EXPECT_TRUE(modal.shown.isEmpty()) << "asked once only";
}

TEST_F(AssociationTest, TheQuestionIsCentredOverTheMainWindow)
{
    StartAndTick(PressYes);
    ASSERT_EQ(modal.shown.size(), 1);
    EXPECT_LE((form3->geometry().center() - form->geometry().center()).manhattanLength(), 1);
}

TEST_F(AssociationTest, UntickingAndNoWritesNoKeysAndZerosAndTheQuestionDoesNotComeAgain)
{
    StartAndTick([](TForm3 &form3) {
        form3.CheckBox1()->click();
        form3.Button2()->click();
    });
    ASSERT_EQ(modal.shown.size(), 1);
    EXPECT_FALSE(form3->isVisible());
    EXPECT_FALSE(store.Exists(".ybk"));
    EXPECT_EQ(Settings(), "433\r\n667\r\n0\r\n0\r\n");
    EXPECT_TRUE(desktop.registered.isEmpty());

    StartAndTick();
    EXPECT_TRUE(modal.shown.isEmpty());
    EXPECT_FALSE(form3->CheckBox1()->isChecked()) << "the flag 0 unticks the box";
}

TEST_F(AssociationTest, NoQuestionWhenAnAssociationExistsOrTheFlagIsNeitherOneNorZero)
{
    const struct {
        const char *name;
        const char *extensionKey; // the value of ".ybk", none when null
        bool desktopKnowsGlob;
        const char *settings;
    } cases[] = {
        {"another program's key", "OtherApp", false, nullptr},
        {"another program's glob", nullptr, true, nullptr},
        {"flag 2", nullptr, false, "433\r\n667\r\n2\r\n1\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TTempFolder caseStore;
        TRecordedDesktop caseDesktop;
        caseDesktop.knownGlob = c.desktopKnowsGlob ? QStringLiteral("*.ybk") : QString();
        if (c.extensionKey) {
            TKeyStore keys(caseStore.Path());
            keys.OpenKey(QStringLiteral(".ybk"), true);
            keys.WriteDefaultString(QString::fromLatin1(c.extensionKey));
        }
        if (c.settings)
            folder.Write("settings.yearnbox", c.settings);
        TFileAssociation caseAssociation(caseStore.Path(), caseDesktop, kExe);
        TForm1 main(folder.Path(), QString(), boxes, dialogs);
        TForm3 question(main, caseAssociation, modal);
        main.SetAssociationWindow([&]() -> TForm3 & { return question; });
        main.Timer5()->setInterval(1);
        ASSERT_TRUE(WaitUntil([&] { return !main.Timer5()->isActive(); }));
        EXPECT_TRUE(modal.shown.isEmpty());
        EXPECT_TRUE(question.CheckBox1()->isChecked()) << "the box keeps its state";
        if (caseAssociation.AssociationExists()) {
            // "Yes" would leave another program's association untouched.
            caseAssociation.WriteAssociation();
            EXPECT_EQ(caseStore.Read(".ybk/@"),
                      c.extensionKey ? QByteArray(c.extensionKey) : QByteArray());
            EXPECT_FALSE(caseStore.Exists("Yearnbox"));
            EXPECT_TRUE(caseDesktop.registered.isEmpty());
        }
    }
}

TEST_F(AssociationTest, AStoreThatCannotBeWrittenClosesSilentlyAndAsksAgainNextTime)
{
    store.Write("blocked", "x");
    TFileAssociation blocked(store.File("blocked") + QStringLiteral("/classes/"), desktop, kExe);
    TForm1 main(folder.Path(), QString(), boxes, dialogs);
    TForm3 question(main, blocked, modal);
    main.SetAssociationWindow([&]() -> TForm3 & { return question; });
    modal.answer = [&](QDialog &) { question.Button1()->click(); };
    main.Timer5()->setInterval(1);
    ASSERT_TRUE(WaitUntil([&] { return !main.Timer5()->isActive(); }));
    ASSERT_EQ(modal.shown.size(), 1);
    EXPECT_FALSE(question.isVisible());
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_TRUE(desktop.registered.isEmpty());
    EXPECT_EQ(Settings(), "433\r\n667\r\n1\r\n1\r\n");
    EXPECT_FALSE(blocked.AssociationExists());
}

TEST_F(AssociationTest, APartialWriteStaysAndTheQuestionDoesNotComeAgain)
{
    // "Yearnbox" as a file: the icon and command keys cannot be created.
    store.Write("Yearnbox", "x");
    StartAndTick(PressYes);
    EXPECT_EQ(Key(".ybk"), "Yearnbox");
    EXPECT_TRUE(desktop.registered.isEmpty());
    StartAndTick();
    EXPECT_TRUE(modal.shown.isEmpty());
}

TEST_F(AssociationTest, TheTitleBarCloseAnswersNeither)
{
    StartAndTick([](TForm3 &form3) {
        form3.CheckBox1()->click();
        form3.close();
    });
    EXPECT_FALSE(form3->isVisible());
    EXPECT_FALSE(store.Exists(".ybk"));
    EXPECT_EQ(Settings(), "433\r\n667\r\n1\r\n") << "not written at that moment";
    EXPECT_EQ(form->AskAtStartup(), 0) << "the flag follows the box";
    form->close();
    EXPECT_EQ(Settings(), "433\r\n667\r\n0\r\n0\r\n");
}

TEST_F(AssociationTest, TheWindowIsLaidOutAsDesigned)
{
    TForm1 main(folder.Path(), QString(), boxes, dialogs);
    TForm3 question(main, association, modal);
    EXPECT_EQ(question.windowTitle(), "Yearnbox");
    EXPECT_EQ(question.size(), QSize(420, 121));
    EXPECT_EQ(question.minimumSize(), question.maximumSize()) << "not resizable";
    const struct {
        QWidget *control;
        QRect place;
    } places[] = {
        {question.Label1(), QRect(8, 8, 337, 17)},     {question.Button1(), QRect(8, 40, 75, 25)},
        {question.Button2(), QRect(89, 40, 75, 25)},   {question.Shape1(), QRect(8, 88, 404, 1)},
        {question.CheckBox1(), QRect(8, 95, 161, 17)},
    };
    for (const auto &p : places)
        EXPECT_EQ(p.control->geometry(), p.place) << p.control->objectName().toStdString();
    EXPECT_EQ(question.Label1()->text(),
              "Would you like to associate the file extension \".ybk\" with Yearnbox?");
    EXPECT_EQ(question.Button1()->text(), "Yes");
    EXPECT_EQ(question.Button2()->text(), "No");
    EXPECT_EQ(question.CheckBox1()->text(), "Ask me at Startup about this.");
    EXPECT_TRUE(question.CheckBox1()->isChecked());
    EXPECT_FALSE(question.Button1()->autoDefault() || question.Button1()->isDefault());
    EXPECT_FALSE(question.Button2()->autoDefault() || question.Button2()->isDefault());
    // Tab order: the check box, "Yes", "No".
    QList<QWidget *> tabOrder;
    for (QWidget *w = question.CheckBox1(); tabOrder.size() < 3; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            tabOrder.append(w);
    EXPECT_EQ(tabOrder,
              (QList<QWidget *>{question.CheckBox1(), question.Button1(), question.Button2()}));
}

TEST_F(AssociationTest, EnterOnTheFocusedAnswerPressesIt)
{
    // "No" first: it leaves the question to be asked again for "Yes".
    const struct {
        const char *name;
        QPushButton *(TForm3::*button)() const;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool associated;
    } cases[] = {
        {"keypad Enter on No", &TForm3::Button2, Qt::Key_Enter, Qt::KeypadModifier, false},
        {"Return on Yes", &TForm3::Button1, Qt::Key_Return, Qt::NoModifier, true},
    };
    for (const auto &c : cases) {
        StartAndTick([&c](TForm3 &form3) {
            QPushButton *button = (form3.*c.button)();
            button->setFocus();
            QTest::keyClick(button, c.key, c.modifiers);
        });
        ASSERT_EQ(modal.shown.size(), 1) << c.name;
        EXPECT_FALSE(form3->isVisible()) << c.name;
        EXPECT_EQ(store.Exists(".ybk"), c.associated) << c.name;
        EXPECT_EQ(Settings(), "433\r\n667\r\n1\r\n1\r\n") << c.name;
    }
}
