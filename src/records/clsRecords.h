#pragma once
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The records table: up to 99 (name, score) entries, best first, kept in the
// text file QuarvexFathers.txt. Owned by the game; the main window ranks the
// final score into it at each game end and shows it in the records window.
namespace qv {

class clsRecords {
public:
    static constexpr int CAPACITY = 99;
    static constexpr const char* FILE_NAME = "QuarvexFathers.txt";
    static constexpr const char* LOCK_SUFFIX = ".lock";

    // Parallel lists, entry 0 the best. Scores read from the file may carry fractions.
    std::vector<std::string> colRecordNames;
    std::vector<double> colRecordScores;

    // Full path of the records file.
    void Set_File(const std::filesystem::path& file) { file_ = file; }
    const std::filesystem::path& File() const { return file_; }
    // A records file whose table starts a missing one (the program folder's, when
    // the table lives in the per-user folder); empty: none.
    void Set_Seed_File(const std::filesystem::path& seed) { seed_ = seed; }
    // How long a write waits for another copy of the game to release the file.
    void Set_Lock_Wait(std::chrono::milliseconds wait) { lockWait_ = wait; }

    // Empties the table and reads the file. A missing file is replaced by the seed
    // file's table or else the default table ("Pelko", "0") and that is read; when
    // it cannot be written, the table holds it in memory only. A file that exists
    // but cannot be read leaves the default entry in memory and makes the table
    // Unreadable(). Lines pair up as name and score (an empty or non-numeric score
    // reads as 0); trailing empty lines and an unpaired last line are dropped.
    void Read_Records();
    // True when the last read found a file it could not read: it is never written over.
    bool Unreadable() const { return unreadable_; }
    // Stores the table: under the lock file, rereads the file, ranks the entry that
    // Insert_Record added into what another copy may have stored meanwhile, and
    // replaces the file atomically; the table then holds what was written. A missing
    // file gets the table as it is. False, file untouched, when the file is
    // unreadable, write-protected or locked beyond the wait, or the write fails.
    bool Write_Records();
    void Clear_Records();
    // While held, the table is this one: Read_Records gives it without touching the file,
    // and Write_Records and Insert_Record change nothing (a watched game).
    void Hold(std::vector<std::string> names, std::vector<double> scores);
    void Release() { held_.reset(); }
    bool Held() const { return held_.has_value(); }

    // Lines of the records list: place, ".", a blank below place 10, the name
    // padded with blanks to 15 characters, the score in plain decimal. A longer
    // name is shown whole, followed by one blank.
    std::vector<std::string> Fill_Records_List() const;

    // Ranks `score`: reloads the file (unless the table is empty), finds the
    // place after every equal or better score, asks for the name when the
    // score enters the table and inserts it, dropping entry 100. Nothing is
    // asked while the file is Unreadable().
    // Ask_Player_Name fills the name and answers false when the player cancelled.
    void Insert_Record(int32_t score, const std::function<bool(std::string&)>& Ask_Player_Name);

private:
    struct Entry {
        std::string name;
        int32_t score;
    };
    void Parse(const std::vector<std::string>& lines);
    void Insert_At(long place, const Entry& entry);
    bool Create_File();

    std::filesystem::path file_ = FILE_NAME;
    std::filesystem::path seed_;
    std::chrono::milliseconds lockWait_{3000};
    bool unreadable_ = false;
    std::optional<Entry> added_;
    std::optional<std::pair<std::vector<std::string>, std::vector<double>>> held_;
};

} // namespace qv
