#include "game/Figures.h"

namespace qv {

const char* Classic_Pattern(int n)
{
    static const char* const patterns[7] = {
        "0000111010000000", "0000011100010000", "0000111100000000", "0000010001100010",
        "0000001001100100", "0000001001110000", "0000011001100000",
    };
    return (n >= 0 && n <= 5) ? patterns[n] : patterns[6];
}

int Pattern_Cells(const Pattern& p)
{
    int n = 0;
    for (char c : p)
        n += (c == '1');
    return n;
}

} // namespace qv
