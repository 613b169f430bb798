#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <system_error>

#include "game/frmMain.h"
#include "records/frmGameOver.h"
#include "shell/TextFile.h"

namespace qv {

namespace fs = std::filesystem;

bool frmMain::Input(ReplayInput in)
{
    return recorder.Input(std::move(in), uint64_t(clockDown_.elapsed()));
}

void frmMain::Sequence_Changed()
{
    if (!watching_)
        Input({ReplayInput::Sequence, game.bUseSequence ? 1 : 0, game.objSeq.Cursor(), game.objSeq.Items()});
}

void frmMain::Save_Replay(Replay replay, const std::string& player, bool placed)
{
    replay.player = placed ? One_Line(player) : "";
    replay.placed = placed;
    (void)replays.Save(replay, QCoreApplication::applicationPid());
    replays.Prune(game.objRecords.colRecordNames, game.objRecords.colRecordScores);
}

fs::path frmMain::Replay_Of(int row) const
{
    return row >= 0 && size_t(row) < replayOf_.size() ? replayOf_[size_t(row)] : fs::path();
}

bool frmMain::Watch_File(const QString& file)
{
    Replay replay;
    const fs::path path = file.toStdString();
    const Replay_Error error = Read_Replay(path, replay);
    if (error != Replay_Error::None) {
        QMessageBox::warning(this, windowTitle(), QString::fromStdString(Replay_Message(error)));
        return false;
    }
    // The table as it stands, without the watched game's own entry.
    clsRecords& records = game.objRecords;
    records.Release();
    records.Read_Records();
    std::vector<std::string> names = records.colRecordNames;
    std::vector<double> scores = records.colRecordScores;
    const auto links = replays.Links(names, scores);
    std::error_code ec;
    for (size_t i = 0; i < links.size(); ++i)
        if (!links[i].empty() && fs::equivalent(links[i], path, ec)) {
            names.erase(names.begin() + long(i));
            scores.erase(scores.begin() + long(i));
            break;
        }
    records.Hold(names, scores);
    recorder.Stop();
    if (!watching_) {
        savedUseSequence_ = game.bUseSequence;
        savedSeq_ = game.objSeq;
    }
    player_.reset();
    watching_ = true;
    for (QTimer* t : {&tmrDown, &tmrDemo, &tmrLevel, &tmrMigCountLines})
        t->stop();
    watchPaused_ = watchFast_ = false;
    chkPause->setChecked(false);
    fraControl->show();
    player_ = std::make_unique<ReplayPlayer>(std::move(replay), game, chance);
    watchMs_ = 0;
    watchLast_ = clockDown_.elapsed();
    player_->Play_Until(0);
    tmrWatch.start();
    return true;
}

void frmMain::Stop_Watching()
{
    if (!watching_)
        return;
    tmrWatch.stop();
    player_.reset();
    watching_ = watchPaused_ = false;
    game.objRecords.Release();
    game.iFantomReplay = -1;
    game.bUseSequence = savedUseSequence_;
    game.objSeq = savedSeq_;
    // A blink the watched game left running ends as it would.
    Timer_Changed(Timer::Level);
    Timer_Changed(Timer::MigCountLines);
}

void frmMain::tmrWatch_Timer()
{
    const qint64 now = clockDown_.elapsed();
    const qint64 real = now - watchLast_;
    watchLast_ = now;
    if (!player_ || watchPaused_ || game.bGameLost)
        return;
    watchMs_ += double(real) * (watchFast_ ? WATCH_FAST : 1);
    // A stretch of more than a second without any input (the game was paused) is cut to a second.
    const double due = player_->Next_Due();
    if (due - watchMs_ > 1000)
        watchMs_ = due - 1000;
    player_->Play_Until(watchMs_);
    // A replay whose inputs run out before its game ends (the rules changed) ends here.
    if (player_ && player_->Done() && !game.bGameLost) {
        tmrWatch.stop();
        QTimer::singleShot(0, this, &frmMain::Watch_Ended);
    }
}

bool frmMain::Watch_Key(QKeyEvent* key)
{
    if (key->type() == QEvent::KeyPress && !key->isAutoRepeat()) {
        if (key->key() == Qt::Key_Escape)
            chkPause->setChecked(!chkPause->isChecked());
        else if (key->key() == Qt::Key_F || key->key() == 0x0410) // the same key in the Russian layout
            watchFast_ = !watchFast_;
    }
    return true;
}

void frmMain::Watch_Pause(bool paused)
{
    watchPaused_ = paused;
    fraControl->setVisible(!paused);
    Focus_Board();
}

// The end of a watched game: no name is asked and nothing is stored; a new game as usual.
void frmMain::Watch_Ended()
{
    if (!watching_ || closing_)
        return;
    game.Demo_Enable(false);
    const bool again = frmGameOver::Ask(this);
    if (!watching_)
        return;
    Stop_Watching();
    Next_Game_Or_Close(again);
}

} // namespace qv
