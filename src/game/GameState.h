#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/Figures.h"
#include "game/GameView.h"
#include "game/Numbers.h"
#include "records/clsRecords.h"
#include "shell/MainSettings.h"
#include "tools/clsSeq.h"

// Every member of a running game, with the names the windows and the rules use,
// and the player's settings, of which the drawing and the fall tick read the phantom
// mode, the grid and the pan sweep. Held by GameCore; the main window reads it to
// show labels and colours.
namespace qv {

struct GameState : MainSettings {
    // Board: columns 0..22, rows 0..34; the playfield is columns 4..18, rows 0..30.
    static constexpr int BOARD_COLUMNS = 23;
    static constexpr int BOARD_ROWS = 35;
    std::array<std::array<bool, BOARD_ROWS>, BOARD_COLUMNS> arrBoard{};
    uint8_t btMaxX = BOARD_COLUMNS - 1;
    uint8_t btMaxY = BOARD_ROWS - 1;
    FigureArray arrFig{};
    FigureArray arrNext{};
    uint8_t btX = 9;
    uint8_t btY = 0;
    bool bDrop = false;

    // Coming figures: index 1 falling, 2 next, 3..5 future (index 0 unused).
    std::array<FigureRecord, 6> arrQueue{};
    uint8_t btKinds = 7;
    bool bChosenQuarvex = false;
    int32_t lChosenBonus = 0;
    bool bUseSequence = false;
    clsSeq objSeq;

    // Fall tick and scoring.
    int16_t iTicks = 0;
    int16_t iLevelSpeed = 0;
    int16_t iTimeCount = 0;
    int16_t iCells = 0;
    int32_t lScore = 0;
    int32_t lPrevScore = 0;
    int32_t lBonusSum = 0;
    int32_t lTimeBonusSum = 0;
    std::array<int32_t, 4> arrLineCounts{};
    int16_t iLastLines = 0;
    int16_t iBlinkCount = 0;
    int16_t iLevel = 0;
    int16_t iLevelLines = 0;
    int16_t iFigureNo = 0;
    int16_t iClicks = 0;
    int32_t lClicksTotal = 0;
    int16_t iQuarvexCount = 0;
    int16_t iLevelBlink = 0;
    int16_t iBlinkLine = 0;
    Color ColorFigura = Rgb(255, 255, 255);
    Color NextFillColor = Rgb(150, 52, 152);

    // Input.
    bool bInputEnabled = true;
    bool bEscPause = false;
    Color lBtnColor = Palette(7);
    std::array<Color, size_t(Button::COUNT)> ButtonBackColor{};
    bool cmdDownEnabled = true;

    // Drawing (iFantom and bDrawSetka come with the settings).
    std::array<int16_t, 17> iGridX{};
    std::array<int16_t, 32> iGridY{};
    // The phantom mode of a replayed game, which draws chance as it did; -1: the setting iFantom.
    int16_t iFantomReplay = -1;
    uint8_t btPhantomX = 0;
    uint8_t btPhantomY = 0;

    // Background sound sweep (EnableLoop and SpeedChange come with the settings).
    int32_t ForLoop = 0;
    int16_t iPanDirection = 1;

    // Records and the live place.
    clsRecords objRecords;
    std::vector<std::string> lstTable;
    int16_t iPlace = 0;
    int16_t iPlaceGain = 0;

    // Labels and colours shown by the main window and its side windows.
    std::array<LabelState, size_t(Label::COUNT)> Labels{};
    Color FormBackColor = Rgb(0, 0, 0);
    Color TableBackColor = Rgb(0, 0, 0);
    Color StatisticBackColor = Rgb(0, 0, 0);
    Color FutureBackColor = Rgb(0, 0, 0);
    Color MP3BackColor = Rgb(0, 0, 0);

    // Timers the rules start and stop.
    bool tmrDownEnabled = false;
    bool tmrDemoEnabled = false;
    int tmrDemoInterval = 500;
    bool tmrLevelEnabled = false;
    bool tmrMigCountLinesEnabled = false;

    // Set from the end of a lost game until the next game is set up: no tick, no move.
    bool bGameLost = false;
};

} // namespace qv
