#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "sound/SoundDevice.h"

namespace qv {

// One sound-effect channel: a wave file with its volume, rate and enabled flag.
// Setting a property only marks the channel changed; the buffer is (re)built
// lazily at the next play, so an ordinary play is two calls on a kept buffer.
class clsDMCtrl {
public:
    // `enableSoundControl` is the main window's switch for all event sounds.
    explicit clsDMCtrl(const bool& enableSoundControl);
    ~clsDMCtrl();
    clsDMCtrl(const clsDMCtrl&) = delete;
    clsDMCtrl& operator=(const clsDMCtrl&) = delete;

    const std::string& DMCtrlPath() const { return strPath; }
    void DMCtrlPath(const std::string& NewPath);
    int16_t DMCtrlVolume() const { return iVolume; }
    void DMCtrlVolume(int16_t NewVolume);
    bool DMCtrlEnabled() const { return bEnabled; }
    // Does not rebuild: the kept buffer stays.
    void DMCtrlEnabled(bool NewEnable);
    // 0 while the last build failed, else the rate set (the file's own after a build at 0).
    int32_t DMCtrlFreq() const { return bFailedDMCtrl ? 0 : lFreq; }
    void DMCtrlFreq(int32_t NewFreq);
    // The rate the settings file keeps: the one set, also while the last build failed.
    int32_t Saved_Freq() const { return lFreq; }

    // Sounds the file from its beginning, restarting it if it still plays.
    void DMCtrlPlay();

    // True when the last build failed (no device, file missing or unreadable).
    bool bFailedDMCtrl = false;
    // True when a property changed since the last build.
    bool bChanged = true;
    // The kept buffer, or null; for tests and measurements.
    ISoundBuffer* Buffer() const { return objBuffer.get(); }

private:
    bool CreateDMCtrlBuffer();
    void ReleaseDMCtrl();
    void Fail_Channel();

    const bool& soundOn_;
    int16_t iVolume = 0;
    std::string strPath;
    bool bEnabled = false;
    int32_t lFreq = 0;
    std::unique_ptr<ISoundBuffer> objBuffer;
};

} // namespace qv
