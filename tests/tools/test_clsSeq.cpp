#include <gtest/gtest.h>

#include <vector>

#include "tools/clsSeq.h"

using qv::clsSeq;

namespace {

clsSeq Sequence_Of(std::vector<uint8_t> items)
{
    clsSeq seq;
    for (uint8_t i : items)
        seq.PutItem(i);
    return seq;
}

std::vector<uint8_t> Heads(clsSeq& seq, int n)
{
    std::vector<uint8_t> out;
    for (int i = 0; i < n; ++i)
        out.push_back(seq.Head());
    return out;
}

} // namespace

TEST(clsSeq_Head, gives_0_on_an_empty_list_and_leaves_the_cursor_at_the_start)
{
    clsSeq seq;
    EXPECT_EQ(seq.Head(), 0);
    EXPECT_EQ(seq.Head(), 0);
    seq.PutItem(4);
    seq.PutItem(1);
    EXPECT_EQ(seq.Head(), 4);
}

TEST(clsSeq_Head, cycles_through_the_items_in_order)
{
    clsSeq seq = Sequence_Of({2, 0, 5});
    EXPECT_EQ(Heads(seq, 7), (std::vector<uint8_t>{2, 0, 5, 2, 0, 5, 2}));
}

TEST(clsSeq_Head, repeats_a_single_item)
{
    clsSeq seq = Sequence_Of({3});
    EXPECT_EQ(Heads(seq, 3), (std::vector<uint8_t>{3, 3, 3}));
}

TEST(clsSeq_Head, starts_again_at_the_first_item_when_removals_left_the_cursor_beyond_the_end)
{
    clsSeq seq = Sequence_Of({6, 1, 4});
    EXPECT_EQ(Heads(seq, 2), (std::vector<uint8_t>{6, 1}));
    ASSERT_TRUE(seq.KillItem(3));
    EXPECT_EQ(Heads(seq, 3), (std::vector<uint8_t>{6, 1, 6}));
}

TEST(clsSeq_Head, keeps_cycling_over_items_added_later)
{
    clsSeq seq = Sequence_Of({1, 2});
    EXPECT_EQ(seq.Head(), 1);
    EXPECT_EQ(seq.Head(), 2);
    seq.PutItem(3);
    EXPECT_EQ(Heads(seq, 4), (std::vector<uint8_t>{1, 2, 3, 1}));
}

TEST(clsSeq_PutItem, refuses_an_eleventh_item_and_keeps_the_ten)
{
    clsSeq seq;
    for (uint8_t i = 0; i < 10; ++i)
        ASSERT_TRUE(seq.PutItem(i % 7));
    EXPECT_FALSE(seq.PutItem(6));
    EXPECT_EQ(seq.GetCount(), 10);
    for (uint8_t k = 1; k <= 10; ++k)
        EXPECT_EQ(seq.GetValueItem(k), (k - 1) % 7);
}

TEST(clsSeq_KillItem, ignores_indexes_out_of_range)
{
    clsSeq seq = Sequence_Of({2, 0, 5});
    EXPECT_FALSE(seq.KillItem(0));
    EXPECT_FALSE(seq.KillItem(4));
    EXPECT_FALSE(seq.KillItem(255));
    EXPECT_EQ(seq.GetCount(), 3);
    EXPECT_EQ(Heads(seq, 3), (std::vector<uint8_t>{2, 0, 5}));
}

TEST(clsSeq_KillItem, closes_up_the_items_after_the_removed_one)
{
    clsSeq seq = Sequence_Of({1, 2, 3, 4, 5});
    ASSERT_TRUE(seq.KillItem(3));
    ASSERT_EQ(seq.GetCount(), 4);
    EXPECT_EQ(seq.GetValueItem(1), 1);
    EXPECT_EQ(seq.GetValueItem(2), 2);
    EXPECT_EQ(seq.GetValueItem(3), 4);
    EXPECT_EQ(seq.GetValueItem(4), 5);
    EXPECT_EQ(seq.GetValueItem(5), 0);
}

TEST(clsSeq_KillItem, empties_a_list_of_one_so_that_Head_gives_0)
{
    clsSeq seq = Sequence_Of({4});
    ASSERT_TRUE(seq.KillItem(1));
    EXPECT_EQ(seq.GetCount(), 0);
    EXPECT_EQ(seq.Head(), 0);
}

TEST(clsSeq_GetValueItem, gives_0_outside_the_items)
{
    clsSeq seq = Sequence_Of({5, 6});
    EXPECT_EQ(seq.GetValueItem(0), 0);
    EXPECT_EQ(seq.GetValueItem(3), 0);
    EXPECT_EQ(seq.GetValueItem(2), 6);
}
