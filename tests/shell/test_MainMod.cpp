#include <gtest/gtest.h>

#include "shell/MainMod.h"
#include "shell/TextFile.h"

using qv::Cut_At_Null;
using qv::Shorten_Path;

TEST(Shorten_Path, keeps_equal_halves_around_three_dots)
{
    const std::string path = "/home/player/music/Quarvex/track-0042.mp3";
    ASSERT_EQ(path.size(), 41u);
    const std::string p40 = path.substr(1);
    EXPECT_EQ(Shorten_Path(p40, 25), p40.substr(0, 11) + "..." + p40.substr(29));
    EXPECT_EQ(Shorten_Path(p40, 30), p40.substr(0, 13) + "..." + p40.substr(27));
    EXPECT_EQ(Shorten_Path(p40, 30).size(), 29u);
    EXPECT_EQ(Shorten_Path(p40, 40), p40);
    EXPECT_EQ(Shorten_Path(p40, 39).size(), 39u);
}

TEST(Shorten_Path, counts_cyrillic_characters_and_never_splits_one)
{
    std::string path = "/дом/игрок/музыка/";
    for (int i = 0; i < 40 && qv::Utf8_Length(path) < 40; ++i)
        path += "ж";
    const std::string cut = Shorten_Path(path, 25);
    EXPECT_TRUE(qv::Is_Valid_Utf8(cut));
    EXPECT_EQ(qv::Utf8_Length(cut), 25u);
    EXPECT_EQ(cut, "/дом/игрок/...жжжжжжжжжжж");
    EXPECT_EQ(Shorten_Path(path, 40), path);
}

TEST(Cut_At_Null, trims_blanks_then_cuts_at_the_first_nul)
{
    EXPECT_EQ(Cut_At_Null("  OFFICE7  "), "OFFICE7");
    EXPECT_EQ(Cut_At_Null(std::string("OFFICE7\0\0\0   ", 13)), "OFFICE7");
    EXPECT_EQ(Cut_At_Null(std::string("  AB \0CD  ", 10)), "AB ");
    EXPECT_EQ(Cut_At_Null(std::string("\0abc", 4)), "");
    EXPECT_EQ(Cut_At_Null(std::string(255, ' ')), "");
    EXPECT_EQ(Cut_At_Null("PC 1"), "PC 1");
}
