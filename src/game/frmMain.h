#pragma once
#include <QElapsedTimer>
#include <QPalette>
#include <QPointF>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/GameCore.h"
#include "game/GameRecorder.h"
#include "game/LeavePause.h"
#include "game/Random.h"
#include "game/TickPacer.h"
#include "shell/QtUnits.h"
#include "records/ReplayStore.h"
#include "shell/SettingsFile.h"
#include "sound/SoundEvents.h"
#include "sound/clsDMCtrl.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QKeyEvent;

namespace qv {

class QtPicture;
class frmQuarvexFathers;
class frmStatistic;
class frmFuture;
class frmMP3;
class frmOpen;
class QtFocusLeave;
class QtTitleStrip;

// The main window: board, information panel, control buttons and menu strip. It
// owns the game and its side windows, shows what the game reports and passes
// keys, buttons and timer ticks to it. Created once by Main; tests drive it offscreen.
class frmMain : public QWidget, public IGameView, public ISettingsTarget {
    Q_OBJECT
public:
    // dataFolder holds the records file; empty: Data_Folder(). The first show runs Form_Load.
    explicit frmMain(const QString& dataFolder = QString(), QWidget* parent = nullptr);
    ~frmMain() override;

    // The shape of `window`: pieces of its direct children with an empty "Tag", shifted by T, L.
    static QRegion Window_Region(const QWidget& window, int T, int L);
    // Sets `role` of w's palette to c in every colour group (disabled and inactive too).
    static void Set_Colors(QWidget* w, QPalette::ColorRole role, Color c);
    // Colour of `role` in w's active palette.
    static Color Role_Color(const QWidget* w, QPalette::ColorRole role);

    SystemRandom rnd;
    SystemClock clock;
    // The game's own chance and clock, so that every game can be recorded and played back.
    ReplayChance chance{clock};
    GameCore game;
    // Every call into the game goes through it while a game is played (not while watching).
    GameRecorder recorder{game, chance};
    // The replays folder beside the records file.
    ReplayStore replays;

    // The player's settings, held once in the game (the drawing and the fall tick read them there).
    bool& EnableSoundControl = game.EnableSoundControl; // event sounds on
    std::string& PathToBkgMusic = game.PathToBkgMusic;  // background wave file; "..." when none opened
    int32_t& freq = game.freq;                          // background rate in Hz
    bool& EnableLoop = game.EnableLoop;                 // background sound on, pan sweeping
    int16_t& SpeedChange = game.SpeedChange;            // pan step per tick, 0..500
    uint8_t& iFantom = game.iFantom;                    // phantom: 0 off, 1 Quarvex only, 2 always
    bool& bDrawSetka = game.bDrawSetka;                 // board grid drawn

    // Creates the ten sound channels, empty, in their order (Main does this before the first show).
    void Create_Channels();
    bool Has_Channels() const { return bool(channels_[0]); }
    // A sound channel; valid from Create_Channels until the window closes.
    clsDMCtrl& m(Channel channel) { return *channels_[size_t(channel)]; }
    // Form_QueryUnload's last steps: the channels in their order, then the background sound.
    void Release_Sound();

    QFrame *fraQuarvex = nullptr, *fraLeft = nullptr, *fraBottom = nullptr, *fraBottomRight = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr;
    QtPicture* picQuarvex = nullptr;
    QLabel* lblAutors = nullptr;

    QLabel *lblLevel = nullptr, *lblRemain = nullptr, *lblScore = nullptr, *lblSumBonus = nullptr;
    QLabel *lblFirma = nullptr, *lblPosition = nullptr, *lblNextPlace = nullptr, *lblTotal = nullptr;
    QLabel *lblTotalScore = nullptr, *lblHeightBonus = nullptr, *lblTimeBonus = nullptr;
    std::array<QLabel*, 5> lblCountLines{}; // 1..4
    QGroupBox *fraScore = nullptr, *fraLines = nullptr;
    QtPicture* picNext = nullptr;

    QFrame* fraControl = nullptr;
    std::array<QPushButton*, 3> cmdLeftRight{}; // 0 left, 2 right
    std::array<QPushButton*, 1> cmdRotate{};
    QPushButton *cmdDown = nullptr, *cmdSpace = nullptr;
    QLabel* lblPause = nullptr;

    QGroupBox* frmMenu = nullptr;
    QPushButton *chkPause = nullptr, *chkHelp = nullptr, *chkDemo = nullptr, *chkSet = nullptr, *chkExit = nullptr;
    QPushButton *chkAuto = nullptr, *chkFuture = nullptr, *chkRec = nullptr, *chkStat = nullptr, *chkMP3 = nullptr;

    QTimer tmrDown, tmrDemo, tmrLevel, tmrMigCountLines, tmrMigMenuControls, tmrWatch;

    // Side windows; null once unloaded at shutdown.
    QPointer<frmQuarvexFathers> winRecords;
    QPointer<frmStatistic> winStatistic;
    QPointer<frmFuture> winFuture;
    QPointer<frmMP3> winMP3;
    // The file-open dialog; null until first used and after Unload_Open_Dialog.
    QPointer<frmOpen> winOpen;

    // The player's track (UTF-8 path; "..." or empty: none), a switch kept for the settings
    // file, and whether the track repeats. InitMusic of winMP3 starts the track.
    std::string& MP3Path = game.MP3Path;
    bool& MP3Enable = game.MP3Enable;
    bool& MP3Loop = game.MP3Loop;

    Color lMenuBackColor = Rgb(128, 64, 0);
    int16_t iMigStep = 0;

    // Starts a game (the first call of a run also runs Init_Application).
    void Form_Load();
    // Once per run: grid tables, window shape, settings, caption.
    void Init_Application();
    // Reads the settings file of this computer and applies it: windows, sound, player, options.
    void Load_Settings();
    // Writes the settings file (only after Load_Settings); false when it could not be written,
    // the previous file then stays as it was.
    bool Save_Settings();
    // The settings file in use; empty before Load_Settings or when no folder could hold it.
    std::filesystem::path Settings_File() const;
    // Shapes the window once per run: panels and connectors stay, the rest is cut away.
    void RebuildWindowRgn();
    // For a window manager that leaves the shaped window unframed: the window's own title strip
    // across the top, the designed client area below it; the window keeps its client place.
    void Use_Title_Strip();
    // The strip, or null while the window manager's frame serves.
    QtTitleStrip* Title_Strip() const { return strip_; }
    // Board picture scale 3760 x 7760, then figure and preview redrawn; the argument is unused.
    void Minimize_Window(bool Minimize);
    // End of a lost game: rank and store the score, then a new game or the window closes.
    void Finish_Game(int32_t score);
    // Name dialog for a new record; false when cancelled. An empty name becomes today's date.
    bool Ask_Player_Name(std::string& name);
    // The one file-open dialog, made on first use.
    frmOpen* Open_Dialog();
    // Closes and unloads the file-open dialog (end of a game); a choice in progress is cancelled.
    void Unload_Open_Dialog();
    // The widgets that carry a help text in their "Tag", in the order the help tour shows them.
    std::vector<QWidget*> Help_Widgets() const;

    // Watching a recorded game: the board, labels, lists and sounds follow the replay, the
    // player's keys, buttons and the demo leave it alone, and no file is changed.
    bool Watching() const { return watching_; }
    // Reads a replay and watches it in place of the game in progress; false, with a message
    // and nothing changed, when the file cannot be read as a replay.
    bool Watch_File(const QString& file);
    // Ends the watching; the caller then starts a new game or closes the window.
    void Stop_Watching();
    // The replay of line `row` of the records list; empty when it has none.
    std::filesystem::path Replay_Of(int row) const;
    // The player's figure sequence and its mode, which a watched game leaves alone.
    clsSeq& Player_Sequence() { return watching_ ? savedSeq_ : game.objSeq; }
    bool& Player_Sequence_Mode() { return watching_ ? savedUseSequence_ : game.bUseSequence; }
    // The figure sequence or its mode was edited (the sequence editor closed).
    void Sequence_Changed();
    static constexpr int WATCH_FAST = 4;

    void tmrDown_Timer();
    void tmrWatch_Timer();
    void tmrMigMenuControls_Timer();
    void Reset_Menu_Colors();
    void chkPause_Click(bool value);
    void chkHelp_Click(bool value);
    void chkDemo_Click(bool value);
    void chkSet_Click(bool value);
    void chkExit_Click();
    void chkRec_Click(bool value);
    void chkStat_Click(bool value);
    void chkFuture_Click(bool value);
    void chkMP3_Click(bool value);
    void chkAuto_Click(bool value);
    void chkAuto_MouseUp();

    // A pad's press or release of a game key (GameCore's Key codes), handled as the keyboard's.
    void Pad_Key(int keyCode, bool down);
    // The pad's Start: the pause button pressed or released.
    void Pad_Start();
    // The player turned away or came back: a game played by hand pauses, as by "Pause".
    void Player_Left(Leave_Event event);

    void Label_Changed(qv::Label label) override;
    void Buttons_Changed() override;
    void Timer_Changed(Timer timer) override;
    void Sound_Play(Channel channel) override;
    void Background_Pan(int pan) override;
    void Statistic_Clear() override;
    void Statistic_Add(const std::string& line) override;
    void Statistic_Select_Last() override;
    void Records_List_Changed() override;
    void Records_Select(int index) override;
    void Place_Gained() override;
    void Colors_Changed() override;
    void Focus_Board() override;
    void Application_Init() override;
    void Menu_Reset() override;
    void Side_Windows_Sync() override;
    void Game_Shown() override;
    void Pause_Toggle() override;
    void Game_Lost(int32_t score) override;

    MainSettings& Settings() override { return game; }
    void Set_Visible(PlacedWindow w, bool visible) override;
    void Set_Left(PlacedWindow w, float twips) override;
    void Set_Top(PlacedWindow w, float twips) override;
    void Repaint(PlacedWindow w) override;
    bool Visible(PlacedWindow w) override;
    float Left(PlacedWindow w) override;
    float Top(PlacedWindow w) override;
    void Restore_Main_Window() override;
    void Wait_Events(int n) override;
    void PlayBkgMusic(const std::string& path) override;
    bool bFailedBkg() override;
    void StopBkgMusic() override;
    void SetBkgVolume(int16_t volume) override;
    void SetBkgFreq(int32_t hz) override;
    int16_t GetBkgVolume() override;
    void Set_DMCtrlPath(Channel c, const std::string& path) override;
    void Set_DMCtrlEnabled(Channel c, bool on) override;
    void Set_DMCtrlVolume(Channel c, int16_t volume) override;
    void Set_DMCtrlFreq(Channel c, int32_t hz) override;
    std::string DMCtrlPath(Channel c) override;
    bool DMCtrlEnabled(Channel c) override;
    int16_t DMCtrlVolume(Channel c) override;
    int32_t DMCtrlFreq(Channel c) override;
    void InitMusic() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Build_Board_Panels();
    void Build_Information_Panel();
    void Build_Controls();
    void Build_Menu();
    void Build_Side_Windows();
    void Build_Music();
    void Unload_Music();
    void Connect_Timers();
    void Connect_Menu();
    QLabel* Info_Label(qv::Label id, QWidget* parent, QRect twips, double points, const QString& tag);
    bool Key_Event(QEvent* event);
    bool Button_Event(QObject* watched, QEvent* event);
    void Menu_Event(QObject* watched, QEvent* event);
    void Hover(QPushButton* button);
    QWidget* Placed(PlacedWindow w);
    std::vector<std::filesystem::path> Settings_Folders() const;
    void Form_Resize();
    void Apply_Fixed_Size();
    void Set_Side_Window_States(Qt::WindowStates state);
    void Keep_Reachable(PlacedWindow w);
    // Puts the client area of w's window at `place` (pixels).
    void Place_Client(PlacedWindow w, QPoint place);
    // From the window's top left to its designed client area's.
    QPoint Client_Offset(PlacedWindow w) const;
    void Show_Pending();
    void Watch_Frame();
    void Arrange_Fresh_Column();
    bool Input(ReplayInput in);
    bool Watch_Key(QKeyEvent* key);
    void Watch_Pause(bool paused);
    void Watch_Ended();
    void Save_Replay(Replay replay, const std::string& player, bool placed);
    // The game-over dialog's answer: a new game (score and level reset, table reread) or the close.
    void Next_Game_Or_Close(bool again);
    void Watch_Focus();

    std::array<std::unique_ptr<clsDMCtrl>, kSoundChannelCount> channels_;
    std::array<QLabel*, size_t(qv::Label::COUNT)> labelOf_{};
    std::array<QPushButton*, size_t(Button::COUNT)> buttonOf_{};
    QString dataFolder_;
    bool ownDataFolder_ = false;
    std::unique_ptr<SettingsFile> settingsFile_;
    // The places last set in twips, kept while a window stays at the pixel they round to.
    std::array<QPointF, 5> placeTwips_{};
    // Side windows the settings file shows, held back until they stand at their places.
    std::array<bool, 5> showPending_{};
    // Side windows hidden while the main window is minimised, shown again at its restore.
    std::vector<QPointer<QWidget>> parked_;
    std::unique_ptr<QtFocusLeave> focusLeave_;
    QtTitleStrip* strip_ = nullptr;
    QElapsedTimer clockDown_;
    TickPacer pacer_;
    unsigned downGeneration_ = 0;
    bool loaded_ = false;
    bool initDone_ = false;
    bool regionBuilt_ = false;
    bool closing_ = false;
    bool watching_ = false;
    bool watchPaused_ = false;
    bool watchFast_ = false;
    double watchMs_ = 0;
    qint64 watchLast_ = 0;
    std::unique_ptr<ReplayPlayer> player_;
    std::vector<std::filesystem::path> replayOf_;
    // The player's figure sequence, put back when the watching ends.
    bool savedUseSequence_ = false;
    clsSeq savedSeq_;
};

} // namespace qv
