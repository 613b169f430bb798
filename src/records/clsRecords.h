#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// The records table: up to 99 (name, score) entries, best first, kept in the
// text file QuarvexFathers.txt. Owned by the game; the main window ranks the
// final score into it at each game end and shows it in the records window.
namespace qv {

class clsRecords {
public:
    static constexpr int CAPACITY = 99;
    static constexpr const char* FILE_NAME = "QuarvexFathers.txt";

    // Parallel lists, entry 0 the best. Scores read from the file may carry fractions.
    std::vector<std::string> colRecordNames;
    std::vector<double> colRecordScores;

    // Full path of the records file.
    void Set_File(const std::filesystem::path& file) { file_ = file; }
    const std::filesystem::path& File() const { return file_; }

    // Empties the table and reads the file. A missing file is replaced by the
    // default table ("Pelko", "0") and that is read; when it cannot be written,
    // or the file exists but cannot be read, the table holds the default entry in
    // memory only and the file is not touched. Lines pair up as name and score;
    // an unpaired last name and trailing empty lines are dropped.
    void Read_Records();
    // Rewrites the file atomically; false (previous file intact) when it cannot be written.
    bool Write_Records() const;
    void Clear_Records();

    // Lines of the records list: place, ".", a blank below place 10, the name
    // padded with blanks to 15 characters, the score in plain decimal. A longer
    // name is shown whole, followed by one blank.
    std::vector<std::string> Fill_Records_List() const;

    // Ranks `score`: reloads the file (unless the table is empty), finds the
    // place after every equal or better score, asks for the name when the
    // score enters the table and inserts it, dropping entry 100.
    // Ask_Player_Name fills the name and answers false when the player cancelled.
    void Insert_Record(int32_t score, const std::function<bool(std::string&)>& Ask_Player_Name);

private:
    std::filesystem::path file_ = FILE_NAME;
};

} // namespace qv
