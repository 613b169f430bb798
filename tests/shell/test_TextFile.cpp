#include <gtest/gtest.h>

#include <cfloat>
#include <csignal>
#include <fstream>
#include <random>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "shell/FileLock.h"
#include "shell/TextFile.h"

namespace fs = std::filesystem;
using qv::Leading_Number;
using qv::Print_Number;

namespace {

// A fresh folder under the system's temporary folder, removed with everything in it.
struct TempFolder {
    fs::path dir;
    TempFolder()
    {
        dir = fs::temp_directory_path() / ("quarvex-text-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir);
    }
    ~TempFolder() { fs::remove_all(dir); }
    void Put(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(dir / name, std::ios::binary) << bytes;
    }
    std::string Get(const std::string& name) const
    {
        std::ifstream in(dir / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    size_t Count() const { return size_t(std::distance(fs::directory_iterator(dir), {})); }
};

std::vector<std::string> Lines_Of(const std::string& bytes)
{
    TempFolder t;
    t.Put("f.txt", bytes);
    std::vector<std::string> lines{"stale"};
    EXPECT_TRUE(qv::Read_Text_Lines(t.dir / "f.txt", lines));
    return lines;
}

using Lines = std::vector<std::string>;

} // namespace

TEST(Read_Text_Lines, splits_crlf_lf_and_lone_cr_lines_and_keeps_an_unterminated_last_line)
{
    EXPECT_EQ(Lines_Of("a\r\nb\nc"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(Lines_Of("Ann\r 500 \rBob\r 7 \r"), (Lines{"Ann", " 500 ", "Bob", " 7 "}));
    EXPECT_EQ(Lines_Of("a\r\r\nb\n\rc"), (Lines{"a", "", "b", "", "c"}));
    EXPECT_EQ(Lines_Of("a\r\n\r\nb\r\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(Lines_Of("x\n"), (Lines{"x"}));
    EXPECT_EQ(Lines_Of(""), Lines{});
    EXPECT_EQ(Lines_Of("\xEF\xBB\xBFPelko\r\n"), (Lines{"Pelko"}));
}

TEST(Read_Text_Lines, decodes_each_non_utf8_line_as_windows_1251)
{
    EXPECT_EQ(Lines_Of("\xC2\xE0\xF1\xFF\r\n\xD0\x9F\xD0\xB5\xD1\x82\xD1\x8F\r\n\xA8\xB8\x85\xB9\x88"),
              (Lines{"Вася", "Петя", "Ёё…№€"}));
}

TEST(Read_Text_Lines, drops_nul_bytes_and_cuts_long_lines_to_1000_characters)
{
    EXPECT_EQ(Lines_Of(std::string("Pe\0lko\0", 7)), (Lines{"Pelko"}));
    std::string cyr, euros;
    for (int i = 0; i < 1500; ++i)
        cyr += "Ж", euros += "€";  // "€" is three bytes: the byte limit falls inside one
    const Lines lines = Lines_Of(std::string(5000, 'a') + "\n" + cyr + "\n" + euros + "\n");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], std::string(1000, 'a'));
    EXPECT_EQ(qv::Utf8_Length(lines[1]), 1000u);
    EXPECT_TRUE(qv::Is_Valid_Utf8(lines[1]));
    EXPECT_TRUE(lines[2] == euros.substr(0, 3000)) << "read as: " << lines[2].substr(0, 12);
}

TEST(Read_Text_Lines, binary_junk_reads_to_valid_utf8_lines)
{
    std::mt19937 gen(7);
    std::string junk;
    for (int i = 0; i < 20000; ++i)
        junk += char(gen() & 0xFF);
    for (const std::string& line : Lines_Of(junk)) {
        EXPECT_TRUE(qv::Is_Valid_Utf8(line));
        EXPECT_LE(qv::Utf8_Length(line), qv::MAX_LINE);
        EXPECT_EQ(line.find('\0'), std::string::npos);
    }
}

TEST(Read_Text_Lines, fails_for_a_missing_file_or_a_folder)
{
    TempFolder t;
    Lines lines;
    EXPECT_FALSE(qv::Read_Text_Lines(t.dir / "none.txt", lines));
    EXPECT_FALSE(qv::Read_Text_Lines(t.dir, lines));
}

TEST(Write_Text_Lines, ends_every_line_with_crlf_and_replaces_the_file_without_leftovers)
{
    TempFolder t;
    t.Put("f.txt", "old content that is longer\r\n");
    fs::permissions(t.dir / "f.txt", fs::perms(0640));
    // Only root may hand a file to another owner; anyone may keep their own.
    const uid_t owner = geteuid() == 0 ? 4321 : geteuid();
    const gid_t group = geteuid() == 0 ? 4321 : getegid();
    ASSERT_EQ(::chown((t.dir / "f.txt").c_str(), owner, group), 0);
    ASSERT_TRUE(qv::Write_Text_Lines(t.dir / "f.txt", {"Вася", "", " 5 "}));
    EXPECT_EQ(t.Get("f.txt"), "Вася\r\n\r\n 5 \r\n");
    EXPECT_EQ(t.Count(), 1u);
    EXPECT_EQ(fs::status(t.dir / "f.txt").permissions(), fs::perms(0640));
    struct stat st {};
    ASSERT_EQ(::stat((t.dir / "f.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, owner);
    EXPECT_EQ(st.st_gid, group);
}

TEST(Write_Text_Lines, a_write_protected_file_keeps_its_bytes_and_the_write_fails)
{
    TempFolder t;
    t.Put("f.txt", "Pelko\r\n 10 \r\n");
    fs::permissions(t.dir / "f.txt", fs::perms(0444));  // the mode protects it from root too
    EXPECT_FALSE(qv::Write_Text_Lines(t.dir / "f.txt", {"Ann", " 500 "}));
    EXPECT_EQ(t.Get("f.txt"), "Pelko\r\n 10 \r\n");
    EXPECT_EQ(t.Count(), 1u);
}

TEST(Write_Text_Lines, a_linked_file_is_replaced_in_its_own_folder_and_the_link_stays)
{
    TempFolder t;
    fs::create_directory(t.dir / "real");
    t.Put("real/f.txt", "Pelko\r\n 10 \r\n");
    fs::create_symlink("real/f.txt", t.dir / "f.txt");
    fs::create_symlink(t.dir / "f.txt", t.dir / "g.txt");
    ASSERT_TRUE(qv::Write_Text_Lines(t.dir / "g.txt", {"Ann", " 500 "}));
    EXPECT_TRUE(fs::is_symlink(t.dir / "f.txt"));
    EXPECT_TRUE(fs::is_symlink(t.dir / "g.txt"));
    EXPECT_EQ(t.Get("real/f.txt"), "Ann\r\n 500 \r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(t.dir / "real"), {}), 1);
    EXPECT_EQ(t.Count(), 3u);

    fs::create_symlink("real/new.txt", t.dir / "dangling.txt");
    ASSERT_TRUE(qv::Write_Text_Lines(t.dir / "dangling.txt", {"Bob"}));
    EXPECT_TRUE(fs::is_symlink(t.dir / "dangling.txt"));
    EXPECT_EQ(t.Get("real/new.txt"), "Bob\r\n");
}

TEST(Write_Text_Lines, fails_when_the_folder_cannot_hold_the_file)
{
    TempFolder t;
    t.Put("plain", "x");
    EXPECT_FALSE(qv::Write_Text_Lines(t.dir / "plain" / "f.txt", {"a"}));
    EXPECT_FALSE(qv::Write_Text_Lines(t.dir / "missing" / "f.txt", {"a"}));
    fs::create_directory(t.dir / "taken");
    EXPECT_FALSE(qv::Write_Text_Lines(t.dir / "taken", {"a"}));
    EXPECT_TRUE(fs::is_directory(t.dir / "taken"));
    EXPECT_EQ(t.Count(), 2u);
}

TEST(Write_Text_Lines, a_write_that_runs_out_of_space_keeps_the_old_file)
{
    TempFolder t;
    t.Put("f.txt", "Pelko\r\n 10 \r\n");
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 4096;
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written = qv::Write_Text_Lines(t.dir / "f.txt", Lines(1000, "a long line of the table"));
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(written);
    EXPECT_EQ(t.Get("f.txt"), "Pelko\r\n 10 \r\n");
    EXPECT_EQ(t.Count(), 1u);
}

// Ends every write when its temporary is complete, as a kill at that moment would.
struct Killed_Write : qv::File_Access {
    Killed_Write() { qv::Set_File_Access(this); }
    ~Killed_Write() override { qv::Set_File_Access(nullptr); }
    void Before_Replace(const fs::path&) const override { throw std::runtime_error("killed"); }
};

TEST(Write_Text_Lines, killed_writes_leave_at_most_one_temporary_and_a_live_copys_stays_untouched)
{
    TempFolder t;
    for (int i = 0; i < 50; ++i) {
        const Killed_Write kill;
        EXPECT_THROW(qv::Write_Text_Lines(t.dir / "f.txt", {"Ann"}), std::runtime_error);
    }
    EXPECT_EQ(t.Count(), 1u);
    // Another copy writing right now holds the temporary: this write waits, then gives up.
    const qv::File_Lock other(t.dir / "f.txt.tmp", std::chrono::milliseconds(0));
    ASSERT_EQ(::write(other.Fd(), "Carl\r\n", 6), 6);  // over what the last killed write left
    EXPECT_FALSE(qv::Write_Text_Lines(t.dir / "f.txt", {"Dan"}, std::chrono::milliseconds(50)));
    EXPECT_EQ(t.Get("f.txt.tmp"), "Carl\r\n");
    EXPECT_EQ(t.Count(), 1u);
}

TEST(Is_Valid_Utf8, rejects_overlong_surrogate_truncated_and_out_of_range_forms)
{
    EXPECT_TRUE(qv::Is_Valid_Utf8("Pelko Ж € \xF0\x9F\x98\x80"));
    for (const char* bad : {"\xC0\x80", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xD0", "\xC2\xE0"})
        EXPECT_FALSE(qv::Is_Valid_Utf8(bad)) << bad;
}

TEST(Print_Number, writes_a_blank_or_minus_before_and_a_blank_after_without_exponent)
{
    EXPECT_EQ(Print_Number(1234), " 1234 ");
    EXPECT_EQ(Print_Number(-707), "-707 ");
    EXPECT_EQ(Print_Number(0), " 0 ");
    EXPECT_EQ(Print_Number(-0.0), " 0 ");
    EXPECT_EQ(Print_Number(12.5), " 12.5 ");
    EXPECT_EQ(Print_Number(0.1), " 0.1 ");
    EXPECT_EQ(Print_Number(1e20), " 100000000000000000000 ");
    EXPECT_EQ(Print_Number(-2147483648.0), "-2147483648 ");
    EXPECT_EQ(Print_Number(1e300).find('e'), std::string::npos);
}

TEST(Print_Number, reads_back_to_the_same_value)
{
    for (double v : {46717.0, -1322.0, 7310.5, 1.0 / 3, -12345.678, 1e-7, 1e300, DBL_MAX, -DBL_MAX})
        EXPECT_EQ(Leading_Number(Print_Number(v)), v) << Print_Number(v);
}

TEST(Leading_Number, takes_the_number_up_to_the_first_character_that_cannot_continue_it)
{
    const std::pair<const char*, double> cases[] = {
        {" 1234 ", 1234}, {"-707 ", -707}, {"12abc", 12}, {"abc", 0},   {"1.5.3", 1.5}, {"", 0},
        {"+7", 7},        {"\t 42", 42},   {".5", 0.5},   {"5.", 5},    {"1e5", 1},     {"1 2", 1},
        {"-", 0},         {".", 0},        {"inf", 0},    {"nan", 0},   {"--3", 0},     {"0x10", 0},
    };
    for (const auto& [line, value] : cases)
        EXPECT_EQ(Leading_Number(line), value) << '"' << line << '"';
}

TEST(Leading_Number, too_many_digits_give_a_finite_value)
{
    EXPECT_EQ(Leading_Number(std::string(400, '9')), DBL_MAX);
    EXPECT_EQ(Leading_Number("-" + std::string(400, '9')), -DBL_MAX);
    EXPECT_EQ(Leading_Number("0." + std::string(400, '0') + "1"), 0.0);
}
