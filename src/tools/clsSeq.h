#pragma once
#include <array>
#include <cstdint>
#include <string>

// The player's figure sequence: up to ten classic figure numbers that the figure
// chooser takes in turn, over and over, while sequence mode is on. Owned by the
// game; edited by the sequence editor.
namespace qv {

class clsSeq {
public:
    static constexpr uint8_t MAX_ITEMS = 10;

    // Next figure number; the cursor cycles. An empty list gives 0. A cursor left
    // beyond the end by removals starts again at position 1.
    uint8_t Head();
    // Appends a figure number. A full list stays unchanged and the result is false.
    bool PutItem(uint8_t NewItem);
    uint8_t GetCount() const { return btCount; }
    // Removes the item at 1-based KillingIndex; false (and no change) when out of range.
    bool KillItem(uint8_t KillingIndex);
    // Item at 1-based position btWhat (1..GetCount()); 0 outside that range.
    uint8_t GetValueItem(uint8_t btWhat) const;
    // The items as digits ("0152") and the cursor, as a replay stores them.
    std::string Items() const;
    uint8_t Cursor() const { return btCursor; }
    // Replaces the list by the digits 0..6 of `items` (at most MAX_ITEMS) and the cursor.
    void Restore(const std::string& items, uint8_t cursor);

private:
    std::array<uint8_t, 11> btItems{};
    uint8_t btCount = 0;
    uint8_t btCursor = 1;
};

} // namespace qv
