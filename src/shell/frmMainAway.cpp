#include <QApplication>
#include <QGuiApplication>
#include <QPushButton>

#include "game/frmMain.h"
#include "shell/QtFocusLeave.h"

namespace qv {

void frmMain::Watch_Focus()
{
    // The platform reports the application inactive once no window of it has the focus; on
    // X11 Qt waits a moment for a focus-in first, so a focus passing between the game's own
    // windows (a dialog opening, a side window handing it back) never reads as leaving. Under
    // X11 the active window tells at once when it is plainly another program's.
    focusLeave_ = std::make_unique<QtFocusLeave>(this, [this] { Player_Left(Leave_Event::Left_Game); });
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        Player_Left(state == Qt::ApplicationActive ? Leave_Event::Came_Back : Leave_Event::Left_Game);
    });
}

void frmMain::Player_Left(Leave_Event event)
{
    if (closing_)
        return;
    Play_State state;
    state.bPlaying = loaded_ && !game.bGameLost;
    state.bDemo = game.tmrDemoEnabled;
    state.bPaused = chkPause->isChecked();
    state.bWatching = Watching();
    if (Pauses_On(event, state))
        chkPause->setChecked(true);
}

// A modal window (settings, help, a dialog) takes the keyboard from the game; it takes the pad too.
void frmMain::Pad_Key(int keyCode, bool down)
{
    if (closing_ || watching_ || QApplication::activeModalWidget())
        return;
    Input({down ? ReplayInput::Key_Down : ReplayInput::Key_Up, keyCode});
}

void frmMain::Pad_Start()
{
    if (!closing_ && !QApplication::activeModalWidget())
        chkPause->setChecked(!chkPause->isChecked());
}

} // namespace qv
