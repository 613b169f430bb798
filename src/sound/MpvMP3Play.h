#pragma once
#include <cstdint>
#include <memory>
#include <string>

namespace qv {

struct MusicDevice;

// The music control: plays one MP3, MP2 or WMA file at a time on libmpv, loaded
// when a track is first played rather than with the program. Every
// control of the process drives the one music device, as a fixed device name
// would: a second track needs mmStop first. No call waits for the file or the
// sound card; the state comes from the back end's events, read without waiting
// whenever the control is asked. Hosted by the player window.
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

    // Opens FileName and starts it: "Success" when the back end took the file, "Error with
    // input file" when no file is there (nothing sent), "Music library not available" when
    // the back end's library cannot be loaded (the first play loads it), the back end's own
    // error text when the device holds another track or cannot start; "" (and FileName
    // emptied) when the name itself is unusable. A file the back end then fails to decode
    // just never plays.
    std::string mmPlay();
    // Stops and closes the track; harmless with nothing open. Always "".
    std::string mmStop();
    // True while the track plays (also while it is being started); false when closed,
    // ended, refused by the back end, or after mmStop.
    bool IsPlaying();
    // Playing time as "0:SS" or "MM:SS"; the last time seen when nothing plays.
    std::string Position();
    // Playing time in milliseconds; above 0 once the track's first sound has gone out.
    int64_t Position_Ms();
    // Plays from `Second` milliseconds, also restarting a track that has ended. Always "".
    std::string SeekTo(int64_t Second);

    // Why the back end refused the last file it was given ("" when it did not).
    std::string LastError();

    // Audio outputs tried in order for devices made from now on (default "pulse,alsa,null");
    // "null" also shrinks the buffers so that tests see the end of a file on time.
    static void Use_Audio_Output(const std::string& outputs);
    // Shared library the back end is loaded from on the next start of the device
    // (default "libmpv.so.2").
    static void Use_Library(const std::string& name);

private:
    std::shared_ptr<MusicDevice> device_;
};

} // namespace qv
