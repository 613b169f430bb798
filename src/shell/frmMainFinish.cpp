#include <QCloseEvent>
#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QPushButton>
#include <exception>

#include "game/QtPicture.h"
#include "game/frmMain.h"
#include "records/frmEnterName.h"
#include "records/frmFuture.h"
#include "records/frmGameOver.h"
#include "records/frmQuarvexFathers.h"
#include "records/frmStatistic.h"
#include "shell/QtMainMod.h"
#include "shell/frmSplash.h"
#include "settings/frmSettings.h"
#include "sound/frmMP3.h"
#include "tools/frmHelp.h"
#include "tools/frmSeq.h"

namespace qv {

namespace {

// Runs one step of the end-of-game flow; a step that fails is skipped and the flow goes on.
template <typename Step> void Skip_On_Error(Step step)
{
    try {
        step();
    } catch (const std::exception&) {
    }
}

} // namespace

void frmMain::Form_Load()
{
    // A new game ends any watching. The settings are read before the game is recorded.
    Stop_Watching();
    Init_Application();
    // An installed copy keeps its table in the per-user folder; a table shipped in (or left
    // by an older copy in) the program folder starts it.
    if (dataFolder_ == User_Data_Folder() && dataFolder_ != Program_Folder())
        game.objRecords.Set_Seed_File((Program_Folder() + "/" + clsRecords::FILE_NAME).toStdString());
    Input({ReplayInput::Start, chkPause->isChecked() ? 1 : 0});
    if (recorder.Recording()) {
        Replay& replay = recorder.Current();
        replay.program = QString("%1.%2.%3")
                             .arg(frmSplash::VersionMajor)
                             .arg(frmSplash::VersionMinor)
                             .arg(frmSplash::VersionRevision)
                             .toStdString();
        replay.started = QDateTime::currentDateTime().toString("yyyy-MM-dd hh:mm:ss").toStdString();
    }
}

void frmMain::Application_Init() { Init_Application(); }

void frmMain::Init_Application()
{
    if (initDone_)
        return;
    initDone_ = true;
    game.Init_Grid_And_Pan();
    RebuildWindowRgn();
    Load_Settings();
    setWindowTitle("Quarvex Zeb Ostrela");
}

void frmMain::Menu_Reset()
{
    lMenuBackColor = Role_Color(chkPause, QPalette::Button);
    chkDemo->setChecked(false);
}

void frmMain::Side_Windows_Sync()
{
    chkRec->setChecked(winRecords && winRecords->isVisible());
    chkStat->setChecked(winStatistic && winStatistic->isVisible());
    chkFuture->setChecked(winFuture && winFuture->isVisible());
    chkMP3->setChecked(winMP3 && winMP3->isVisible());
}

bool frmMain::Ask_Player_Name(std::string& name)
{
    game.Demo_Enable(false);
    name.clear();
    if (!frmEnterName::Ask(this, name))
        return false;
    if (name.empty())
        name = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
    return true;
}

void frmMain::Finish_Game(int32_t score)
{
    game.Demo_Enable(false);
    Skip_On_Error([&] { Unload_Open_Dialog(); });
    Skip_On_Error([&] { frmHelp::Close_Tour(); });
    Skip_On_Error([&] { frmSeq::Close_Window(); });
    Skip_On_Error([&] { frmSettings::Close_Window(); });
    const bool recorded = recorder.Recording();
    Replay replay = recorder.Finish();
    std::string player;
    bool named = false;
    Skip_On_Error([&] {
        game.objRecords.Insert_Record(score, [&](std::string& name) {
            named = Ask_Player_Name(name);
            player = name;
            return named;
        });
    });
    // The write merges what another copy stored meanwhile, so the list is filled after it. An
    // unwritable, unreadable or locked file is left intact; the game goes on regardless.
    bool stored = false;
    Skip_On_Error([&] { stored = game.objRecords.Write_Records(); });
    if (recorded)
        Skip_On_Error([&] { Save_Replay(std::move(replay), player, named && stored); });
    Skip_On_Error([&] { game.Fill_Records_List(); });
    bool again = false;
    Skip_On_Error([&] { again = frmGameOver::Ask(this); });
    Next_Game_Or_Close(again);
}

void frmMain::Next_Game_Or_Close(bool again)
{
    if (!again || closing_) {
        close();
        return;
    }
    game.lScore = 0;
    game.iLevelSpeed = 0;
    game.objRecords.Clear_Records();
    Form_Load();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // Form_QueryUnload: the settings file first, while the side windows are still loaded. A
    // file that cannot be written keeps its previous content. The close is never refused.
    Stop_Watching();
    (void)Save_Settings();
    closing_ = true;
    for (QTimer* t : {&tmrDown, &tmrDemo, &tmrLevel, &tmrMigCountLines, &tmrMigMenuControls})
        t->stop();
    game.Set_Canvases(picQuarvex, picNext, nullptr);
    if (winRecords)
        winRecords->Unload();
    if (winStatistic)
        winStatistic->Unload();
    if (winFuture)
        winFuture->Unload();
    Unload_Music();
    Release_Sound();
    event->accept();
}

} // namespace qv
