#include "app/window_size_rules.h"

namespace {
constexpr int kMinWidth = 643;
constexpr int kMaxWidth = 950;
constexpr int kMinHeight = 396;
constexpr int kMaxHeight = 559;
} // namespace

void FormCanResize(int &NewWidth, int &NewHeight, bool &Resize)
{
    int &w = NewWidth;
    int &h = NewHeight;
    if (w < kMinWidth && h > kMinHeight)
        w = kMinWidth;
    if (h < kMinHeight && w > kMinWidth)
        h = kMinHeight;
    if (h < kMinHeight && w < kMinWidth)
        Resize = false;
    if (h > kMaxHeight && w < kMaxWidth)
        h = kMaxHeight;
    if (h > kMaxHeight && w > kMaxWidth)
        Resize = false;
    if (w < kMinWidth || h < kMinHeight || w > kMaxWidth || h > kMaxHeight)
        Resize = false;
}
