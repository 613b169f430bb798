#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <random>
#include <tuple>

#include "shell/SettingsFile.h"
#include "shell/TextFile.h"

namespace fs = std::filesystem;
using qv::Channel;
using qv::PlacedWindow;
using qv::SettingsFile;

namespace {

// The main window as the settings file sees it: keeps what it is given and logs
// every call with a side effect, in order.
struct RecordingTarget : qv::ISettingsTarget {
    std::vector<std::string> log;
    qv::MainSettings settings;
    bool visible[5] = {true, false, false, false, false};
    float left[5] = {}, top[5] = {};
    bool bkgFails = false;
    int16_t bkgVolume = 0;
    struct Ch { std::string path; bool on = false; int16_t volume = 0; int32_t freq = 0; };
    std::map<Channel, Ch> channels;

    static std::string Name(PlacedWindow w)
    {
        return std::array{"main", "records", "statistic", "future", "player"}[size_t(w)];
    }
    qv::MainSettings& Settings() override { return settings; }
    void Note(const std::string& what, PlacedWindow w, double v) { log.push_back(what + Name(w) + " " + qv::Plain_Number(v)); }
    void Set_Visible(PlacedWindow w, bool v) override { Note("visible ", w, visible[size_t(w)] = v); }
    void Set_Left(PlacedWindow w, float t) override { Note("left ", w, left[size_t(w)] = t); }
    void Set_Top(PlacedWindow w, float t) override { Note("top ", w, top[size_t(w)] = t); }
    void Repaint(PlacedWindow w) override { log.push_back("repaint " + Name(w)); }
    bool Visible(PlacedWindow w) override { return visible[size_t(w)]; }
    float Left(PlacedWindow w) override { return left[size_t(w)]; }
    float Top(PlacedWindow w) override { return top[size_t(w)]; }
    void Restore_Main_Window() override { log.push_back("restore"); }
    void Wait_Events(int n) override { log.push_back("wait " + std::to_string(n)); }
    void PlayBkgMusic(const std::string& path) override { log.push_back("play " + path), settings.freq = 22050; }
    bool bFailedBkg() override { return bkgFails; }
    void StopBkgMusic() override { log.push_back("stop path=" + settings.PathToBkgMusic); }
    void SetBkgVolume(int16_t v) override { log.push_back("volume " + std::to_string(bkgVolume = v)); }
    void SetBkgFreq(int32_t hz) override { log.push_back("freq " + std::to_string(hz)); }
    int16_t GetBkgVolume() override { return bkgFails ? 0 : bkgVolume; }
    void Set_DMCtrlPath(Channel c, const std::string& p) override { channels[c].path = p; }
    void Set_DMCtrlEnabled(Channel c, bool on) override { channels[c].on = on; }
    void Set_DMCtrlVolume(Channel c, int16_t v) override { channels[c].volume = v; }
    void Set_DMCtrlFreq(Channel c, int32_t hz) override { channels[c].freq = hz; }
    std::string DMCtrlPath(Channel c) override { return channels[c].path; }
    bool DMCtrlEnabled(Channel c) override { return channels[c].on; }
    int16_t DMCtrlVolume(Channel c) override { return channels[c].volume; }
    int32_t DMCtrlFreq(Channel c) override { return channels[c].freq; }
    void InitMusic() override { log.push_back("music " + settings.MP3Path + (settings.MP3Loop ? " loop" : " once")); }
};

// The fresh file, line by line, as the layout of the settings file defines it.
const std::vector<std::string> DEFAULT_FILE = {
    " 555 ", " 405 ", "True", " 7310 ", " 6505 ", "True", " 7310 ", " 1905 ", "True", " 7310 ", " 405 ",
    "True", " 7310 ", " 5205 ", "True", "quarvex-music...", "...", "True", "-707 ", " 46717 ",
    "...", "True", "-1322 ", " 57299 ", "...", "True", "-747 ", " 71379 ", "...", "True", "-776 ", " 60920 ",
    "...", "True", "-920 ", " 58103 ", "...", "True", "-1034 ", " 56092 ", "...", "True", "-647 ", " 37184 ",
    "...", "True", "-474 ", " 33563 ", "...", "True", "-589 ", " 58506 ", "...", "True", "-546 ", " 49655 ",
    "...", "True", "-474 ", " 60115 ", "...", "True", "True", " 0 ", " 1 ", "True"};

// A program folder and a per-user folder under the temporary folder, removed afterwards.
struct SettingsFixture : ::testing::Test {
    fs::path root = fs::temp_directory_path() / ("quarvex-settings-" + std::to_string(std::random_device{}()));
    fs::path program = root / "program";
    fs::path user = root / "user";
    fs::path file = program / "QrvxOFFICE7.ini";
    RecordingTarget target;

    SettingsFixture() { fs::create_directories(program); }
    ~SettingsFixture() override { fs::remove_all(root); }

    SettingsFile Settings(const std::string& computer = "OFFICE7") { return {program, {program, user}, computer}; }
    static void Put_Bytes(const fs::path& f, const std::string& bytes) { std::ofstream(f, std::ios::binary) << bytes; }
    static std::string Bytes(const fs::path& f)
    {
        std::ifstream in(f, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static std::vector<std::string> Lines(const fs::path& f)
    {
        std::vector<std::string> lines;
        qv::Read_Text_Lines(f, lines);
        return lines;
    }
    // Loads a file made of the given lines.
    void Load(const std::vector<std::string>& lines)
    {
        ASSERT_TRUE(qv::Write_Text_Lines(file, lines));
        Settings().Load_Settings(target);
    }
    static std::vector<std::string> With(std::vector<std::string> lines, size_t lineNo, const std::string& text)
    {
        lines.at(lineNo - 1) = text;
        return lines;
    }
    std::string Channel_Default(const std::string& name) const { return (program / "sound" / name).string(); }
};

using Load_Settings = SettingsFixture;
using Save_Settings = SettingsFixture;
using Damaged_Settings = SettingsFixture;

TEST_F(Load_Settings, first_run_writes_the_66_default_lines_and_opens_every_side_window)
{
    SettingsFile first = Settings();
    first.Load_Settings(target);
    EXPECT_TRUE(first.Started_Fresh());
    EXPECT_EQ(Lines(file), DEFAULT_FILE);
    const std::string bytes = Bytes(file);
    EXPECT_TRUE(bytes.ends_with("True\r\n"));
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 66);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 66);
    const std::vector<std::string> windows(target.log.begin(), target.log.begin() + 22);
    EXPECT_EQ(windows, (std::vector<std::string>{
                           "left main 555", "top main 405",
                           "visible records 1", "left records 7310", "top records 6505", "repaint records", "wait 50",
                           "visible statistic 1", "left statistic 7310", "top statistic 1905", "repaint statistic", "wait 50",
                           "visible future 1", "left future 7310", "top future 405", "repaint future", "wait 50",
                           "visible player 1", "left player 7310", "top player 5205", "repaint player", "wait 50"}));
    EXPECT_EQ(target.channels[Channel::Left1].path, Channel_Default("left1.WAV"));
    EXPECT_EQ(target.channels[Channel::Inverse1].path, Channel_Default("inverse1.WAV"));
    EXPECT_EQ(target.channels[Channel::Drop2].volume, -1034);
    EXPECT_EQ(target.channels[Channel::Down1].freq, 37184);
    EXPECT_TRUE(target.channels[Channel::Quarvex1].on);
    EXPECT_EQ(target.settings.PathToBkgMusic, (program / "Sound" / "slowrays.wav").string());
    EXPECT_EQ(target.settings.MP3Path, "...");
    EXPECT_EQ(target.settings.iFantom, 1);
    EXPECT_EQ(target.settings.freq, 46717);
}

TEST_F(Load_Settings, background_sound_steps_run_in_order_and_a_failed_file_is_forgotten)
{
    target.bkgFails = true;
    Load(With(With(With(DEFAULT_FILE, 17, "/music/gone.wav"), 18, "False"), 61, "/music/track.mp3"));
    const std::vector<std::string> sound(target.log.begin() + 22, target.log.end());
    EXPECT_EQ(sound, (std::vector<std::string>{"play /music/gone.wav", "stop path=...", "volume -707", "freq 46717",
                                               "music /music/track.mp3 loop"}));
    EXPECT_EQ(target.settings.PathToBkgMusic, "...");
    EXPECT_EQ(target.settings.freq, 46717);
    EXPECT_FALSE(target.settings.EnableLoop);
    EXPECT_TRUE(target.settings.MP3Enable);
    target.bkgFails = false;
    EXPECT_TRUE(Settings().Save_Settings(target));
    EXPECT_EQ(Lines(file)[16], "...");
    EXPECT_EQ(Lines(file)[18], "-707 ");
}

TEST_F(Load_Settings, reads_lenient_forms_rounds_halves_to_even_and_takes_words_as_zero)
{
    std::vector<std::string> lines = DEFAULT_FILE;
    lines[3] = " 7310x ";   // records window: lenient
    lines[4] = "abc";
    lines[6] = " 7.31e3 ";  // statistics window: strict, exponent allowed
    lines[14] = "FALSE";
    lines[15] = "anything";  // the marker line is not looked at
    lines[17] = " 0 ";
    lines[21] = "tRuE";
    lines[65] = "-3";
    lines[22] = " -707 ";   // mLeft1 volume
    lines[23] = " 46717 ";  // mLeft1 frequency
    lines[26] = "-2.5";     // mRight1 volume
    lines[27] = "3.5e9";    // mRight1 frequency: the number stops at "e"
    lines[30] = "loud";     // mRotate1 volume
    lines[63] = "  3.5 dB"; // SpeedChange
    lines[64] = "255.4";    // iFantom
    Load(lines);
    EXPECT_EQ(target.channels[Channel::Left1].volume, -707);
    EXPECT_EQ(target.channels[Channel::Left1].freq, 46717);
    EXPECT_EQ(target.channels[Channel::Right1].volume, -2);
    EXPECT_EQ(target.channels[Channel::Right1].freq, 0);  // 4 Hz: nearer the file's own rate than 5000
    EXPECT_EQ(target.channels[Channel::Rotate1].volume, 0);
    EXPECT_EQ(target.settings.SpeedChange, 4);
    EXPECT_EQ(target.settings.iFantom, 2);  // the nearest mode
    EXPECT_EQ(target.left[1], 7310);
    EXPECT_EQ(target.top[1], 0);
    EXPECT_EQ(target.left[2], 7310);
    EXPECT_FALSE(target.settings.EnableSoundControl);
    EXPECT_FALSE(target.settings.EnableLoop);
    EXPECT_TRUE(target.channels[Channel::Left1].on);
    EXPECT_TRUE(target.settings.bDrawSetka);
    EXPECT_EQ(Lines(file), lines);  // nothing here is an error: the file stays
}

TEST_F(Load_Settings, a_file_of_another_computer_is_not_read)
{
    const fs::path other = program / "QrvxHOME.ini";
    ASSERT_TRUE(qv::Write_Text_Lines(other, With(DEFAULT_FILE, 1, " 99 ")));
    Settings().Load_Settings(target);
    EXPECT_EQ(target.left[0], 555);
    EXPECT_EQ(Lines(file), DEFAULT_FILE);
    EXPECT_EQ(Lines(other)[0], " 99 ");
}

TEST(SettingsFile_Name, puts_the_computer_name_between_Qrvx_and_ini_safely)
{
    EXPECT_EQ(SettingsFile::File_Name("OFFICE7"), "QrvxOFFICE7.ini");
    EXPECT_EQ(SettingsFile::File_Name(""), "Qrvx.ini");
    EXPECT_EQ(SettingsFile::File_Name("???"), "Qrvx___.ini");
    EXPECT_EQ(SettingsFile::File_Name("a/b\\c:d*e\"f<g>h|i\tj"), "Qrvxa_b_c_d_e_f_g_h_i_j.ini");
    EXPECT_EQ(SettingsFile::File_Name("ПК-Офис"), "QrvxПК-Офис.ini");
    EXPECT_EQ(SettingsFile::File_Name(std::string(300, 'x')).size(), 251u);  // and ".tmp" stays within 255
}

TEST_F(Save_Settings, round_trip_keeps_every_value_and_writes_full_paths)
{
    Settings().Load_Settings(target);
    target.left[0] = 1200.5f;
    target.top[1] = 3.1f;
    target.settings.SpeedChange = 300;
    target.settings.iFantom = 2;
    target.settings.MP3Loop = false;
    target.channels[Channel::Down2] = {"/home/p/my sounds/thud.wav", false, -2500, 0};
    ASSERT_TRUE(Settings().Save_Settings(target));
    const std::vector<std::string> saved = Lines(file);
    ASSERT_EQ(saved.size(), 66u);
    EXPECT_EQ(target.log.back(), "restore");
    EXPECT_EQ(saved[0], " 1200.5 ");
    EXPECT_EQ(saved[4], " 3.1 ");
    EXPECT_EQ(saved[20], Channel_Default("left1.WAV"));
    EXPECT_EQ(saved[16], (program / "Sound" / "slowrays.wav").string());

    RecordingTarget again;
    Settings().Load_Settings(again);
    EXPECT_EQ(std::vector<float>(again.left, again.left + 5), std::vector<float>(target.left, target.left + 5));
    EXPECT_EQ(std::vector<float>(again.top, again.top + 5), std::vector<float>(target.top, target.top + 5));
    for (const auto& [c, ch] : target.channels) {
        EXPECT_EQ(again.channels[c].path, ch.path);
        EXPECT_EQ(again.channels[c].on, ch.on);
        EXPECT_EQ(again.channels[c].volume, ch.volume);
        EXPECT_EQ(again.channels[c].freq, ch.freq);
    }
    EXPECT_EQ(again.settings.SpeedChange, 300);
    EXPECT_EQ(again.settings.iFantom, 2);
    EXPECT_FALSE(again.settings.MP3Loop);
    ASSERT_TRUE(Settings().Save_Settings(again));
    EXPECT_EQ(Lines(file), saved);
}

TEST_F(Save_Settings, hidden_statistics_window_gives_64_lines_and_stays_hidden)
{
    Settings().Load_Settings(target);
    target.visible[2] = false;
    ASSERT_TRUE(Settings().Save_Settings(target));
    const std::vector<std::string> saved = Lines(file);
    ASSERT_EQ(saved.size(), 64u);
    EXPECT_EQ(saved[5], "False");
    EXPECT_EQ(saved[6], "True");
    EXPECT_EQ(saved[7], " 7310 ");
    EXPECT_EQ(saved[8], " 405 ");

    RecordingTarget again;
    Settings().Load_Settings(again);
    EXPECT_FALSE(again.visible[2]);
    const std::vector<std::string> statistic(again.log.begin() + 7, again.log.begin() + 9);
    EXPECT_EQ(statistic, (std::vector<std::string>{"visible statistic 0", "wait 50"}));
    EXPECT_EQ(again.settings.bDrawSetka, true);
    EXPECT_EQ(Lines(file), saved);
}

TEST_F(Save_Settings, a_line_break_in_a_path_cannot_shift_the_later_lines)
{
    Settings().Load_Settings(target);
    target.settings.MP3Path = "/music/a\r\nb.mp3";
    ASSERT_TRUE(Settings().Save_Settings(target));
    EXPECT_EQ(Lines(file).size(), 66u);
    EXPECT_EQ(Lines(file)[60], "/music/a  b.mp3");
}

TEST_F(Save_Settings, an_unwritable_place_reports_failure_and_changes_nothing)
{
    Put_Bytes(root / "blocker", "x");
    SettingsFile nowhere(root / "blocker" / "program", {root / "blocker" / "program", root / "blocker" / "user"},
                         "OFFICE7");
    nowhere.Load_Settings(target);
    EXPECT_TRUE(nowhere.File().empty());
    EXPECT_EQ(target.left[3], 7310);
    EXPECT_EQ(target.settings.freq, 46717);
    EXPECT_FALSE(nowhere.Save_Settings(target));
    EXPECT_EQ(Bytes(root / "blocker"), "x");
}

TEST_F(Load_Settings, a_settings_name_taken_by_no_readable_file_is_left_alone_for_the_user_folder)
{
    for (const bool link : {false, true}) {
        SCOPED_TRACE(link ? "dangling link" : "folder");
        fs::remove_all(file);
        fs::remove_all(user);
        if (link)
            fs::create_symlink(root / "nowhere.ini", file);
        else
            fs::create_directory(file);
        SettingsFile settings = Settings();
        target = RecordingTarget{};
        settings.Load_Settings(target);
        EXPECT_EQ(fs::symlink_status(file).type(), link ? fs::file_type::symlink : fs::file_type::directory);
        EXPECT_FALSE(fs::exists(root / "nowhere.ini"));
        EXPECT_EQ(settings.File(), user / "QrvxOFFICE7.ini");
        EXPECT_EQ(Lines(user / "QrvxOFFICE7.ini"), DEFAULT_FILE);
        target.settings.iFantom = 0;
        ASSERT_TRUE(settings.Save_Settings(target));
        EXPECT_EQ(Lines(user / "QrvxOFFICE7.ini")[64], " 0 ");
    }
}

TEST_F(Load_Settings, default_sound_paths_find_the_sound_folder_whatever_its_letter_case)
{
    fs::create_directories(program / "sound");
    Put_Bytes(program / "sound" / "slowrays.wav", "RIFF");
    Put_Bytes(program / "sound" / "LEFT1.wav", "RIFF");
    Settings().Load_Settings(target);
    EXPECT_EQ(target.settings.PathToBkgMusic, (program / "sound" / "slowrays.wav").string());
    EXPECT_EQ(target.channels[Channel::Left1].path, (program / "sound" / "LEFT1.wav").string());
    EXPECT_EQ(target.channels[Channel::Right1].path, Channel_Default("right1.WAV"));
}

TEST_F(Damaged_Settings, bad_line_keeps_earlier_values_takes_defaults_after_and_rewrites_the_file)
{
    std::vector<std::string> lines = DEFAULT_FILE;
    lines[0] = " 100 ";
    lines[21] = "False";  // mLeft1 off: before the bad line
    lines[26] = "-900 ";  // mRight1 volume: before the bad line
    lines[27] = " 2147483648 ";  // mRight1 frequency out of range
    lines[31] = " 1000 ";  // mRotate1 frequency: after the bad line
    lines[65] = "False";
    Load(lines);
    EXPECT_EQ(target.left[0], 100);
    EXPECT_FALSE(target.channels[Channel::Left1].on);
    EXPECT_EQ(target.channels[Channel::Right1].volume, -900);
    EXPECT_EQ(target.channels[Channel::Right1].freq, 71379);
    EXPECT_EQ(target.channels[Channel::Rotate1].freq, 60920);
    EXPECT_EQ(target.channels[Channel::Rotate1].path, Channel_Default("rotate1.WAV"));
    EXPECT_TRUE(target.settings.bDrawSetka);
    EXPECT_EQ(target.log.back(), "music ... loop");
    EXPECT_EQ(Lines(file), DEFAULT_FILE);
}

TEST_F(Damaged_Settings, each_kind_of_bad_line_falls_back_to_defaults)
{
    const std::vector<std::pair<size_t, std::string>> bad = {
        {3, "Yes"},           // Boolean with other text
        {7, " 7310x "},       // strict position that is not a number
        {11, ""},             // strict position: empty
        {19, "32767.5"},      // 16-bit volume rounds out of range
        {19, "-32769"},
        {65, "256"},          // byte out of range
        {65, "-1"},
        {2, "1" + std::string(40, '0')},  // lenient position beyond a float
    };
    for (const auto& [lineNo, text] : bad) {
        SCOPED_TRACE(text);
        target = RecordingTarget{};
        Load(With(With(DEFAULT_FILE, 66, "False"), lineNo, text));
        EXPECT_TRUE(target.settings.bDrawSetka);
        EXPECT_EQ(Lines(file), DEFAULT_FILE);
    }
}

TEST_F(Damaged_Settings, a_file_that_ends_early_keeps_what_was_read)
{
    std::vector<std::string> lines = With(With(DEFAULT_FILE, 15, "False"), 16, "anything");
    lines.resize(30);
    Load(lines);
    EXPECT_FALSE(target.settings.EnableSoundControl);
    EXPECT_EQ(target.channels[Channel::Drop1].freq, 58103);
    EXPECT_TRUE(target.settings.MP3Enable);
    EXPECT_EQ(Lines(file), DEFAULT_FILE);
}

TEST_F(Damaged_Settings, lf_only_and_cr_only_line_ends_read_like_cr_lf)
{
    for (const char* end : {"\n", "\r"}) {
        std::string bytes;
        for (const std::string& l : With(DEFAULT_FILE, 64, " 12 "))
            bytes += l + end;
        Put_Bytes(file, bytes);
        target = RecordingTarget{};
        Settings().Load_Settings(target);
        EXPECT_EQ(target.settings.SpeedChange, 12);
        EXPECT_EQ(Bytes(file), bytes);
    }
}

TEST_F(Damaged_Settings, binary_junk_gives_the_defaults_and_a_fresh_file)
{
    std::mt19937 gen(7);
    std::string junk;
    for (int i = 0; i < 4000; ++i)
        junk += char(gen() % 256);
    Put_Bytes(file, junk);
    Settings().Load_Settings(target);
    EXPECT_EQ(Lines(file), DEFAULT_FILE);
    EXPECT_EQ(target.settings.iFantom, 1);
}

TEST_F(Damaged_Settings, ten_megabytes_after_the_settings_are_never_read)
{
    std::string bytes;
    for (const std::string& l : With(DEFAULT_FILE, 65, " 2 "))
        bytes += l + "\r\n";
    bytes += std::string(10 << 20, '\n');
    Put_Bytes(file, bytes);
    Settings().Load_Settings(target);
    EXPECT_EQ(target.settings.iFantom, 2);
    EXPECT_EQ(fs::file_size(file), bytes.size());
    std::vector<std::string> head;
    ASSERT_TRUE(qv::Read_Text_Lines(file, head, 66));
    EXPECT_EQ(head.size(), 66u);

    Put_Bytes(file, std::string(10 << 20, 'x') + "\nTrue\n");
    ASSERT_TRUE(qv::Read_Text_Lines(file, head, 66));
    EXPECT_EQ(head, (std::vector<std::string>{std::string(qv::MAX_LINE, 'x'), "True"}));
}

TEST_F(Load_Settings, values_the_window_cannot_show_read_as_the_nearest_it_can_and_are_written_so)
{
    const std::tuple<size_t, const char*, const char*> rows[] = {
        {65, " 7 ", " 2 "},           {64, "-40 ", " 0 "},         {64, " 9000 ", " 500 "},
        {19, "-30000 ", "-2500 "},    {23, " 300 ", " 0 "},        {20, " 90000 ", " 75000 "},
        {20, " 3000 ", " 5000 "},     {20, " 0 ", " 0 "},          {24, " 1000 ", " 0 "},  // 0: the file's own rate
        {24, " 2500 ", " 0 "},        {24, " 2501 ", " 5000 "},
    };
    for (const auto& [lineNo, text, written] : rows) {
        SCOPED_TRACE(text);
        target = RecordingTarget{};
        Load(With(DEFAULT_FILE, lineNo, text));
        EXPECT_EQ(Lines(file).at(lineNo - 1), text);  // no damage: the file stays until the close
        ASSERT_TRUE(Settings().Save_Settings(target));
        EXPECT_EQ(Lines(file).at(lineNo - 1), written);
    }
}

TEST_F(Load_Settings, a_missing_per_user_file_starts_from_the_program_folders_which_is_never_written)
{
    const std::vector<std::string> shipped = With(DEFAULT_FILE, 65, " 2 ");
    ASSERT_TRUE(qv::Write_Text_Lines(file, shipped));
    Put_Bytes(root / "blocked", "x");
    for (const fs::path& folder : {root / "blocked" / "user", user}) {  // its values count even where none is saved
        SettingsFile settings(program, {folder}, "OFFICE7", program);
        settings.Load_Settings(target);
        EXPECT_FALSE(settings.Started_Fresh()) << "the shipped file holds places to keep";
        EXPECT_EQ(target.settings.iFantom, 2);
        target.settings.iFantom = 0;
        EXPECT_EQ(settings.Save_Settings(target), folder == user);
    }
    EXPECT_EQ(Lines(file), shipped);
    SettingsFile again(program, {user}, "OFFICE7");
    again.Load_Settings(target);
    EXPECT_EQ(target.settings.iFantom, 0);  // the player's own file counts from then on
    EXPECT_FALSE(again.Started_Fresh());
}

TEST_F(Damaged_Settings, a_first_line_of_gigabytes_is_damage_and_never_read_through)
{
    const std::vector<std::string> lines = With(DEFAULT_FILE, 65, " 2 ");
    std::string rest;  // the end of line 1 and the lines after it
    for (size_t n = 1; n < lines.size(); ++n)
        rest += "\r\n" + lines[n];
    std::ofstream(file, std::ios::binary) << " 100 ";
    std::ofstream(file, std::ios::binary | std::ios::in).seekp(std::streamoff(4) << 30) << rest;
    Settings().Load_Settings(target);  // 4 GiB of NUL bytes (a sparse file) in line 1
    EXPECT_EQ(target.left[0], 100);
    EXPECT_EQ(target.settings.iFantom, 1);
    EXPECT_EQ(Lines(file), DEFAULT_FILE);
}

} // namespace
