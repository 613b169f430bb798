#include "sound/clsDMCtrl.h"

#include "shell/MainMod.h"
#include "sound/SoundPath.h"

namespace qv {

clsDMCtrl::clsDMCtrl(const bool& enableSoundControl) : soundOn_(enableSoundControl) {}

clsDMCtrl::~clsDMCtrl() { ReleaseDMCtrl(); }

void clsDMCtrl::DMCtrlPath(const std::string& NewPath)
{
    strPath = NewPath;
    bChanged = true;
}

void clsDMCtrl::DMCtrlVolume(int16_t NewVolume)
{
    iVolume = NewVolume;
    bChanged = true;
}

void clsDMCtrl::DMCtrlEnabled(bool NewEnable) { bEnabled = NewEnable; }

void clsDMCtrl::DMCtrlFreq(int32_t NewFreq)
{
    lFreq = NewFreq;
    bChanged = true;
}

bool clsDMCtrl::CreateDMCtrlBuffer()
{
    bFailedDMCtrl = false;
    ReleaseDMCtrl();
    ISoundDevice* device = Sound_Device();
    if (device)
        objBuffer = device->Create_Buffer(Resolve_Path(strPath));
    if (!objBuffer) {
        bFailedDMCtrl = true;
        return false;
    }
    return true;
}

void clsDMCtrl::ReleaseDMCtrl()
{
    if (objBuffer)
        objBuffer->Stop();
    objBuffer.reset();
}

void clsDMCtrl::Fail_Channel()
{
    ReleaseDMCtrl();
    Report_Error("DMCtrl");
}

void clsDMCtrl::DMCtrlPlay()
{
    if (!soundOn_ || !bEnabled)
        return;
    if (!objBuffer || bChanged) {
        bChanged = false;
        if (!CreateDMCtrlBuffer()) {
            ReleaseDMCtrl();
            return;
        }
        if (!objBuffer->Set_Volume(iVolume) || !objBuffer->Set_Frequency(lFreq)) {
            Fail_Channel();
            return;
        }
        if (lFreq == 0)
            lFreq = objBuffer->Frequency();
    }
    // A failure here drops the buffer, so the next play builds it afresh.
    if (!objBuffer->Play(false) || !objBuffer->Rewind())
        Fail_Channel();
}

} // namespace qv
