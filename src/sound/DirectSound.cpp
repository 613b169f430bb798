#include "sound/DirectSound.h"

#include <memory>

#include "shell/MainMod.h"
#include "sound/SoundPath.h"

namespace qv::DirectSound {

namespace {

struct Background {
    bool bFailedBkg = false;
    int16_t iBkgVolume = 0;
    std::string strBkgPath;
    std::unique_ptr<ISoundBuffer> objBuffer;
};

Background& Bkg()
{
    static Background bkg;
    return bkg;
}

// The buffer while the last open succeeded, else null.
ISoundBuffer* Open_Buffer() { return Bkg().bFailedBkg ? nullptr : Bkg().objBuffer.get(); }

bool CreateBkgBuffer()
{
    Background& b = Bkg();
    ReleaseBkgSound();
    if (ISoundDevice* device = Sound_Device())
        b.objBuffer = device->Create_Buffer(Resolve_Path(b.strBkgPath));
    b.bFailedBkg = !b.objBuffer;
    return !b.bFailedBkg;
}

} // namespace

void PlayBkgMusic(const std::string& path, int32_t& freq)
{
    Background& b = Bkg();
    b.strBkgPath = path;
    if (!CreateBkgBuffer()) {
        Report_Error("DirectSound");
        ReleaseBkgSound();
        return;
    }
    freq = b.objBuffer->Frequency();
    if (!b.objBuffer->Play(true) || !b.objBuffer->Rewind()) {
        ReleaseBkgSound();
        b.bFailedBkg = true;
    }
}

void StopBkgMusic()
{
    if (ISoundBuffer* buffer = Open_Buffer())
        buffer->Stop();
}

void ResumeBkgMusic()
{
    if (ISoundBuffer* buffer = Open_Buffer())
        buffer->Play(true);
}

void SetBkgPan(int16_t pan)
{
    if (ISoundBuffer* buffer = Open_Buffer())
        buffer->Set_Pan(pan);
}

void SetBkgVolume(int16_t volume)
{
    Bkg().iBkgVolume = volume;
    if (ISoundBuffer* buffer = Open_Buffer())
        buffer->Set_Volume(volume);
}

void SetBkgFreq(int32_t frequency)
{
    if (ISoundBuffer* buffer = Open_Buffer())
        buffer->Set_Frequency(frequency);
}

int32_t GetBkgFreq()
{
    ISoundBuffer* buffer = Open_Buffer();
    return buffer ? buffer->Frequency() : 0;
}

int16_t iBkgVolume() { return Bkg().iBkgVolume; }

void ReleaseBkgSound()
{
    Background& b = Bkg();
    if (b.objBuffer)
        b.objBuffer->Stop();
    b.objBuffer.reset();
}

bool bFailedBkg() { return Bkg().bFailedBkg; }

ISoundBuffer* Bkg_Buffer() { return Bkg().objBuffer.get(); }

} // namespace qv::DirectSound
