// Where the addresses of a cell's text lie, and what a browser is given.

#include "grid_core/link_spans.h"

#include <gtest/gtest.h>

TEST(LinkSpans, FindEachAddressWithoutThePunctuationAroundIt)
{
    struct TCase {
        QString text;
        QStringList links;
    };
    const TCase cases[] = {
        {"Red bike", {}},
        {"", {}},
        {"https://shop.example/bike", {"https://shop.example/bike"}},
        {"see http://a.example/x.", {"http://a.example/x"}},
        {"www.toys.example, or not", {"www.toys.example"}},
        {"WWW.Toys.Example/Bike!", {"WWW.Toys.Example/Bike"}},
        {"(at https://a.example/p)", {"https://a.example/p"}},
        {"https://en.example/wiki/Bike_(toy)", {"https://en.example/wiki/Bike_(toy)"}},
        {"\"https://a.example/?q=1&r=2\";", {"https://a.example/?q=1&r=2"}},
        {"https://a.example/1 or www.b.example/2", {"https://a.example/1", "www.b.example/2"}},
        {"https://a.example\nwww.b.example", {"https://a.example", "www.b.example"}},
        // A start word alone, or inside a word, is no address.
        {"www. and http://", {}},
        {"awww.example and xhttp://a.example", {}},
        {"ftp://a.example", {}},
    };
    for (const TCase &c : cases)
        EXPECT_EQ(LinkTexts(c.text), c.links) << c.text.toStdString();

    EXPECT_EQ(FindLinkSpans(u"see www.a.example."), (QList<TLinkSpan>{{4, 13}}));
}

TEST(LinkSpans, ABareWwwAddressOpensOverHttp)
{
    EXPECT_EQ(LinkUrl("www.a.example/x").toString(), "http://www.a.example/x");
    EXPECT_EQ(LinkUrl("https://a.example/x?q=1").toString(), "https://a.example/x?q=1");
}
