#include "shell/SettingsFile.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <functional>
#include <limits>
#include <optional>
#include <string_view>
#include <system_error>

#include "shell/TextFile.h"
#include "sound/SoundPath.h"

namespace qv {

namespace fs = std::filesystem;

namespace {

constexpr const char* NO_FILE = "...";
constexpr const char* MARKER = "quarvex-music...";
constexpr size_t WINDOW_COUNT = 5;
// The longest file name; the file's temporary (".tmp" added) must fit too.
constexpr size_t MAX_FILE_NAME = 255 - 4;

struct ChannelValues {
    std::string path;
    bool enabled = true;
    int16_t volume = 0;
    int32_t freq = 0;
};

// Everything the file stores, in one place: the defaults and a snapshot for writing.
struct StoredValues {
    std::array<bool, WINDOW_COUNT> visible{true, true, true, true, true};
    std::array<float, WINDOW_COUNT> left{555, 7310, 7310, 7310, 7310};
    std::array<float, WINDOW_COUNT> top{405, 6505, 1905, 405, 5205};
    MainSettings settings;
    int16_t bkgVolume = kBkgDefaultVolume;
    std::array<ChannelValues, kSoundChannelCount> channels;
};

StoredValues Default_Values()
{
    StoredValues d;
    for (size_t k = 0; k < kSoundChannelCount; ++k) {
        const SoundEventDefaults& e = kSoundEventsInFileOrder[k];
        d.channels[k] = {NO_FILE, true, e.volume, e.frequency};
    }
    return d;
}

std::string_view Trim(std::string_view t)
{
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
        t.remove_suffix(1);
    return t;
}

// The whole line, blanks around it allowed, as a number; nothing else may follow.
std::optional<double> Strict_Number(const std::string& line)
{
    std::string_view t = Trim(line);
    bool negative = false;
    if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    if (t.empty() || !((t.front() >= '0' && t.front() <= '9') || t.front() == '.'))
        return std::nullopt;
    double value = 0;
    const auto res = std::from_chars(t.data(), t.data() + t.size(), value, std::chars_format::general);
    if (res.ec != std::errc() || res.ptr != t.data() + t.size())
        return std::nullopt;
    return negative ? -value : value;
}

bool Same_Letters(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// True or False in any letter case, or a number (0 is False).
std::optional<bool> Boolean_Of(const std::string& line)
{
    const std::string_view t = Trim(line);
    if (Same_Letters(t, "true"))
        return true;
    if (Same_Letters(t, "false"))
        return false;
    if (const auto v = Strict_Number(line))
        return *v != 0;
    return std::nullopt;
}

std::string Boolean_Text(bool b) { return b ? "True" : "False"; }

// A position in numeric print form, with the shortest fraction that reads back as the same float.
std::string Print_Position(float twips)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, twips);
    double value = 0;
    std::from_chars(buf, res.ptr, value, std::chars_format::general);
    return Print_Number(value);
}

// Hands out the file's lines as typed values. The first bad or missing line
// calls onError once; from then on every value is the caller's default.
class Line_Reader {
public:
    Line_Reader(const std::vector<std::string>& lines, std::function<void()> onError)
        : lines_(lines), onError_(std::move(onError)) {}

    std::string Text(const std::string& fallback)
    {
        const std::string* line = Next();
        return line ? *line : fallback;
    }

    bool Boolean(bool fallback)
    {
        const std::string* line = Next();
        if (!line)
            return fallback;
        const auto b = Boolean_Of(*line);
        return b ? *b : Fail(fallback);
    }

    // Lenient number, rounded to the nearest whole number (halves to even), in T's range.
    template <class T> T Whole(T fallback)
    {
        const std::string* line = Next();
        if (!line)
            return fallback;
        const double v = std::nearbyint(Leading_Number(*line));
        if (v < double(std::numeric_limits<T>::min()) || v > double(std::numeric_limits<T>::max()))
            return Fail(fallback);
        return T(v);
    }

    float Position(float fallback, bool strict)
    {
        const std::string* line = Next();
        if (!line)
            return fallback;
        const std::optional<double> v = strict ? Strict_Number(*line) : Leading_Number(*line);
        if (!v || !(std::fabs(*v) <= std::numeric_limits<float>::max()))
            return Fail(fallback);
        return float(*v);
    }

private:
    const std::string* Next()
    {
        if (failed_)
            return nullptr;
        if (next_ < lines_.size())
            return &lines_[next_++];
        Fail(0);
        return nullptr;
    }

    template <class T> T Fail(T fallback)
    {
        if (!failed_) {
            failed_ = true;
            onError_();
        }
        return fallback;
    }

    const std::vector<std::string>& lines_;
    std::function<void()> onError_;
    size_t next_ = 0;
    bool failed_ = false;
};

std::vector<std::string> Lines_Of(const StoredValues& v)
{
    std::vector<std::string> out;
    for (size_t w = 0; w < WINDOW_COUNT; ++w) {
        if (w > 0)
            out.push_back(Boolean_Text(v.visible[w]));
        if (w == 0 || v.visible[w]) {
            out.push_back(Print_Position(v.left[w]));
            out.push_back(Print_Position(v.top[w]));
        }
    }
    const MainSettings& s = v.settings;
    out.insert(out.end(), {Boolean_Text(s.EnableSoundControl), MARKER, One_Line(s.PathToBkgMusic),
                           Boolean_Text(s.EnableLoop), Print_Number(v.bkgVolume), Print_Number(s.freq)});
    for (const ChannelValues& c : v.channels)
        out.insert(out.end(), {One_Line(c.path), Boolean_Text(c.enabled), Print_Number(c.volume),
                               Print_Number(c.freq)});
    out.insert(out.end(), {One_Line(s.MP3Path), Boolean_Text(s.MP3Enable), Boolean_Text(s.MP3Loop),
                           Print_Number(s.SpeedChange), Print_Number(s.iFantom), Boolean_Text(s.bDrawSetka)});
    return out;
}

StoredValues Snapshot(ISettingsTarget& t)
{
    StoredValues v;
    for (size_t w = 0; w < WINDOW_COUNT; ++w) {
        const auto window = PlacedWindow(w);
        v.visible[w] = w == 0 || t.Visible(window);
        v.left[w] = t.Left(window);
        v.top[w] = t.Top(window);
    }
    v.settings = t.Settings();
    v.bkgVolume = t.GetBkgVolume();
    for (size_t k = 0; k < kSoundChannelCount; ++k) {
        const Channel c = kSoundEventsInFileOrder[k].channel;
        v.channels[k] = {t.DMCtrlPath(c), t.DMCtrlEnabled(c), t.DMCtrlVolume(c), t.DMCtrlFreq(c)};
    }
    return v;
}

void Apply_Windows(Line_Reader& r, ISettingsTarget& t, const StoredValues& d)
{
    t.Set_Left(PlacedWindow::Main, r.Position(d.left[0], false));
    t.Set_Top(PlacedWindow::Main, r.Position(d.top[0], false));
    for (size_t w = 1; w < WINDOW_COUNT; ++w) {
        const auto window = PlacedWindow(w);
        const bool visible = r.Boolean(d.visible[w]);
        t.Set_Visible(window, visible);
        if (visible) {
            const bool strict = window != PlacedWindow::Records;
            t.Set_Left(window, r.Position(d.left[w], strict));
            t.Set_Top(window, r.Position(d.top[w], strict));
            t.Repaint(window);
        }
        t.Wait_Events(50);
    }
}

bool Is_Unsafe_In_File_Name(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F || std::strchr("/\\:*?\"<>|", c) != nullptr;
}

} // namespace

SettingsFile::SettingsFile(fs::path programFolder, std::vector<fs::path> folders, const std::string& computerName,
                           const fs::path& seedFolder)
    : program_(std::move(programFolder)), folders_(std::move(folders)), name_(File_Name(computerName)),
      seed_(seedFolder.empty() ? fs::path() : seedFolder / name_)
{
}

std::string SettingsFile::File_Name(const std::string& computerName)
{
    const std::string prefix = "Qrvx", suffix = ".ini";
    std::string name = computerName;
    for (char& c : name)
        if (Is_Unsafe_In_File_Name(c))
            c = '_';
    size_t keep = std::min(name.size(), MAX_FILE_NAME - prefix.size() - suffix.size());
    while (keep > 0 && keep < name.size() && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80)
        --keep;
    return prefix + name.substr(0, keep) + suffix;
}

std::vector<std::string> SettingsFile::Default_Lines() { return Lines_Of(Default_Values()); }

std::string SettingsFile::Program_File(const std::string& relative) const
{
    return Resolve_Path(program_.string() + "\\" + relative);
}

void SettingsFile::Load_Settings(ISettingsTarget& t)
{
    std::vector<std::string> lines;
    Open_Lines(lines);
    Line_Reader r(lines, [this] { Write_Default_Settings(); });
    const StoredValues d = Default_Values();
    Apply_Windows(r, t, d);

    MainSettings& s = t.Settings();
    s.EnableSoundControl = r.Boolean(d.settings.EnableSoundControl);
    r.Text(MARKER);
    const std::string bkg = r.Text(NO_FILE);
    s.PathToBkgMusic = bkg == NO_FILE ? Program_File(std::string(kBkgDefaultRelativePath)) : bkg;
    s.EnableLoop = r.Boolean(d.settings.EnableLoop);
    t.PlayBkgMusic(s.PathToBkgMusic);
    if (t.bFailedBkg())
        s.PathToBkgMusic = NO_FILE;
    if (!s.EnableLoop)
        t.StopBkgMusic();
    t.SetBkgVolume(Valid_Volume(r.Whole<int16_t>(d.bkgVolume)));
    const int32_t freq = Valid_Freq(r.Whole<int32_t>(d.settings.freq));
    t.SetBkgFreq(freq);
    s.freq = freq;

    for (size_t k = 0; k < kSoundChannelCount; ++k) {
        const SoundEventDefaults& e = kSoundEventsInFileOrder[k];
        const std::string path = r.Text(NO_FILE);
        t.Set_DMCtrlPath(e.channel,
                         path == NO_FILE ? Program_File(std::string(kSoundFolder) + std::string(e.fileName)) : path);
        t.Set_DMCtrlEnabled(e.channel, r.Boolean(d.channels[k].enabled));
        t.Set_DMCtrlVolume(e.channel, Valid_Volume(r.Whole<int16_t>(d.channels[k].volume)));
        t.Set_DMCtrlFreq(e.channel, Valid_Freq(r.Whole<int32_t>(d.channels[k].freq)));
    }

    s.MP3Path = r.Text(d.settings.MP3Path);
    s.MP3Enable = r.Boolean(d.settings.MP3Enable);
    s.MP3Loop = r.Boolean(d.settings.MP3Loop);
    t.InitMusic();
    s.SpeedChange = Valid_Speed_Change(r.Whole<int16_t>(d.settings.SpeedChange));
    s.iFantom = Valid_Fantom(r.Whole<uint8_t>(d.settings.iFantom));
    s.bDrawSetka = r.Boolean(d.settings.bDrawSetka);
}

bool SettingsFile::Read_Lines(const fs::path& file, std::vector<std::string>& lines)
{
    return Read_Text_Lines(file, lines, MAX_LINES, MAX_BYTES);
}

void SettingsFile::Open_Lines(std::vector<std::string>& lines)
{
    // A missing file starts from the seed when there is one to read, else from the defaults.
    std::vector<std::string> start;
    fresh_ = seed_.empty() || !Read_Lines(seed_, start);
    if (fresh_)
        start = Default_Lines();
    for (const fs::path& folder : folders_) {
        const fs::path file = folder / name_;
        if (Read_Lines(file, lines)) {
            file_ = file;
            fresh_ = false;
            return;
        }
        // A file that exists but cannot be read is left alone for the player to rescue.
        std::error_code ec;
        if (fs::symlink_status(file, ec).type() != fs::file_type::not_found)
            continue;
        fs::create_directories(folder, ec);
        if (Write_Text_Lines(file, start)) {
            file_ = file;
            if (!Read_Lines(file, lines))
                lines = start;
            return;
        }
    }
    file_.clear();
    lines = start;
}

bool SettingsFile::Save_Settings(ISettingsTarget& t)
{
    t.Restore_Main_Window();
    return Write_Somewhere(Lines_Of(Snapshot(t)));
}

bool SettingsFile::Write_Default_Settings()
{
    return !file_.empty() && Write_Text_Lines(file_, Default_Lines());
}

bool SettingsFile::Write_Somewhere(const std::vector<std::string>& lines)
{
    if (!file_.empty())
        return Write_Text_Lines(file_, lines);
    // The same choice as at loading: the first folder where the file can be read or created.
    for (const fs::path& folder : folders_) {
        const fs::path file = folder / name_;
        std::error_code ec;
        if (fs::is_regular_file(file, ec) && std::ifstream(file).is_open()) {
            file_ = file;
            return Write_Text_Lines(file_, lines);
        }
        if (fs::symlink_status(file, ec).type() != fs::file_type::not_found)
            continue;
        fs::create_directories(folder, ec);
        if (Write_Text_Lines(file, lines)) {
            file_ = file;
            return true;
        }
    }
    return false;
}

} // namespace qv
