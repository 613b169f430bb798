#include <gtest/gtest.h>

#include "settings/SettingsRules.h"

using namespace qv;

TEST(GetFileName, keeps_the_folder_or_the_extension_of_a_full_path)
{
    EXPECT_EQ(GetFileName("C:\\Games\\Quarvex\\sound\\left1.WAV"), "left1");
    EXPECT_EQ(GetFileName("/home/игрок/Звуки/Удар.wav"), "Удар");
    EXPECT_EQ(GetFileName("C:\\mixed/folder\\slowrays.wav"), "slowrays");
    EXPECT_EQ(GetFileName(""), "");
}

TEST(GetFileName, fails_on_a_path_without_separator_or_a_short_name)
{
    EXPECT_EQ(GetFileName("down2.WAV"), "down2");
    EXPECT_EQ(GetFileName("C:\\sound\\.wav"), "");
    EXPECT_EQ(GetFileName("/sound/abc"), "");
    EXPECT_EQ(GetFileName("/sound/"), "");
    EXPECT_EQ(GetFileName("/sound/абвгд"), "а");
}

TEST(GetFileFolder, loses_the_last_separator_or_invents_a_folder)
{
    EXPECT_EQ(GetFileFolder("C:\\Games\\Quarvex\\sound\\left1.WAV"), "C:\\Games\\Quarvex\\sound\\");
    EXPECT_EQ(GetFileFolder("/home/u/quarvex/bin"), "/home/u/quarvex/");
    EXPECT_EQ(GetFileFolder("C:\\a/b\\c.wav"), "C:\\a/b\\");
    EXPECT_EQ(GetFileFolder("left1.WAV"), "");
    EXPECT_EQ(GetFileFolder(""), "");
}

TEST(Speed_From_Text, lets_numbers_above_500_or_beyond_16_bits_through)
{
    for (const char* text : {"7000", "501", "70000", "99999999999999999999"}) {
        const SpeedEntry e = Speed_From_Text(text, 40);
        EXPECT_TRUE(e.bTooLarge) << text;
        EXPECT_EQ(e.SpeedChange, 500) << text;
    }
    const SpeedEntry max = Speed_From_Text("500", 40);
    EXPECT_FALSE(max.bTooLarge);
    EXPECT_EQ(max.SpeedChange, 500);
}

TEST(Speed_From_Text, misreads_text_without_a_number_or_a_negative_number)
{
    EXPECT_EQ(Speed_From_Text("", 40).SpeedChange, 0);
    EXPECT_EQ(Speed_From_Text("abc", 40).SpeedChange, 0);
    EXPECT_EQ(Speed_From_Text("  250xyz", 40).SpeedChange, 250);
    EXPECT_EQ(Speed_From_Text("-40", 120).SpeedChange, 120);
    EXPECT_EQ(Speed_From_Text("-", 120).SpeedChange, 120);
    EXPECT_EQ(Speed_From_Text(" -", 120).SpeedChange, 120);
    EXPECT_EQ(Speed_From_Text("\t-5", 120).SpeedChange, 120);
    EXPECT_EQ(Speed_From_Text("-99999999", 120).SpeedChange, 120);
    EXPECT_FALSE(Speed_From_Text("-40", 120).bTooLarge);
    EXPECT_EQ(Speed_From_Text("2.5", 40).SpeedChange, 2);
    EXPECT_EQ(Speed_From_Text("3.5", 40).SpeedChange, 4);
}

TEST(Event_Channel, maps_an_event_or_its_variant_to_the_wrong_channel)
{
    EXPECT_EQ(Event_Channel("Инверсия", 0), Channel::Inverse1);
    EXPECT_EQ(Event_Channel("Появление Quarvex-фигурки", 0), Channel::Quarvex1);
    EXPECT_EQ(Event_Channel("Удаление линиий", 0), Channel::DelLin1);
    EXPECT_EQ(Event_Channel("Приземление", 0), Channel::Down1);
    EXPECT_EQ(Event_Channel("Приземление", 1), Channel::Down2);
    EXPECT_EQ(Event_Channel("Бросить", 0), Channel::Drop1);
    EXPECT_EQ(Event_Channel("Бросить", 1), Channel::Drop2);
    EXPECT_EQ(Event_Channel("Вращение", 0), Channel::Rotate1);
    EXPECT_EQ(Event_Channel("Влево", 1), Channel::Left1);
    EXPECT_EQ(Event_Channel("Вправо", 0), Channel::Right1);
    EXPECT_EQ(Event_Channel("влево", 0), std::nullopt);
    EXPECT_EQ(Event_Channel("", 0), std::nullopt);
    EXPECT_TRUE(Has_Second_Variant("Бросить"));
    EXPECT_FALSE(Has_Second_Variant("Вращение"));
}
