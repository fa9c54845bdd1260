// The main window's size limits and the anchoring of its controls.

#include "app/anchoring.h"
#include "app/window_size_rules.h"

#include <gtest/gtest.h>

namespace {
struct SizeCase {
    int width, height;
    bool allowed;
    int resultWidth, resultHeight;
};
} // namespace

TEST(FormCanResize, KeepsTheOuterSizeWithinItsLimits)
{
    const SizeCase cases[] = {
        {640, 450, true, 643, 450}, // too narrow: widened
        {700, 380, true, 700, 396}, // too low: raised
        {700, 600, true, 700, 559}, // too high: lowered
        {1000, 450, false, 0, 0},   // too wide: never narrowed
        {640, 396, false, 0, 0},    // widening needs a height above 396
        {643, 380, false, 0, 0},    // raising needs a width above 643
        {950, 600, false, 0, 0},    // lowering needs a width below 950
        {640, 380, false, 0, 0},    // both too small
        {1000, 600, false, 0, 0},   // both too large
        {643, 396, true, 643, 396}, // the smallest size
        {950, 559, true, 950, 559}, // the largest size
        {667, 433, true, 667, 433}, // the design size
        {600, 700, true, 643, 559}, // widened first, then lowered
    };
    for (const SizeCase &c : cases) {
        int w = c.width;
        int h = c.height;
        bool resize = true;
        FormCanResize(w, h, resize);
        EXPECT_EQ(resize, c.allowed) << c.width << " x " << c.height;
        if (c.allowed) {
            EXPECT_EQ(w, c.resultWidth) << c.width << " x " << c.height;
            EXPECT_EQ(h, c.resultHeight) << c.width << " x " << c.height;
        }
    }
}

TEST(AnchoredRect, FollowsTheEdgesTheControlIsAnchoredTo)
{
    const QSize design(651, 394);
    const QSize grown(751, 444);
    EXPECT_EQ(AnchoredRect(QRect(16, -5, 205, 58), TAnchoring::anTopLeft, design, grown),
              QRect(16, -5, 205, 58));
    EXPECT_EQ(AnchoredRect(QRect(461, 59, 182, 32), TAnchoring::anTopRight, design, grown),
              QRect(561, 59, 182, 32));
    EXPECT_EQ(AnchoredRect(QRect(8, 59, 451, 327), TAnchoring::anAllSides, design, grown),
              QRect(8, 59, 551, 377));
    EXPECT_EQ(AnchoredRect(QRect(8, 59, 451, 327), TAnchoring::anAllSides, design, QSize(627, 357)),
              QRect(8, 59, 427, 290));
}
