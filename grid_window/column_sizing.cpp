#include "grid_window/column_sizing.h"

#include <algorithm>
#include <cmath>

namespace {

// Independent of the floating-point rounding mode.
long double RoundHalfEven(long double value)
{
    const long double floor = std::floor(value);
    const long double fraction = value - floor;
    if (fraction > 0.5L)
        return floor + 1;
    if (fraction < 0.5L)
        return floor;
    return std::fmod(floor, 2.0L) == 0 ? floor : floor + 1;
}

} // namespace

int AutoSizeWidth(int width, int autoSizeSum, int freeWidth)
{
    const long double share = (long double)width / autoSizeSum * freeWidth;
    return std::max(int(RoundHalfEven(share)), kMinColumnWidth);
}
