#include "support/GameHarness.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <random>

namespace qv::test {

TempDir::TempDir()
{
    static std::atomic<int> counter{0};
    static const unsigned run = std::random_device{}();
    path_ = std::filesystem::temp_directory_path() /
            ("quarvex-core-tests-" + std::to_string(run) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

GameHarness::GameHarness()
{
    game.objRecords.Set_File(Records_File());
    game.Set_Canvases(&board, &next, &future);
    game.Init_Grid_And_Pan();
}

void GameHarness::Write_Records(const std::vector<std::pair<std::string, int>>& entries) const
{
    std::ofstream out(Records_File(), std::ios::binary | std::ios::trunc);
    for (const auto& [name, score] : entries)
        out << name << "\r\n " << score << " \r\n";
}

void GameHarness::Falling(const std::string& pattern, int x, int y, bool quarvex, int32_t bonus)
{
    game.arrQueue[1] = FigureRecord{pattern, bonus, quarvex};
    game.arrFig = Figure_Of(pattern);
    game.btX = uint8_t(x);
    game.btY = uint8_t(y);
}

void GameHarness::Next(const std::string& pattern, bool quarvex, int32_t bonus)
{
    game.arrQueue[2] = FigureRecord{pattern, bonus, quarvex};
    game.arrNext = Figure_Of(pattern);
}

void GameHarness::Fill_Row(int row, std::vector<int> except)
{
    for (int col = 4; col <= 18; ++col)
        game.arrBoard[col][row] = std::find(except.begin(), except.end(), col) == except.end();
}

std::string GameHarness::Row_Text(int row) const
{
    std::string text;
    for (int col = 4; col <= 18; ++col)
        text += game.arrBoard[col][row] ? '#' : '.';
    return text;
}

void GameHarness::Table(const std::vector<std::pair<std::string, double>>& entries)
{
    game.objRecords.colRecordNames.clear();
    game.objRecords.colRecordScores.clear();
    for (const auto& [name, score] : entries) {
        game.objRecords.colRecordNames.push_back(name);
        game.objRecords.colRecordScores.push_back(score);
    }
    game.lstTable = game.objRecords.Fill_Records_List();
    game.iPlace = int16_t(game.lstTable.size());
}

void GameHarness::Forget()
{
    view.Reset();
    board.Forget();
    next.Forget();
    future.Forget();
    rnd.draws = 0;
}

FigureArray Figure_Of(const std::string& pattern)
{
    FigureArray fig{};
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row)
            fig[col][row] = pattern.at(size_t(4 * col + row)) == '1';
    return fig;
}

std::string Pattern_Of(const FigureArray& fig)
{
    std::string p;
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row)
            p += fig[col][row] ? '1' : '0';
    return p;
}

} // namespace qv::test
