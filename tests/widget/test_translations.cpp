// The program in German, French and Spanish: the language chosen from the
// locale variables, the translations found beside the test binary as beside
// the program, and every caption still inside its control at the designed
// sizes, the web page in the same words. Each window is also saved as a PNG
// (translated-windows/ in the build folder) to be looked at.

#include "app/about_window.h"
#include "app/association_window.h"
#include "app/duplicate_line.h"
#include "app/file_association.h"
#include "app/gift_page.h"
#include "app/translations.h"
#include "platform/desktop_registration.h"
#include "tests/support/main_window_test.h"
#include "tests/support/wait_until.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(MessageLanguagesTest, FollowTheLocaleVariablesAsGettextDoes)
{
    struct TCase {
        const char *what;
        TMessageLocale locale;
        QStringList languages;
    };
    const TCase cases[] = {
        {"LANG alone", {{}, {}, {}, "de_DE.UTF-8"}, {"de_DE"}},
        {"LC_ALL before LC_MESSAGES and LANG",
         {{}, "fr_FR.UTF-8", "es_ES.UTF-8", "de_DE"},
         {"fr_FR"}},
        {"LC_MESSAGES before LANG", {{}, {}, "es_ES.UTF-8", "de_DE.UTF-8"}, {"es_ES"}},
        {"LANGUAGE first, then the locale",
         {"es:fr_CA", {}, {}, "de_DE.UTF-8"},
         {"es", "fr_CA", "de_DE"}},
        {"a modifier dropped", {{}, {}, {}, "de_DE@euro"}, {"de_DE"}},
        {"the C locale ignores LANGUAGE", {"de", {}, {}, "C.UTF-8"}, {}},
        {"POSIX likewise", {"de", "POSIX", {}, "de_DE.UTF-8"}, {}},
        {"nothing set", {"de", {}, {}, {}}, {}},
    };
    for (const TCase &c : cases)
        EXPECT_EQ(MessageLanguages(c.locale), c.languages) << c.what;
}

class TNoDesktop : public IDesktopRegistration {
public:
    bool KnowsGlob(const QString &) const override { return false; }
    void Register(const TDesktopFileType &) override {}
};

// Where a shown caption runs past its control (a hidden one is not laid out):
// a label's text wider or taller than the label, or the label past its
// parent's edge; a button's icon and text (to the last letter's right edge)
// wider than the button's inside.
QStringList ClippedCaptions(const QWidget &window)
{
    QStringList clipped;
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        if (label->text().isEmpty() || !label->isVisible())
            continue;
        const QRect inside = label->contentsRect();
        const QFontMetrics metrics = label->fontMetrics();
        const bool fits = label->wordWrap()
                              ? label->heightForWidth(label->width()) <= label->height()
                              : metrics.horizontalAdvance(label->text()) <= inside.width();
        const QWidget *parent = label->parentWidget();
        const bool inParent = parent == &window || label->geometry().right() < parent->width();
        if (!fits || !inParent)
            clipped.append(label->objectName() + QStringLiteral(": ") + label->text());
    }
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        if (button->text().isEmpty() || !button->isVisible())
            continue;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        QString text = button->text();
        text.remove(QLatin1Char('&'));
        const int ink = button->fontMetrics().tightBoundingRect(text).right() + 1;
        bool fits;
        if (qobject_cast<const QCheckBox *>(button)) {
            // Left-aligned beside the box, up to the button's edge.
            const QRect inside =
                button->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, button);
            fits = inside.left() + ink <= button->width();
        } else {
            // The icon and the text centred inside the frame.
            const QRect inside =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            fits = icon + ink <= inside.width();
        }
        if (!fits)
            clipped.append(button->objectName() + QStringLiteral(": ") + button->text());
    }
    return clipped;
}

void SaveForLooking(QWidget &window, const QString &language, const QString &name)
{
    const QDir folder(QCoreApplication::applicationDirPath() +
                      QStringLiteral("/translated-windows"));
    folder.mkpath(QStringLiteral("."));
    EXPECT_TRUE(window.grab().save(
        folder.filePath(language + QLatin1Char('-') + name + QStringLiteral(".png"))));
}

// The windows in one language; "en" installs nothing.
class TranslatedWindowsTest : public TMainWindowTest,
                              public ::testing::WithParamInterface<const char *> {
protected:
    void SetUp() override
    {
        language = QString::fromLatin1(GetParam());
        installed = InstallTranslations(*QCoreApplication::instance(), {language},
                                        TranslationFolders(QCoreApplication::applicationDirPath()));
    }
    void TearDown() override
    {
        form.reset();
        for (QTranslator *translator :
             QCoreApplication::instance()->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

    QString language;
    QString installed;
};

TEST_P(TranslatedWindowsTest, CaptionsFitTheirControls)
{
    if (language == QLatin1String("en"))
        EXPECT_TRUE(installed.isEmpty()) << "English is the program's own text";
    else
        ASSERT_EQ(installed, language) << "no yearnbox_" << language.toStdString() << ".qm found";
    ShowWith({"Red bike,,$100,1,12/7/2026,0,False"});
    EXPECT_TRUE(ClippedCaptions(*form).isEmpty())
        << ClippedCaptions(*form).join(u'\n').toStdString();
    SaveForLooking(*form, language, QStringLiteral("main-window"));

    QTest::mouseClick(form->BitBtn1(), Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return !form->Timer1()->isActive(); }, 5000));
    EXPECT_TRUE(ClippedCaptions(*form).isEmpty())
        << ClippedCaptions(*form).join(u'\n').toStdString();
    SaveForLooking(*form, language, QStringLiteral("entry-panel"));

    // The same-name line: its buttons' Alt keys differ from each other and
    // from every other shown button's.
    form->Edit1()->setText(QStringLiteral("Red bike"));
    form->Edit3()->setText(QStringLiteral("$90"));
    QTest::mouseClick(form->BitBtn2(), Qt::LeftButton);
    TDuplicateLine &line = *form->DuplicateLine();
    ASSERT_TRUE(line.isVisible());
    EXPECT_TRUE(ClippedCaptions(line).isEmpty()) << ClippedCaptions(line).join(u'\n').toStdString();
    for (const QPushButton *button : {line.SaveAnyway(), line.GoToItem()})
        EXPECT_LE(button->geometry().right(), line.contentsRect().right())
            << button->text().toStdString() << " past the line's edge";
    QStringList keys;
    for (const QAbstractButton *button : form->findChildren<QAbstractButton *>())
        if (button->isVisible() && !QKeySequence::mnemonic(button->text()).isEmpty())
            keys.append(QKeySequence::mnemonic(button->text()).toString());
    for (const QPushButton *button : {line.SaveAnyway(), line.GoToItem()}) {
        const QString key = QKeySequence::mnemonic(button->text()).toString();
        EXPECT_FALSE(key.isEmpty()) << button->text().toStdString();
        EXPECT_EQ(keys.count(key), 1) << key.toStdString();
    }
    SaveForLooking(line, language, QStringLiteral("duplicate-line"));

    TForm2 about(modal);
    about.show();
    EXPECT_TRUE(ClippedCaptions(about).isEmpty())
        << ClippedCaptions(about).join(u'\n').toStdString();
    SaveForLooking(about, language, QStringLiteral("about"));

    TNoDesktop desktop;
    TFileAssociation association(folder.Path() + QStringLiteral("/classes/"), desktop,
                                 QStringLiteral("/usr/bin/yearnbox"));
    TForm3 question(*form, association, modal);
    question.show();
    EXPECT_TRUE(ClippedCaptions(question).isEmpty())
        << ClippedCaptions(question).join(u'\n').toStdString();
    SaveForLooking(question, language, QStringLiteral("association"));

    // As TMessageBoxes shows them, with Qt's own translated button.
    const std::pair<const char *, const char *> shown[] = {
        {"message-fill-in",
         "Please fill in more information about this item before trying to add it."},
        {"message-not-loaded", "Profile could not be loaded; it may be missing or corrupt."}};
    for (const auto &[name, text] : shown) {
        QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), TForm1::tr(text),
                        QMessageBox::Ok, form.get());
        box.show();
        QApplication::processEvents();
        EXPECT_TRUE(ClippedCaptions(box).isEmpty())
            << ClippedCaptions(box).join(u'\n').toStdString();
        SaveForLooking(box, language, QString::fromLatin1(name));
    }
}

// The web page written from the window speaks the window's language.
TEST_P(TranslatedWindowsTest, TheWebPageIsInTheLanguage)
{
    struct TWords {
        const char *language, *stars, *marked;
    };
    const TWords table[] = {{"en", "3 of 5 stars", "Marked"},
                            {"de", "3 von 5 Sternen", "Markiert"},
                            {"fr", "3 sur 5 étoiles", "Marqué"},
                            {"es", "3 de 5 estrellas", "Marcado"}};
    const auto words = std::find_if(std::begin(table), std::end(table), [&](const TWords &w) {
        return language == QLatin1String(w.language);
    });
    ASSERT_NE(words, std::end(table));
    const QString html = GiftPageHtml({"Toys", 5, {{"Lamp", "", "", 3, true}}, {}});
    for (const QString &text :
         {QStringLiteral("<html lang=\"%1\">").arg(language),
          QStringLiteral("aria-label=\"%1\"").arg(QString::fromUtf8(words->stars)),
          QStringLiteral("\u2713 %1</span>").arg(QString::fromUtf8(words->marked))})
        EXPECT_TRUE(html.contains(text)) << text.toStdString() << "\n" << html.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedWindowsTest,
                         ::testing::Values("en", "de", "fr", "es"),
                         [](const auto &info) { return std::string(info.param); });

} // namespace
