#include "tools/clsSeq.h"

namespace qv {

uint8_t clsSeq::Head()
{
    if (btCount == 0)
        return 0;
    if (btCursor < 1 || btCursor > btCount)
        btCursor = 1;
    const uint8_t item = btItems[btCursor];
    btCursor = (btCursor == btCount) ? 1 : uint8_t(btCursor + 1);
    return item;
}

bool clsSeq::PutItem(uint8_t NewItem)
{
    if (btCount >= MAX_ITEMS)
        return false;
    btItems[++btCount] = NewItem;
    return true;
}

bool clsSeq::KillItem(uint8_t KillingIndex)
{
    if (KillingIndex < 1 || KillingIndex > btCount)
        return false;
    for (int i = KillingIndex; i < btCount; ++i)
        btItems[i] = btItems[i + 1];
    btItems[btCount] = 0;
    --btCount;
    return true;
}

uint8_t clsSeq::GetValueItem(uint8_t btWhat) const
{
    return (btWhat >= 1 && btWhat <= btCount) ? btItems[btWhat] : 0;
}

std::string clsSeq::Items() const
{
    std::string items;
    for (int i = 1; i <= btCount; ++i)
        items += char('0' + btItems[i]);
    return items;
}

void clsSeq::Restore(const std::string& items, uint8_t cursor)
{
    btItems = {};
    btCount = 0;
    for (char c : items)
        if (c >= '0' && c <= '6' && btCount < MAX_ITEMS)
            btItems[++btCount] = uint8_t(c - '0');
    btCursor = cursor;
}

} // namespace qv
