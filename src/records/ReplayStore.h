#pragma once
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "game/Replay.h"

// The replays folder beside the records file: one file per game, named after its start
// and the process that wrote it. It keeps the replay of every game that holds a place in
// the records table and the last KEEP_LAST games. Used by the main window at each game
// end and by the records window to find the replay of an entry.
namespace qv {

class ReplayStore {
public:
    static constexpr const char* FOLDER = "replays";
    static constexpr const char* EXTENSION = ".qvr";
    // The one temporary every replay is written through.
    static constexpr const char* TEMP_NAME = "replay.tmp";
    static constexpr size_t KEEP_LAST = 20;

    struct Entry {
        std::filesystem::path file;
        Replay head; // the head lines only: player, placed, result
    };

    void Set_Folder(const std::filesystem::path& folder) { folder_ = folder; }
    // Writes `replay` atomically under a name no other file has (start time, then the process
    // id `process`); the file, or empty when it could not be written.
    std::filesystem::path Save(const Replay& replay, long long process) const;
    // The replay files of the folder that read as replays, oldest first.
    std::vector<Entry> List() const;
    // For each entry of the table, the replay of the game that holds it; empty for none.
    std::vector<std::filesystem::path> Links(const std::vector<std::string>& names,
                                             const std::vector<double>& scores) const;
    // Removes the replays that hold no entry of the table and are not among the last KEEP_LAST.
    void Prune(const std::vector<std::string>& names, const std::vector<double>& scores) const;

private:
    std::filesystem::path folder_;
};

// For each table entry, the index in `games` (oldest first) of the placed game with the
// entry's name and score, or -1. Equal entries are matched newest to newest: the table
// keeps equal scores in the order they were made.
std::vector<int> Link_Entries(const std::vector<Replay>& games, const std::vector<std::string>& names,
                              const std::vector<double>& scores);

} // namespace qv
