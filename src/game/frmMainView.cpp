#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "game/QtPicture.h"
#include "game/frmMain.h"
#include "records/frmFuture.h"
#include "records/frmQuarvexFathers.h"
#include "records/frmStatistic.h"
#include "shell/QtMainMod.h"
#include "sound/DirectSound.h"
#include "sound/frmMP3.h"

namespace qv {

namespace {

// Virtual-key code of a game key, 0 for any other key.
int Key_Code(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left: return KEY_LEFT;
    case Qt::Key_Up: return KEY_UP;
    case Qt::Key_Right: return KEY_RIGHT;
    case Qt::Key_Down: return KEY_DOWN;
    case Qt::Key_Space: return KEY_SPACE;
    case Qt::Key_Escape: return KEY_ESCAPE;
    default: return 0;
    }
}

} // namespace

void frmMain::Connect_Timers()
{
    tmrDown.setTimerType(Qt::PreciseTimer);
    tmrDown.setInterval(15);
    tmrDemo.setInterval(500);
    tmrLevel.setInterval(100);
    tmrMigCountLines.setInterval(250);
    tmrMigMenuControls.setInterval(100);
    clockDown_.start();
    connect(&tmrDown, &QTimer::timeout, this, &frmMain::tmrDown_Timer);
    connect(&tmrDemo, &QTimer::timeout, this, [this] { Input({ReplayInput::Demo_Tick}); });
    connect(&tmrLevel, &QTimer::timeout, this, [this] { Input({ReplayInput::Level_Tick}); });
    connect(&tmrMigCountLines, &QTimer::timeout, this, [this] { Input({ReplayInput::Lines_Tick}); });
    connect(&tmrMigMenuControls, &QTimer::timeout, this, &frmMain::tmrMigMenuControls_Timer);
    tmrWatch.setTimerType(Qt::PreciseTimer);
    tmrWatch.setInterval(15);
    connect(&tmrWatch, &QTimer::timeout, this, &frmMain::tmrWatch_Timer);
}

void frmMain::tmrDown_Timer()
{
    // A tick may end the game, and the end-of-game flow may start the next one: a restart of
    // the timer (new generation) drops what was due for the old game.
    const unsigned generation = downGeneration_;
    const int due = pacer_.Due(clockDown_.nsecsElapsed());
    for (int i = 0; i < due; ++i) {
        if (generation != downGeneration_ || !game.tmrDownEnabled || game.bGameLost)
            return;
        Input({ReplayInput::Ticks, 1});
    }
}

void frmMain::Timer_Changed(Timer timer)
{
    // A watched game's timers are in its replay.
    if (watching_)
        return;
    switch (timer) {
    case Timer::Down:
        if (game.tmrDownEnabled == tmrDown.isActive())
            return;
        ++downGeneration_;
        if (game.tmrDownEnabled) {
            pacer_.Restart(clockDown_.nsecsElapsed());
            tmrDown.start();
        } else {
            tmrDown.stop();
        }
        return;
    case Timer::Demo:
        if (!game.tmrDemoEnabled)
            tmrDemo.stop();
        else if (!tmrDemo.isActive() || tmrDemo.interval() != game.tmrDemoInterval)
            tmrDemo.start(game.tmrDemoInterval);
        return;
    case Timer::Level:
        if (!game.tmrLevelEnabled)
            tmrLevel.stop();
        else if (!tmrLevel.isActive())
            tmrLevel.start();
        return;
    case Timer::MigCountLines:
        if (!game.tmrMigCountLinesEnabled)
            tmrMigCountLines.stop();
        else if (!tmrMigCountLines.isActive())
            tmrMigCountLines.start();
        return;
    }
}

void frmMain::Label_Changed(qv::Label label)
{
    QLabel* w = labelOf_[size_t(label)];
    if (!w)
        return;
    // Called on every tick for the time bonus: touch only what changed.
    const LabelState& state = game.Label_State(label);
    const QString text = QString::fromStdString(state.Caption);
    if (w->text() != text)
        w->setText(text);
    if (Role_Color(w, QPalette::WindowText) != state.ForeColor)
        Set_Colors(w, QPalette::WindowText, state.ForeColor);
    if (w->isHidden() == state.Visible)
        w->setHidden(!state.Visible);
}

void frmMain::Buttons_Changed()
{
    for (size_t b = 0; b < buttonOf_.size(); ++b)
        if (buttonOf_[b])
            Set_Colors(buttonOf_[b], QPalette::Button, game.ButtonBackColor[b]);
    cmdDown->setEnabled(game.cmdDownEnabled);
}

void frmMain::Sound_Play(Channel channel)
{
    if (const auto& c = channels_[size_t(channel)])
        c->DMCtrlPlay();
}

void frmMain::Background_Pan(int pan) { DirectSound::SetBkgPan(int16_t(pan)); }

void frmMain::Create_Channels()
{
    for (auto& c : channels_)
        c = std::make_unique<clsDMCtrl>(EnableSoundControl);
}

void frmMain::Release_Sound()
{
    for (auto& c : channels_)
        c.reset();
    DirectSound::ReleaseBkgSound();
}

void frmMain::Statistic_Clear()
{
    recorder.Statistic_Clear();
    if (winStatistic)
        winStatistic->Clear();
}

void frmMain::Statistic_Add(const std::string& line)
{
    recorder.Statistic_Add(line);
    if (winStatistic)
        winStatistic->Add(line);
}

void frmMain::Statistic_Select_Last()
{
    if (winStatistic)
        winStatistic->Select_Last();
}

void frmMain::Records_List_Changed()
{
    replayOf_ = replays.Links(game.objRecords.colRecordNames, game.objRecords.colRecordScores);
    if (winRecords)
        winRecords->Set_Lines(game.lstTable);
}

void frmMain::Records_Select(int index)
{
    if (winRecords)
        winRecords->Select(index);
}

void frmMain::Place_Gained()
{
    if (!tmrMigMenuControls.isActive())
        tmrMigMenuControls.start();
}

void frmMain::Colors_Changed()
{
    // The future picture takes its colour from the game directly.
    Set_Colors(this, QPalette::Window, game.FormBackColor);
    if (winRecords)
        winRecords->Set_Back_Color(game.TableBackColor);
    if (winStatistic)
        winStatistic->Set_Back_Color(game.StatisticBackColor);
    if (winMP3)
        winMP3->Set_Back_Color(game.MP3BackColor);
}

void frmMain::Focus_Board() { picQuarvex->setFocus(Qt::OtherFocusReason); }

void frmMain::Game_Shown()
{
    show();
    Focus_Board();
}

void frmMain::Pause_Toggle()
{
    // A watched game's own pauses are in its replay.
    if (!watching_)
        chkPause->setChecked(!chkPause->isChecked());
}

void frmMain::Game_Lost(int32_t score)
{
    if (!watching_)
        return Finish_Game(score);
    tmrWatch.stop();
    QTimer::singleShot(0, this, &frmMain::Watch_Ended);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        // The window sees its keys before any of its widgets does.
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && !closing_ && (w == this || isAncestorOf(w)))
            return Key_Event(event);
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        Button_Event(watched, event);
        break;
    case QEvent::MouseMove:
        Menu_Event(watched, event);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool frmMain::Key_Event(QEvent* event)
{
    auto* key = static_cast<QKeyEvent*>(event);
    if (watching_)
        return Watch_Key(key);
    const int code = Key_Code(key->key());
    if (code == 0)
        return false;
    // Held keys repeat as presses only, as the game expects.
    if (event->type() == QEvent::KeyPress)
        Input({ReplayInput::Key_Down, code});
    else if (!key->isAutoRepeat())
        Input({ReplayInput::Key_Up, code});
    return true;
}

bool frmMain::Button_Event(QObject* watched, QEvent* event)
{
    auto* button = qobject_cast<QPushButton*>(watched);
    if (!button || button->parentWidget() != fraControl || !button->isEnabled())
        return false;
    const auto which = std::find(buttonOf_.begin(), buttonOf_.end(), button);
    if (watching_ || which == buttonOf_.end())
        return true;
    const auto down = event->type() != QEvent::MouseButtonRelease ? ReplayInput::Button_Down : ReplayInput::Button_Up;
    Input({down, int32_t(which - buttonOf_.begin())});
    return true;
}

} // namespace qv
