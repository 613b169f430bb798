#include "records/clsRecords.h"

#include <algorithm>
#include <system_error>

#include "shell/TextFile.h"

namespace qv {

namespace {

constexpr const char* DEFAULT_NAME = "Pelko";
constexpr size_t NAME_COLUMN = 15;

// A name as one file line: line breaks become blanks and NUL bytes go, so that
// names and scores stay paired when the file is read back.
std::string One_Line(std::string name)
{
    std::erase(name, '\0');
    for (char& c : name)
        if (c == '\r' || c == '\n')
            c = ' ';
    return name;
}

} // namespace

void clsRecords::Read_Records()
{
    Clear_Records();
    std::vector<std::string> lines;
    if (!Read_Text_Lines(file_, lines)) {
        const std::vector<std::string> defaults = {DEFAULT_NAME, "0"};
        // Only a file that is really absent is replaced; an existing file that
        // cannot be read is left for the player to rescue.
        std::error_code ec;
        const bool absent =
            std::filesystem::symlink_status(file_, ec).type() == std::filesystem::file_type::not_found;
        if (!absent || !Write_Text_Lines(file_, defaults) || !Read_Text_Lines(file_, lines))
            lines = defaults;
    }
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    for (size_t i = 0; i + 1 < lines.size(); i += 2) {
        colRecordNames.push_back(lines[i]);
        colRecordScores.push_back(Leading_Number(lines[i + 1]));
    }
}

bool clsRecords::Write_Records() const
{
    std::vector<std::string> lines;
    lines.reserve(colRecordNames.size() * 2);
    const size_t count = std::min(colRecordNames.size(), colRecordScores.size());
    for (size_t k = 0; k < count; ++k) {
        lines.push_back(One_Line(colRecordNames[k]));
        lines.push_back(Print_Number(colRecordScores[k]));
    }
    return Write_Text_Lines(file_, lines);
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
    std::string name;
    if (colRecordNames.empty()) {
        if (Ask_Player_Name(name)) {
            colRecordNames.push_back(One_Line(name));
            colRecordScores.push_back(score);
        }
        return;
    }
    Read_Records();
    for (size_t k = 0; k < colRecordScores.size(); ++k) {
        if (score > colRecordScores[k]) {
            if (!Ask_Player_Name(name))
                return;
            colRecordScores.insert(colRecordScores.begin() + long(k), score);
            colRecordNames.insert(colRecordNames.begin() + long(k), One_Line(name));
            if (colRecordScores.size() >= size_t(CAPACITY) + 1) {
                colRecordScores.erase(colRecordScores.begin() + CAPACITY);
                colRecordNames.erase(colRecordNames.begin() + CAPACITY);
            }
            return;
        }
    }
    if (colRecordScores.size() >= size_t(CAPACITY))
        return;
    if (Ask_Player_Name(name)) {
        colRecordNames.push_back(One_Line(name));
        colRecordScores.push_back(score);
    }
}

} // namespace qv
