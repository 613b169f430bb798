#include "records/clsRecords.h"

#include <algorithm>
#include <system_error>

#include "shell/FileLock.h"
#include "shell/TextFile.h"

namespace qv {

namespace fs = std::filesystem;

namespace {

constexpr const char* DEFAULT_NAME = "Pelko";
constexpr size_t NAME_COLUMN = 15;

// A link to a missing file counts as missing: the file is then made where it points.
bool Absent(const fs::path& file)
{
    std::error_code ec;
    return fs::status(file, ec).type() == fs::file_type::not_found;
}

// Where `score` enters the table: before the first lower score, else at the end
// while the table has room; -1 when it does not enter.
long Place_For(const std::vector<double>& scores, double score)
{
    const auto lower = std::find_if(scores.begin(), scores.end(), [score](double s) { return score > s; });
    if (lower != scores.end())
        return long(lower - scores.begin());
    return scores.size() < size_t(clsRecords::CAPACITY) ? long(scores.size()) : -1;
}

fs::path Lock_File(const fs::path& file)
{
    fs::path lock = Resolve_Links(file);
    lock += clsRecords::LOCK_SUFFIX;
    return lock;
}

} // namespace

void clsRecords::Read_Records()
{
    Clear_Records();
    unreadable_ = false;
    if (held_) {
        colRecordNames = held_->first;
        colRecordScores = held_->second;
        return;
    }
    std::vector<std::string> lines;
    if (!Read_Text_Lines(file_, lines)) {
        const std::vector<std::string> defaults = {DEFAULT_NAME, "0"};
        // Only a file that is really absent is replaced; an existing file that
        // cannot be read is left for the player to rescue and never written over.
        if (!Absent(file_)) {
            unreadable_ = true;
            lines = defaults;
        } else if (!Create_File() || !Read_Text_Lines(file_, lines)) {
            lines = defaults;
        }
    }
    Parse(lines);
}

bool clsRecords::Create_File()
{
    File_Lock lock(Lock_File(file_), lockWait_);
    if (!lock.Held())
        return false;
    // Another copy may have made the file while this one waited.
    if (!Absent(file_))
        return true;
    std::vector<std::string> start = {DEFAULT_NAME, "0"};
    std::error_code ec;
    if (!seed_.empty() && !fs::equivalent(seed_, file_, ec)) {
        std::vector<std::string> seeded;
        if (Read_Text_Lines(seed_, seeded))
            start = std::move(seeded);
    }
    return Write_Text_Lines(file_, start, lockWait_);
}

void clsRecords::Parse(const std::vector<std::string>& lines)
{
    Clear_Records();
    for (size_t i = 0; i + 1 < lines.size(); i += 2) {
        colRecordNames.push_back(lines[i]);
        colRecordScores.push_back(Leading_Number(lines[i + 1]));
    }
    // Empty lines at the end of the file are no entry.
    while (!colRecordNames.empty() && colRecordNames.back().empty() && lines[2 * colRecordNames.size() - 1].empty()) {
        colRecordNames.pop_back();
        colRecordScores.pop_back();
    }
}

void clsRecords::Insert_At(long place, const Entry& entry)
{
    colRecordScores.insert(colRecordScores.begin() + place, entry.score);
    colRecordNames.insert(colRecordNames.begin() + place, entry.name);
    if (colRecordScores.size() >= size_t(CAPACITY) + 1) {
        colRecordScores.erase(colRecordScores.begin() + CAPACITY);
        colRecordNames.erase(colRecordNames.begin() + CAPACITY);
    }
}

bool clsRecords::Write_Records()
{
    if (unreadable_ || held_)
        return false;
    File_Lock lock(Lock_File(file_), lockWait_);
    if (!lock.Held())
        return false;
    std::vector<std::string> lines;
    if (Read_Text_Lines(file_, lines)) {
        Parse(lines);
        if (added_) {
            const long place = Place_For(colRecordScores, added_->score);
            if (place >= 0)
                Insert_At(place, *added_);
        }
    } else if (!Absent(file_)) {
        unreadable_ = true;
        return false;
    }
    lines.clear();
    const size_t count = std::min(colRecordNames.size(), colRecordScores.size());
    for (size_t k = 0; k < count; ++k) {
        lines.push_back(One_Line(colRecordNames[k]));
        lines.push_back(Print_Number(colRecordScores[k]));
    }
    if (!Write_Text_Lines(file_, lines, lockWait_))
        return false;
    added_.reset();
    return true;
}

void clsRecords::Hold(std::vector<std::string> names, std::vector<double> scores)
{
    scores.resize(names.size());
    held_.emplace(std::move(names), std::move(scores));
}

void clsRecords::Clear_Records()
{
    colRecordNames.clear();
    colRecordScores.clear();
}

std::vector<std::string> clsRecords::Fill_Records_List() const
{
    std::vector<std::string> list;
    const size_t count = std::min(colRecordNames.size(), colRecordScores.size());
    for (size_t k = 1; k <= count; ++k) {
        const std::string& name = colRecordNames[k - 1];
        std::string line = std::to_string(k) + (k < 10 ? ". " : ".") + name;
        const size_t length = Utf8_Length(name);
        line.append(length <= NAME_COLUMN ? NAME_COLUMN - length : 1, ' ');
        line += Plain_Number(colRecordScores[k - 1]);
        list.push_back(std::move(line));
    }
    return list;
}

void clsRecords::Insert_Record(int32_t score, const std::function<bool(std::string&)>& Ask_Player_Name)
{
    added_.reset();
    if (held_)
        return;
    if (!colRecordNames.empty())
        Read_Records();
    if (unreadable_)
        return;
    const long place = Place_For(colRecordScores, score);
    if (place < 0)
        return;
    std::string name;
    if (!Ask_Player_Name(name))
        return;
    added_ = Entry{One_Line(name), score};
    Insert_At(place, *added_);
}

} // namespace qv
