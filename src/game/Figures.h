#pragma once
#include <array>
#include <cstdint>
#include <string>

// The figure catalogue: pattern texts of the classic set and the super figure,
// the coming-figure record and the 4 x 4 figure array.
namespace qv {

// 16 characters "0"/"1", column by column: character 4*col + row (0-based) is cell (col, row).
using Pattern = std::string;

inline constexpr const char* SUPER_PATTERN = "1001111110011111";
inline constexpr int32_t SUPER_BONUS = 250000;

// Pattern of classic figure n; any n outside 0..5 gives figure 6.
const char* Classic_Pattern(int n);

// One coming figure. Bonus is in tenths of a displayed point.
struct FigureRecord {
    std::string Pattern = "0000000000000000";
    int32_t Bonus = 0;
    bool IsQuarvex = false;
};

// A figure in its box, indexed [column][row], row 0 at the top.
using FigureArray = std::array<std::array<bool, 4>, 4>;

// Number of filled cells of a pattern.
int Pattern_Cells(const Pattern& p);

} // namespace qv
