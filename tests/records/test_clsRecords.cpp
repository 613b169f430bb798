#include <gtest/gtest.h>

#include <cfloat>
#include <csignal>
#include <fstream>
#include <random>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

#include "records/clsRecords.h"
#include "shell/TextFile.h"

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

namespace {

// A records table on a file in a fresh temporary folder.
class RecordsFile : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("quarvex-records-" + std::to_string(std::random_device{}()));
    qv::clsRecords rec;

    void SetUp() override
    {
        fs::create_directories(dir);
        rec.Set_File(dir / qv::clsRecords::FILE_NAME);
    }
    void TearDown() override { fs::remove_all(dir); }
    void Put(const std::string& bytes) const { std::ofstream(rec.File(), std::ios::binary) << bytes; }
    std::string Get() const
    {
        std::ifstream in(rec.File(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // A table of n entries: name "P<k>", score (100 - k) * 10 for entry k.
    void Put_Table(int n) const
    {
        std::string bytes;
        for (int k = 1; k <= n; ++k)
            bytes += "P" + std::to_string(k) + "\r\n" + qv::Print_Number((100 - k) * 10) + "\r\n";
        Put(bytes);
    }
};

std::function<bool(std::string&)> Answer(const std::string& name, int* asked = nullptr)
{
    return [name, asked](std::string& out) {
        if (asked)
            ++*asked;
        out = name;
        return true;
    };
}

bool Cancel(std::string&) { return false; }

// Refuses to read one file, as the system does for a file without read permission (root reads all).
struct Unreadable_File : qv::File_Access {
    fs::path file;
    explicit Unreadable_File(fs::path f) : file(std::move(f)) { qv::Set_File_Access(this); }
    ~Unreadable_File() override { qv::Set_File_Access(nullptr); }
    bool May_Read(const fs::path& f) const override { return f != file; }
};

} // namespace

class Read_Records : public RecordsFile {};
class Write_Records : public RecordsFile {};
class Fill_Records_List : public RecordsFile {};
class Insert_Record : public RecordsFile {};

TEST_F(Read_Records, missing_file_is_written_as_the_default_table)
{
    rec.Read_Records();
    EXPECT_EQ(Get(), "Pelko\r\n0\r\n");
    EXPECT_EQ(rec.Fill_Records_List(), Lines{"1. Pelko          0"});
}

TEST_F(Read_Records, zero_length_file_reads_as_an_empty_table_and_stays_empty)
{
    Put("");
    rec.Read_Records();
    EXPECT_TRUE(rec.colRecordNames.empty());
    EXPECT_TRUE(rec.colRecordScores.empty());
    EXPECT_EQ(Get(), "");
}

TEST_F(Read_Records, unwritable_folder_or_unreadable_file_leaves_the_default_in_memory_only)
{
    std::ofstream(dir / "plain") << "x";
    rec.Set_File(dir / "plain" / qv::clsRecords::FILE_NAME);
    rec.Read_Records();
    EXPECT_EQ(rec.colRecordNames, Lines{"Pelko"});
    EXPECT_EQ(rec.colRecordScores, std::vector<double>{0});

    fs::create_directory(dir / "taken");
    rec.Set_File(dir / "taken");
    rec.Read_Records();
    EXPECT_EQ(rec.colRecordNames, Lines{"Pelko"});
    EXPECT_TRUE(fs::is_directory(dir / "taken"));
}

TEST_F(Read_Records, damaged_lines_read_to_paired_entries_and_an_empty_score_line_reads_as_0)
{
    Put("Ann\r\n12abc\r\nBob\nabc\n\xC2\xE0\xF1\xFF\r\n 1.5.3\r\nEve\r\n\r\n");
    rec.colRecordNames = {"stale"};
    rec.colRecordScores = {1};
    rec.Read_Records();
    EXPECT_EQ(rec.colRecordNames, (Lines{"Ann", "Bob", "Вася", "Eve"}));
    EXPECT_EQ(rec.colRecordScores, (std::vector<double>{12, 0, 1.5, 0}));

    Put("Ann\r\n 500 \r\nBob\r\n\r\nLonely\r\n");
    rec.Read_Records();
    EXPECT_EQ(rec.colRecordNames, (Lines{"Ann", "Bob"}));
    EXPECT_EQ(rec.colRecordScores, (std::vector<double>{500, 0}));

    Put("Ann\r\n 500 \r\n\r\n\r\n\r\n");
    rec.Read_Records();
    EXPECT_EQ(rec.colRecordNames, Lines{"Ann"});
}

TEST_F(Read_Records, a_file_with_cr_only_line_ends_reads_whole)
{
    Put("Ann\r 500 \rBob\r 7 \r");
    rec.Read_Records();
    EXPECT_EQ(rec.colRecordNames, (Lines{"Ann", "Bob"}));
    EXPECT_EQ(rec.colRecordScores, (std::vector<double>{500, 7}));
}

TEST_F(Read_Records, a_missing_file_starts_from_the_seed_table_and_an_existing_one_keeps_its_own)
{
    fs::create_directory(dir / "program");
    const fs::path seed = dir / "program" / qv::clsRecords::FILE_NAME;
    std::ofstream(seed, std::ios::binary) << "\xC2\xE0\xF1\xFF\r\n 700 \r\nAnn\r\n 40 \r\n";
    rec.Set_Seed_File(seed);
    rec.Read_Records();
    EXPECT_EQ(rec.colRecordNames, (Lines{"Вася", "Ann"}));
    EXPECT_EQ(rec.colRecordScores, (std::vector<double>{700, 40}));
    rec.Read_Records();
    EXPECT_EQ(rec.colRecordNames, (Lines{"Вася", "Ann"}));
    EXPECT_TRUE(fs::exists(rec.File()));

    Put("Bob\r\n 5 \r\n");
    rec.Read_Records();
    EXPECT_EQ(rec.colRecordNames, Lines{"Bob"});

    fs::remove(rec.File());
    rec.Set_Seed_File(dir / "program" / "none.txt");
    rec.Read_Records();
    EXPECT_EQ(Get(), "Pelko\r\n0\r\n");
}

TEST_F(Read_Records, binary_junk_and_long_lines_read_to_a_paired_table)
{
    std::mt19937 gen(11);
    std::string junk(std::string(3000, 'N') + "\r\n" + std::string(3000, '7') + "\r\n");
    for (int i = 0; i < 30000; ++i)
        junk += char(gen() & 0xFF);
    Put(junk);
    rec.Read_Records();
    ASSERT_EQ(rec.colRecordNames.size(), rec.colRecordScores.size());
    ASSERT_FALSE(rec.colRecordNames.empty());
    EXPECT_EQ(rec.colRecordNames[0], std::string(1000, 'N'));
    EXPECT_EQ(rec.colRecordScores[0], DBL_MAX);
    for (const std::string& name : rec.colRecordNames)
        EXPECT_TRUE(qv::Is_Valid_Utf8(name));
    EXPECT_EQ(rec.Fill_Records_List().size(), rec.colRecordNames.size());
}

TEST_F(Read_Records, a_hand_made_file_of_more_than_99_entries_is_read_whole)
{
    Put_Table(150);
    rec.Read_Records();
    ASSERT_EQ(rec.colRecordNames.size(), 150u);
    EXPECT_EQ(rec.colRecordNames[149], "P150");
    EXPECT_EQ(rec.colRecordScores[149], -500);
}

TEST_F(Write_Records, round_trip_keeps_pairs_and_a_blank_on_each_side_of_every_score)
{
    rec.colRecordNames = {"Вася", " Ann ", "Bob\r\nEve", "Neg"};
    rec.colRecordScores = {1234, 12.5, 0, -707};
    ASSERT_TRUE(rec.Write_Records());
    EXPECT_EQ(Get(), "Вася\r\n 1234 \r\n Ann \r\n 12.5 \r\nBob  Eve\r\n 0 \r\nNeg\r\n-707 \r\n");
    qv::clsRecords back;
    back.Set_File(rec.File());
    back.Read_Records();
    EXPECT_EQ(back.colRecordNames, (Lines{"Вася", " Ann ", "Bob  Eve", "Neg"}));
    EXPECT_EQ(back.colRecordScores, rec.colRecordScores);
}

TEST_F(Write_Records, a_failed_write_returns_false_and_keeps_the_previous_file)
{
    Put_Table(3);
    const std::string before = Get();
    rec.Read_Records();
    rec.Insert_Record(5000, Answer(std::string(9000, 'x')));
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 8192;
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written = rec.Write_Records();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(written);
    EXPECT_EQ(Get(), before);

    std::ofstream(dir / "plain") << "x";
    rec.Set_File(dir / "plain" / qv::clsRecords::FILE_NAME);
    EXPECT_FALSE(rec.Write_Records());
}

TEST_F(Fill_Records_List, names_start_in_column_4_and_scores_in_column_19_for_places_1_to_99)
{
    const Lines names = {"A", "Ёжик", "abcdefghijklmno", "Вася Пупкин", ""};
    for (int k = 0; k < 99; ++k) {
        rec.colRecordNames.push_back(names[size_t(k) % names.size()]);
        rec.colRecordScores.push_back(99000 - k * 1000);
    }
    const Lines list = rec.Fill_Records_List();
    ASSERT_EQ(list.size(), 99u);
    for (size_t k = 1; k <= 99; ++k) {
        const std::string& line = list[k - 1];
        const std::string& name = rec.colRecordNames[k - 1];
        const std::string place = std::to_string(k) + (k < 10 ? ". " : ".");
        EXPECT_EQ(qv::Utf8_Left(line, 3), place);
        EXPECT_EQ(qv::Utf8_Left(qv::Utf8_Right(line, qv::Utf8_Length(line) - 3), qv::Utf8_Length(name)), name);
        EXPECT_EQ(qv::Utf8_Right(line, qv::Utf8_Length(line) - 18), std::to_string(99000 - (k - 1) * 1000));
    }
    EXPECT_EQ(list[11], "12.Ёжик           88000");
}

TEST_F(Fill_Records_List, long_names_and_fractional_scores_are_shown_whole)
{
    rec.colRecordNames = {"Alexander the Great", "Ann", "Bob"};
    rec.colRecordScores = {100, 12.5, -7};
    EXPECT_EQ(rec.Fill_Records_List(), (Lines{"1. Alexander the Great 100", "2. Ann            12.5",
                                              "3. Bob            -7"}));
}

TEST_F(Insert_Record, empty_table_appends_without_reading_the_file)
{
    Put_Table(3);
    rec.Insert_Record(5, Answer("Ann"));
    EXPECT_EQ(rec.colRecordNames, Lines{"Ann"});
    EXPECT_EQ(rec.colRecordScores, std::vector<double>{5});
    rec.Clear_Records();
    rec.Insert_Record(5, Cancel);
    EXPECT_TRUE(rec.colRecordNames.empty());
}

TEST_F(Insert_Record, reloads_the_file_and_places_equal_scores_after_earlier_ones)
{
    Put("Pelko\r\n0\r\n");
    rec.colRecordNames = {"memory only"};
    rec.colRecordScores = {1e9};
    rec.Insert_Record(0, Answer("Ann"));
    EXPECT_EQ(rec.colRecordNames, (Lines{"Pelko", "Ann"}));
    ASSERT_TRUE(rec.Write_Records());
    rec.Insert_Record(0, Answer("Bob"));
    EXPECT_EQ(rec.colRecordNames, (Lines{"Pelko", "Ann", "Bob"}));
    rec.Insert_Record(1, Answer("Eve"));
    EXPECT_EQ(rec.colRecordNames, (Lines{"Eve", "Pelko", "Ann"}));
    EXPECT_EQ(rec.colRecordScores, (std::vector<double>{1, 0, 0}));
}

TEST_F(Insert_Record, full_table_takes_a_score_between_entries_49_and_50_and_drops_entry_99)
{
    Put_Table(99);
    rec.Read_Records();
    rec.Insert_Record(505, Answer("New"));
    ASSERT_EQ(rec.colRecordNames.size(), 99u);
    ASSERT_EQ(rec.colRecordScores.size(), 99u);
    EXPECT_EQ(rec.colRecordNames[48], "P49");
    EXPECT_EQ(rec.colRecordNames[49], "New");
    EXPECT_EQ(rec.colRecordScores[49], 505);
    EXPECT_EQ(rec.colRecordNames[98], "P98");
    for (size_t i = 0; i < 99; ++i) {
        if (i == 49)
            continue;
        EXPECT_EQ(rec.colRecordScores[i], (100 - std::stoi(rec.colRecordNames[i].substr(1))) * 10);
    }
}

TEST_F(Insert_Record, full_table_ignores_a_score_not_above_entry_99_without_asking)
{
    Put_Table(99);
    rec.Read_Records();
    int asked = 0;
    rec.Insert_Record(10, Answer("Low", &asked));
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(rec.colRecordNames.size(), 99u);
    EXPECT_EQ(rec.colRecordNames.back(), "P99");
}

TEST_F(Insert_Record, cancelled_name_leaves_the_table_unchanged)
{
    Put_Table(5);
    rec.Read_Records();
    const Lines names = rec.colRecordNames;
    const std::vector<double> scores = rec.colRecordScores;
    for (int32_t score : {10000, 500, -5}) {
        rec.Insert_Record(score, Cancel);
        EXPECT_EQ(rec.colRecordNames, names) << score;
        EXPECT_EQ(rec.colRecordScores, scores) << score;
    }
}

TEST_F(Insert_Record, short_table_appends_the_lowest_score_and_a_long_file_loses_only_entry_100)
{
    Put_Table(5);
    rec.Read_Records();
    rec.Insert_Record(-1000, Answer("Last"));
    EXPECT_EQ(rec.colRecordNames.back(), "Last");
    EXPECT_EQ(rec.colRecordNames.size(), 6u);

    Put_Table(150);
    rec.Insert_Record(2000, Answer("Top"));
    ASSERT_EQ(rec.colRecordNames.size(), 150u);
    EXPECT_EQ(rec.colRecordNames[0], "Top");
    EXPECT_EQ(rec.colRecordNames[98], "P98");
    EXPECT_EQ(rec.colRecordNames[99], "P100");
}

TEST_F(Write_Records, an_unreadable_existing_file_keeps_its_bytes_and_no_name_is_asked)
{
    Put("Ann\r\n 500 \r\n");
    const Unreadable_File refused(rec.File());
    for (const bool named : {true, false}) {
        int asked = 0;
        rec.Read_Records();
        EXPECT_TRUE(rec.Unreadable());
        rec.Insert_Record(900, named ? Answer("Bob", &asked) : [&asked](std::string&) { return ++asked, false; });
        EXPECT_FALSE(rec.Write_Records());
        EXPECT_EQ(asked, 0);
        EXPECT_EQ(Get(), "Ann\r\n 500 \r\n");
    }
}

TEST_F(Write_Records, a_file_that_turns_unreadable_before_the_write_keeps_its_bytes)
{
    Put("Ann\r\n 500 \r\n");
    rec.Read_Records();
    rec.Insert_Record(900, Answer("Bob"));
    const Unreadable_File refused(rec.File());
    EXPECT_FALSE(rec.Write_Records());
    EXPECT_EQ(Get(), "Ann\r\n 500 \r\n");
}

TEST_F(Write_Records, an_entry_another_copy_stored_meanwhile_is_kept_in_ranked_order)
{
    Put_Table(3);
    rec.Read_Records();
    // The other copy stores its result while this one waits in the name dialog.
    rec.Insert_Record(975, [this](std::string& name) {
        qv::clsRecords other;
        other.Set_File(rec.File());
        other.Read_Records();
        other.Insert_Record(985, Answer("Other"));
        EXPECT_TRUE(other.Write_Records());
        name = "Me";
        return true;
    });
    ASSERT_TRUE(rec.Write_Records());
    EXPECT_EQ(Get(), "P1\r\n 990 \r\nOther\r\n 985 \r\nP2\r\n 980 \r\nMe\r\n 975 \r\nP3\r\n 970 \r\n");
    EXPECT_EQ(rec.colRecordNames, (Lines{"P1", "Other", "P2", "Me", "P3"}));
}

TEST_F(Write_Records, merging_with_another_copys_entry_keeps_the_table_at_99)
{
    Put_Table(99);
    rec.Read_Records();
    rec.Insert_Record(505, [this](std::string& name) {
        qv::clsRecords other;
        other.Set_File(rec.File());
        other.Read_Records();
        other.Insert_Record(995, Answer("Other"));
        EXPECT_TRUE(other.Write_Records());
        name = "Me";
        return true;
    });
    ASSERT_TRUE(rec.Write_Records());
    qv::clsRecords back;
    back.Set_File(rec.File());
    back.Read_Records();
    ASSERT_EQ(back.colRecordNames.size(), 99u);
    EXPECT_EQ(back.colRecordNames[0], "Other");
    EXPECT_EQ(back.colRecordNames[49], "P49");
    EXPECT_EQ(back.colRecordNames[50], "Me");
    EXPECT_EQ(back.colRecordNames[51], "P50");
    EXPECT_EQ(back.colRecordNames[98], "P97");
    EXPECT_TRUE(std::is_sorted(back.colRecordScores.rbegin(), back.colRecordScores.rend()));
}

TEST_F(Write_Records, a_lock_held_by_another_copy_makes_the_write_give_up_without_touching_the_file)
{
    Put_Table(3);
    const std::string before = Get();
    rec.Read_Records();
    rec.Insert_Record(2000, Answer("Me"));
    rec.Set_Lock_Wait(std::chrono::milliseconds(60));
    const int other = ::open((dir / "QuarvexFathers.txt.lock").c_str(), O_RDWR | O_CREAT, 0666);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
    EXPECT_FALSE(rec.Write_Records());
    EXPECT_EQ(Get(), before);
    ::close(other);
    ASSERT_TRUE(rec.Write_Records());
    EXPECT_EQ(Get().substr(0, 10), "Me\r\n 2000 ");
}
