#pragma once
#include <cstdint>
#include <memory>
#include <string>

namespace qv {

struct MusicDevice;

// The music control: plays one MP3, MP2 or WMA file at a time through the program's own sound
// device, as a stream mixed with the sounds (without a device a clock stands in: the time runs,
// the track ends and loops, silently). Every control of the process drives the one music device,
// as a fixed device name would: a second track needs mmStop first. The file is opened and decoded
// on the device's own thread; no call waits for the file. Hosted by the player window.
class MP3Play {
public:
    MP3Play();
    // Stops and closes the track (mmStop).
    ~MP3Play();
    MP3Play(const MP3Play&) = delete;
    MP3Play& operator=(const MP3Play&) = delete;

    // Full path of the file to play (UTF-8); setting it opens nothing.
    std::string FileName;
    // The control's own enabled state; no effect on playback.
    bool Enabled = true;

    // Opens FileName and starts it: "Success" when the file went to the decoding thread, "Error
    // with input file" when no file is there (nothing sent), MP3_BUSY while another track holds
    // the device; "" (and FileName emptied) when the name itself is unusable. A file that then
    // does not decode just never plays, and LastError says why.
    std::string mmPlay();
    // Stops and closes the track; harmless with nothing open. Always "".
    std::string mmStop();
    // True while the track plays (also while it is being opened); false when closed, ended,
    // refused by the decoders, or after mmStop.
    bool IsPlaying();
    // Playing time as "0:SS" or "MM:SS"; the last time seen when nothing plays.
    std::string Position();
    // Playing time in milliseconds: the track's frames played so far.
    int64_t Position_Ms();
    // Plays from `Second` milliseconds, also restarting a track that has ended. Always "".
    std::string SeekTo(int64_t Second);

    // Why the last file given to the decoders did not play ("" when it did).
    std::string LastError();

private:
    std::shared_ptr<MusicDevice> device_;
};

} // namespace qv
