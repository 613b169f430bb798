#pragma once
#include <QElapsedTimer>
#include <QPalette>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/GameCore.h"
#include "game/Random.h"
#include "game/TickPacer.h"
#include "shell/QtUnits.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

namespace qv {

class QtPicture;
class frmQuarvexFathers;
class frmStatistic;
class frmFuture;

// Where the sound-effect channels and the background sound plug in; silent until they exist.
struct SoundSeam {
    void Play(Channel channel) { (void)channel; }
    void Pan(int pan) { (void)pan; }
};

// The main window: board, information panel, control buttons and menu strip. It
// owns the game and its side windows, shows what the game reports and passes
// keys, buttons and timer ticks to it. Created once by Main; tests drive it offscreen.
class frmMain : public QWidget, public IGameView {
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
    GameCore game;
    SoundSeam sound;

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

    QTimer tmrDown, tmrDemo, tmrLevel, tmrMigCountLines, tmrMigMenuControls;

    // Side windows; null once unloaded at shutdown.
    QPointer<frmQuarvexFathers> winRecords;
    QPointer<frmStatistic> winStatistic;
    QPointer<frmFuture> winFuture;
    // The player window; null until one is made, and "MP3" springs back while it is null.
    QPointer<QWidget> winMP3;

    Color lMenuBackColor = Rgb(128, 64, 0);
    int16_t iMigStep = 0;

    // Starts a game (the first call of a run also runs Init_Application).
    void Form_Load();
    // Once per run: grid tables, window shape, settings, caption.
    void Init_Application();
    // Shapes the window once per run: panels and connectors stay, the rest is cut away.
    void RebuildWindowRgn();
    // Board picture scale 3760 x 7760, then figure and preview redrawn; the argument is unused.
    void Minimize_Window(bool Minimize);
    // End of a lost game: rank and store the score, then a new game or the window closes.
    void Finish_Game(int32_t score);
    // Name dialog for a new record; false when cancelled. An empty name becomes today's date.
    bool Ask_Player_Name(std::string& name);
    // The widgets that carry a help text in their "Tag", in the order the help tour shows them.
    std::vector<QWidget*> Help_Widgets() const;

    void tmrDown_Timer();
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
    void Connect_Timers();
    void Connect_Menu();
    QLabel* Info_Label(qv::Label id, QWidget* parent, QRect twips, double points, const char* tag);
    bool Key_Event(QEvent* event);
    bool Button_Event(QObject* watched, QEvent* event);
    void Menu_Event(QObject* watched, QEvent* event);
    void Hover(QPushButton* button);
    void Default_Places();
    void Form_Resize();
    void Apply_Fixed_Size();
    void Set_Side_Window_States(Qt::WindowStates state);

    std::array<QLabel*, size_t(qv::Label::COUNT)> labelOf_{};
    std::array<QPushButton*, size_t(Button::COUNT)> buttonOf_{};
    QString dataFolder_;
    QElapsedTimer clockDown_;
    TickPacer pacer_;
    unsigned downGeneration_ = 0;
    bool loaded_ = false;
    bool initDone_ = false;
    bool regionBuilt_ = false;
    bool closing_ = false;
};

} // namespace qv
