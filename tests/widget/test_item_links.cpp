// Addresses in the item list: "Open Link" and "Copy Link" on the list's menu
// (a submenu when an item has several), Ctrl+L, the hand over an address,
// and a Ctrl+click that opens it where a plain click edits.

#include "app/grid_context_menu.h"
#include "app/item_columns.h"
#include "grid_window/inplace_edit.h"
#include "tests/support/main_window_test.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMenu>
#include <QTest>
#include <QUrl>

namespace {

// Stands in for the desktop's browser.
class TOpenedUrls : public QObject {
    Q_OBJECT
public:
    TOpenedUrls()
    {
        for (const char *scheme : {"http", "https"})
            QDesktopServices::setUrlHandler(scheme, this, "Open");
    }
    ~TOpenedUrls() override
    {
        for (const char *scheme : {"http", "https"})
            QDesktopServices::unsetUrlHandler(scheme);
    }
    Q_INVOKABLE void Open(const QUrl &url) { opened << url.toString(); }

    QStringList opened;
};

const QString kPlain = "Kite,red,$20,2,12/7/2026,0,False";
const QString kOne = "www.a.example,red,$5,1,12/7/2026,0,False";
const QString kTwo =
    "Ball,\"see https://b.example/x?q=1&r=2, or (www.c.example).\",$5,1,12/7/2026,0,False";

// The longest run of pixels of one row of rect that are not its fill.
int LongestStroke(const QImage &image, const QRect &rect)
{
    int longest = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const QRgb fill = image.pixel(rect.left() + 1, y);
        int run = 0;
        for (int x = rect.left(); x <= rect.right(); ++x) {
            run = image.pixel(x, y) == fill ? 0 : run + 1;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

class ItemLinks : public TMainWindowTest {
protected:
    QAction *Entry(QMenu &menu, const QString &text)
    {
        for (QAction *action : menu.actions())
            if (action->text() == text)
                return action;
        return nullptr;
    }
};

} // namespace

TEST_F(ItemLinks, TheMenuAndCtrlLOfferEachAddressOfTheSelectedItem)
{
    ShowWith({kPlain, kOne, kTwo});
    TOpenedUrls urls;
    struct TCase {
        int row;
        QStringList entries; // the submenu's, or the one entry's link; none: disabled
        QString opened;      // by Ctrl+L
    };
    const TCase cases[] = {
        {0, {}, {}},
        {1, {"www.a.example"}, "http://www.a.example"},
        {2, {"https://b.example/x?q=1&&r=2", "www.c.example"}, {}},
    };
    for (const TCase &c : cases) {
        SCOPED_TRACE(c.row);
        Grid().SelectCell(icPrice, c.row, true, {});
        QMenu *menu = form->GridContextMenu().Open(QPoint(10, 30));
        for (const QString entry : {"Open Link", "Copy Link"}) {
            QAction *action = Entry(*menu, entry);
            ASSERT_NE(action, nullptr) << entry.toStdString();
            EXPECT_EQ(action->isEnabled(), !c.entries.isEmpty());
            QStringList offered;
            if (action->menu())
                for (const QAction *link : action->menu()->actions())
                    offered << link->text();
            EXPECT_EQ(offered, c.entries.size() > 1 ? c.entries : QStringList());
        }
        EXPECT_EQ(Entry(*menu, "Open Link")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
        if (c.entries.size() > 1) {
            Entry(*menu, "Open Link")->menu()->actions().constLast()->trigger();
            EXPECT_EQ(urls.opened, QStringList({"http://www.c.example"}));
            Entry(*menu, "Copy Link")->menu()->actions().constFirst()->trigger();
            EXPECT_EQ(QGuiApplication::clipboard()->text(), "https://b.example/x?q=1&r=2");
        } else if (!c.entries.isEmpty()) {
            Entry(*menu, "Copy Link")->trigger();
            EXPECT_EQ(QGuiApplication::clipboard()->text(), c.entries.first());
        }
        menu->close();
        urls.opened.clear();

        QTest::keyClick(&Grid(), Qt::Key_L, Qt::ControlModifier);
        EXPECT_EQ(urls.opened, c.opened.isEmpty() ? QStringList() : QStringList({c.opened}));
        auto *offer = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        EXPECT_EQ(offer != nullptr, c.entries.size() > 1);
        if (offer)
            offer->close();
        urls.opened.clear();
    }
    EXPECT_EQ(folder.Read("blank.yearnbox"), ProfileBytes({kPlain, kOne, kTwo}));
}

TEST_F(ItemLinks, AnAddressShowsTheHandAndCtrlClickOpensItWhereAClickEdits)
{
    ShowWith({kPlain, kOne});
    TOpenedUrls urls;
    const QPoint link = Grid().CellRect(icName, 1).center();
    const QPoint plain = Grid().CellRect(icName, 0).center();
    // The address is underlined: one stroke longer than any letter's.
    const QImage shot = Grid().viewport()->grab().toImage();
    EXPECT_GE(LongestStroke(shot, Grid().CellRect(icName, 1).adjusted(2, 1, -2, -1)), 40);
    EXPECT_LT(LongestStroke(shot, Grid().CellRect(icName, 0).adjusted(2, 1, -2, -1)), 20);
    QTest::mouseMove(Grid().viewport(), link);
    EXPECT_EQ(Grid().viewport()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(Grid().LinkAt(link), QString("www.a.example"));
    QTest::mouseMove(Grid().viewport(), plain);
    EXPECT_NE(Grid().viewport()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(Grid().LinkAt(plain), std::nullopt);

    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, Qt::ControlModifier, link);
    EXPECT_EQ(urls.opened, QStringList({"http://www.a.example"}));
    EXPECT_EQ(Grid().ActiveEditor(), nullptr);
    EXPECT_EQ(Grid().SelectedRow(), 1);
    // A plain click selects and edits, as on any cell.
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, link);
    EXPECT_NE(Grid().ActiveEditor(), nullptr);
    EXPECT_EQ(urls.opened.size(), 1);
}

#include "test_item_links.moc"
