#include "game/Replay.h"

#include <charconv>
#include <cstring>
#include <sstream>

#include "shell/Language.h"
#include "shell/TextFile.h"

namespace qv {

namespace {

constexpr const char* MAGIC = "Quarvex replay ";
constexpr size_t HEAD_LINES = 6;
constexpr size_t MAX_BYTES = size_t(64) << 20;

// Arguments each input code carries after its milliseconds (the sequence adds its items).
int Argument_Count(char code)
{
    switch (code) {
    case ReplayInput::Demo_Tick:
    case ReplayInput::Level_Tick:
    case ReplayInput::Lines_Tick: return 0;
    case ReplayInput::Start:
    case ReplayInput::Ticks:
    case ReplayInput::Key_Down:
    case ReplayInput::Key_Up:
    case ReplayInput::Button_Down:
    case ReplayInput::Button_Up:
    case ReplayInput::Pause:
    case ReplayInput::Demo:
    case ReplayInput::Phantom: return 1;
    case ReplayInput::Sequence: return 2;
    default: return -1;
    }
}

template <typename T> bool Number(const std::string& s, T& out, int base = 10)
{
    const char* end = s.data() + s.size();
    auto [p, ec] = std::from_chars(s.data(), end, out, base);
    return ec == std::errc() && p == end && !s.empty();
}

std::vector<std::string> Words(const std::string& line)
{
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

// Walks the lines; every read names what it expects, and any mismatch makes the file Damaged.
class Reader {
public:
    explicit Reader(const std::vector<std::string>& lines) : lines_(lines) {}
    bool Line(std::string& out)
    {
        if (at_ >= lines_.size())
            return false;
        out = lines_[at_++];
        return true;
    }
    // "key value" lines; the value is the rest of the line.
    bool Keyed(const char* key, std::string& value)
    {
        std::string line;
        const size_t n = std::strlen(key);
        if (!Line(line) || line.compare(0, n, key) != 0 || (line.size() > n && line[n] != ' '))
            return false;
        value = line.size() > n ? line.substr(n + 1) : "";
        return true;
    }
    bool Count(const char* key, size_t& count)
    {
        std::string value;
        return Keyed(key, value) && Number(value, count) && count <= lines_.size();
    }

private:
    const std::vector<std::string>& lines_;
    size_t at_ = 0;
};

bool Parse_Result(const std::string& value, ReplayResult& r)
{
    const auto w = Words(value);
    return w.size() == 6 && Number(w[0], r.score) && Number(w[1], r.rows) && Number(w[2], r.level) &&
           Number(w[3], r.steps) && Number(w[4], r.clicks) && Number(w[5], r.quarvex);
}

bool Parse_Input(const std::string& line, ReplayInput& in)
{
    const auto w = Words(line);
    if (w.size() < 2 || w[0].size() != 1)
        return false;
    in.code = w[0][0];
    const int args = Argument_Count(in.code);
    const size_t extra = in.code == ReplayInput::Sequence ? 1 : 0;
    if (args < 0 || w.size() < size_t(2 + args) || w.size() > size_t(2 + args) + extra || !Number(w[1], in.ms))
        return false;
    if (args >= 1 && !Number(w[2], in.a))
        return false;
    if (args >= 2 && !Number(w[3], in.b))
        return false;
    if (w.size() > size_t(2 + args))
        in.text = w.back();
    return true;
}

bool Parse_Body(Reader& r, Replay& replay)
{
    std::string line;
    size_t n = 0;
    if (!r.Count("table", n))
        return false;
    for (size_t i = 0; i < n; ++i) {
        std::string name, score;
        if (!r.Line(name) || !r.Line(score))
            return false;
        replay.tableNames.push_back(name);
        replay.tableScores.push_back(Leading_Number(score));
    }
    if (!r.Count("seeds", n))
        return false;
    for (size_t i = 0; i < n; ++i) {
        uint64_t seed = 0;
        if (!r.Line(line) || !Number(line, seed, 16))
            return false;
        replay.seeds.push_back(seed);
    }
    if (!r.Count("clock", n))
        return false;
    for (size_t i = 0; i < n; ++i) {
        const auto w = r.Line(line) ? Words(line) : std::vector<std::string>{};
        std::pair<uint32_t, int> change;
        if (w.size() != 2 || !Number(w[0], change.first) || !Number(w[1], change.second))
            return false;
        replay.clock.push_back(change);
    }
    if (!r.Count("inputs", n))
        return false;
    for (size_t i = 0; i < n; ++i) {
        ReplayInput in;
        if (!r.Line(line) || !Parse_Input(line, in))
            return false;
        replay.inputs.push_back(in);
    }
    if (!r.Count("statistics", n))
        return false;
    for (size_t i = 0; i < n; ++i) {
        if (!r.Line(line))
            return false;
        replay.statistics.push_back(line);
    }
    return r.Line(line) && line == "end" && !r.Line(line);
}

Replay_Error Parse(const std::vector<std::string>& lines, Replay& replay, bool headOnly)
{
    replay = Replay{};
    if (lines.empty() || lines[0].rfind(MAGIC, 0) != 0)
        return Replay_Error::Foreign;
    int version = 0;
    if (!Number(lines[0].substr(std::strlen(MAGIC)), version) || version < 1)
        return Replay_Error::Damaged;
    if (version > Replay::VERSION)
        return Replay_Error::Newer;
    Reader r(lines);
    std::string line, placed, result;
    const bool head = r.Line(line) && r.Keyed("program", replay.program) && r.Keyed("started", replay.started) &&
                      r.Keyed("player", replay.player) && r.Keyed("placed", placed) && r.Keyed("result", result) &&
                      (placed == "0" || placed == "1") && Parse_Result(result, replay.result);
    replay.placed = placed == "1";
    if (head && (headOnly || Parse_Body(r, replay)))
        return Replay_Error::None;
    replay = Replay{};
    return Replay_Error::Damaged;
}

} // namespace

std::string Replay_Message(Replay_Error error)
{
    switch (error) {
    case Replay_Error::None: return "";
    case Replay_Error::Unreadable: return Translated("Replay", QV_TEXT("Replay", "Файл записи игры не читается."));
    case Replay_Error::Foreign:
        return Translated("Replay", QV_TEXT("Replay", "Этот файл - не запись игры Quarvex."));
    case Replay_Error::Newer:
        return Translated("Replay", QV_TEXT("Replay", "Эта запись игры сделана более новой версией Quarvex."));
    case Replay_Error::Damaged:
        return Translated("Replay", QV_TEXT("Replay", "Запись игры повреждена или не дописана."));
    }
    return "";
}

std::vector<std::string> Replay_Lines(const Replay& replay)
{
    const ReplayResult& r = replay.result;
    std::vector<std::string> lines = {
        MAGIC + std::to_string(Replay::VERSION),
        "program " + One_Line(replay.program),
        "started " + One_Line(replay.started),
        "player " + One_Line(replay.player),
        std::string("placed ") + (replay.placed ? "1" : "0"),
        "result " + std::to_string(r.score) + " " + std::to_string(r.rows) + " " + std::to_string(r.level) + " " +
            std::to_string(r.steps) + " " + std::to_string(r.clicks) + " " + std::to_string(r.quarvex),
        "table " + std::to_string(replay.tableNames.size())};
    for (size_t i = 0; i < replay.tableNames.size(); ++i) {
        lines.push_back(One_Line(replay.tableNames[i]));
        lines.push_back(Print_Number(i < replay.tableScores.size() ? replay.tableScores[i] : 0));
    }
    lines.push_back("seeds " + std::to_string(replay.seeds.size()));
    for (uint64_t seed : replay.seeds) {
        char hex[17];
        auto [end, ec] = std::to_chars(hex, hex + sizeof hex, seed, 16);
        lines.emplace_back(hex, end);
    }
    lines.push_back("clock " + std::to_string(replay.clock.size()));
    for (const auto& [call, seconds] : replay.clock)
        lines.push_back(std::to_string(call) + " " + std::to_string(seconds));
    lines.push_back("inputs " + std::to_string(replay.inputs.size()));
    for (const ReplayInput& in : replay.inputs) {
        std::string line = std::string(1, in.code) + " " + std::to_string(in.ms);
        const int args = Argument_Count(in.code);
        if (args >= 1)
            line += " " + std::to_string(in.a);
        if (args >= 2)
            line += " " + std::to_string(in.b);
        if (in.code == ReplayInput::Sequence && !in.text.empty())
            line += " " + in.text;
        lines.push_back(std::move(line));
    }
    lines.push_back("statistics " + std::to_string(replay.statistics.size()));
    for (const std::string& s : replay.statistics)
        lines.push_back(One_Line(s));
    lines.push_back("end");
    return lines;
}

Replay_Error Parse_Replay(const std::vector<std::string>& lines, Replay& replay)
{
    return Parse(lines, replay, false);
}

Replay_Error Read_Replay(const std::filesystem::path& file, Replay& replay, bool headOnly)
{
    replay = Replay{};
    std::vector<std::string> lines;
    if (!Read_Text_Lines(file, lines, headOnly ? HEAD_LINES : SIZE_MAX, MAX_BYTES))
        return Replay_Error::Unreadable;
    return Parse(lines, replay, headOnly);
}

} // namespace qv
