#include "game/frmMain.h"
#include "sound/frmMP3.h"
#include "tools/frmOpen.h"

namespace qv {

void frmMain::Build_Music()
{
    // The settings file places and shows it and starts its track.
    winMP3 = new frmMP3(*this);
}

void frmMain::Unload_Music()
{
    Unload_Open_Dialog();
    if (winMP3)
        winMP3->Unload();
}

frmOpen* frmMain::Open_Dialog()
{
    if (!winOpen)
        winOpen = new frmOpen(this);
    return winOpen;
}

void frmMain::Unload_Open_Dialog()
{
    if (!winOpen)
        return;
    // A choice still open (the game ended under it) returns as cancelled before the dialog goes.
    winOpen->reject();
    winOpen->deleteLater();
    winOpen = nullptr;
}

} // namespace qv
