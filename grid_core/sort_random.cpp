#include "grid_core/sort_random.h"

TSortRandom &TSortRandom::Process()
{
    static TSortRandom generator;
    return generator;
}
