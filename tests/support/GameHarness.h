#pragma once
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "game/GameCore.h"
#include "support/RecordingCanvas.h"
#include "support/RecordingView.h"
#include "support/ScriptedChance.h"

// One game wired to a recording view, scripted chance, a clock at second 0 and
// three recording pictures, with a records file in a private temporary folder.
// Used by every core test that drives GameCore.
namespace qv::test {

// A folder under the system's temporary folder, removed with its content.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

struct GameHarness {
    GameHarness();

    TempDir dir;
    RecordingView view;
    ScriptedRandom rnd;
    FixedClock clock;
    RecordingCanvas board{Rgb(128, 128, 128)};
    RecordingCanvas next{Rgb(192, 192, 192)};
    RecordingCanvas future{Rgb(0, 0, 0)};
    GameCore game{view, rnd, clock};

    std::filesystem::path Records_File() const { return dir.Path() / "QuarvexFathers.txt"; }
    // Writes the records file: per entry the name line and the score in print form.
    void Write_Records(const std::vector<std::pair<std::string, int>>& entries) const;
    // Puts `pattern` in the queue entry 1 and in arrFig, the box at (x, y); no cell counting.
    void Falling(const std::string& pattern, int x = 9, int y = 0, bool quarvex = false,
                 int32_t bonus = 0);
    // Puts `pattern` in the queue entry 2 and in arrNext; no cell counting.
    void Next(const std::string& pattern, bool quarvex = false, int32_t bonus = 0);
    // Occupies the playfield row except the listed columns.
    void Fill_Row(int row, std::vector<int> except = {});
    // Occupied cells of a board row, as the columns 4..18 in a text of "#" and ".".
    std::string Row_Text(int row) const;
    // Sets the records table (names and scores) and the records list built from it;
    // iPlace below every entry.
    void Table(const std::vector<std::pair<std::string, double>>& entries);
    // Forgets what the view and the pictures recorded and the draws counted.
    void Forget();
};

// The 4 x 4 array of a pattern.
FigureArray Figure_Of(const std::string& pattern);
// The pattern of a 4 x 4 array.
std::string Pattern_Of(const FigureArray& fig);

} // namespace qv::test
