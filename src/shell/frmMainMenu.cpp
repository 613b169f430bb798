#include <QGroupBox>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>

#include "game/frmMain.h"
#include "records/frmFuture.h"
#include "records/frmQuarvexFathers.h"
#include "records/frmStatistic.h"
#include "settings/frmSettings.h"
#include "shell/ScreenPlace.h"
#include "sound/frmMP3.h"
#include "tools/frmHelp.h"

namespace qv {

namespace {

constexpr Color RED = Rgb(255, 0, 0);
constexpr Color CYAN = Rgb(0, 255, 255);
constexpr Color GREEN = Rgb(0, 255, 0);

void Paint_Button(QPushButton* button, Color back, Color text)
{
    frmMain::Set_Colors(button, QPalette::Button, back);
    frmMain::Set_Colors(button, QPalette::ButtonText, text);
}

} // namespace

void frmMain::Connect_Menu()
{
    connect(chkPause, &QPushButton::toggled, this, &frmMain::chkPause_Click);
    connect(chkHelp, &QPushButton::toggled, this, &frmMain::chkHelp_Click);
    connect(chkDemo, &QPushButton::toggled, this, &frmMain::chkDemo_Click);
    connect(chkSet, &QPushButton::toggled, this, &frmMain::chkSet_Click);
    connect(chkExit, &QPushButton::toggled, this, &frmMain::chkExit_Click);
    connect(chkRec, &QPushButton::toggled, this, &frmMain::chkRec_Click);
    connect(chkStat, &QPushButton::toggled, this, &frmMain::chkStat_Click);
    connect(chkFuture, &QPushButton::toggled, this, &frmMain::chkFuture_Click);
    connect(chkMP3, &QPushButton::toggled, this, &frmMain::chkMP3_Click);
    connect(chkAuto, &QPushButton::toggled, this, &frmMain::chkAuto_Click);
    connect(chkAuto, &QPushButton::clicked, this, &frmMain::chkAuto_MouseUp);
    for (QPushButton* b : {chkRec, chkStat, chkFuture})
        connect(b, &QPushButton::clicked, this, &frmMain::Focus_Board);
}

void frmMain::chkPause_Click(bool value)
{
    if (watching_)
        return Watch_Pause(value);
    const bool minimise = Input({ReplayInput::Pause, value ? 1 : 0});
    if (value) {
        fraControl->hide();
        // The side windows leave first: a window manager that takes a window's transients
        // along when it minimises it would otherwise meet them half gone. On native Wayland
        // the player could not bring the windows back from the game: Escape only pauses.
        if (minimise && Platform_Minimises(QGuiApplication::platformName().toStdString())) {
            Set_Side_Window_States(Qt::WindowMinimized);
            setWindowState(windowState() | Qt::WindowMinimized);
        }
        return;
    }
    fraControl->show();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    activateWindow();
    Focus_Board();
}

void frmMain::chkHelp_Click(bool value)
{
    // The tour unticks the button at its end, which runs this handler once more.
    if (value)
        frmHelp::Run_Tour(*this);
    Focus_Board();
}

void frmMain::chkDemo_Click(bool value)
{
    // The demo never moves a watched figure.
    if (watching_ && value)
        chkDemo->setChecked(false);
    else if (!watching_)
        Input({ReplayInput::Demo, value ? 1 : 0});
    Focus_Board();
}

void frmMain::chkSet_Click(bool value)
{
    // Unticking runs this handler again, which redraws the board with the options just set.
    if (value) {
        frmSettings::Show_Modal(*this);
        chkSet->setChecked(false);
        return;
    }
    game.Draw_Board();
    game.Draw_Grid();
    game.Draw_Figure();
    Reset_Menu_Colors();
    Focus_Board();
}

void frmMain::chkExit_Click() { close(); }

void frmMain::chkRec_Click(bool value)
{
    if (winRecords)
        winRecords->setVisible(value);
}

void frmMain::chkStat_Click(bool value)
{
    if (winStatistic)
        winStatistic->setVisible(value);
}

void frmMain::chkFuture_Click(bool value)
{
    if (winFuture)
        winFuture->setVisible(value);
}

void frmMain::chkMP3_Click(bool value)
{
    // Without a player window the button springs back; hiding the
    // player leaves its track playing.
    if (!winMP3) {
        if (value)
            chkMP3->setChecked(false);
        return;
    }
    winMP3->setVisible(value);
}

void frmMain::chkAuto_Click(bool value)
{
    if (!value)
        return;
    // A column 20 twips right of the main window's designed outer width, in the order records,
    // statistics, future, player. Places are those of the client areas, as in the settings file,
    // so the column stands where a fresh settings file puts it, whatever the frame.
    const float left = Left(PlacedWindow::Main) + 6735 + 20;
    const float top = Top(PlacedWindow::Main);
    const struct {
        PlacedWindow id;
        int offset;
        QPushButton* button;
    } places[] = {{PlacedWindow::Records, 6100, chkRec},
                  {PlacedWindow::Statistic, 1500, chkStat},
                  {PlacedWindow::Future, 0, chkFuture},
                  {PlacedWindow::Player, 4800, chkMP3}};
    for (const auto& p : places) {
        QWidget* window = Placed(p.id);
        if (!window)
            continue;
        window->setWindowState(Qt::WindowNoState);
        Set_Left(p.id, left);
        Set_Top(p.id, top + float(p.offset));
        Keep_Reachable(p.id);
        window->show();
        p.button->setChecked(true);
    }
}

void frmMain::chkAuto_MouseUp()
{
    chkAuto->setChecked(false);
    Focus_Board();
}

void frmMain::Reset_Menu_Colors()
{
    for (QPushButton* b : {chkPause, chkDemo, chkSet, chkHelp, chkExit})
        if (Role_Color(b, QPalette::Button) != RED)
            Paint_Button(b, RED, CYAN);
}

void frmMain::Hover(QPushButton* button)
{
    if (Role_Color(button, QPalette::Button) == CYAN)
        return;
    Reset_Menu_Colors();
    Paint_Button(button, CYAN, RED);
}

void frmMain::Menu_Event(QObject* watched, QEvent* event)
{
    const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
    for (QPushButton* b : {chkPause, chkHelp, chkDemo, chkSet, chkExit})
        if (watched == b)
            return Hover(b);
    // Moves over a child reach the frame and the panel too; only their own area counts.
    if (watched == frmMenu && !frmMenu->childAt(pos)) {
        Reset_Menu_Colors();
    } else if (watched == fraBottomRight && !fraBottomRight->childAt(pos)) {
        Paint_Button(chkPause, RED, CYAN);
    }
}

void frmMain::tmrMigMenuControls_Timer()
{
    const std::array<QPushButton*, 5> row = {chkPause, chkHelp, chkDemo, chkSet, chkExit};
    if (iMigStep > 0)
        Set_Colors(row[size_t(iMigStep - 1)], QPalette::Button, lMenuBackColor);
    if (iMigStep < 5) {
        Set_Colors(row[size_t(iMigStep)], QPalette::Button, GREEN);
        ++iMigStep;
        return;
    }
    iMigStep = 0;
    tmrMigMenuControls.stop();
}

} // namespace qv
