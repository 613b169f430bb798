#pragma once
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace qv {

// A music track being decoded: interleaved stereo 16-bit frames at the track's own rate.
// Read only by the music player's thread.
class IMusicDecoder {
public:
    virtual ~IMusicDecoder() = default;
    // Frames per second of the track.
    virtual int Rate() const = 0;
    // Reads up to `frames` frames into `out` (2 * frames samples): the number read, 0 at the end
    // of the track. A read may give fewer frames than asked before the end.
    virtual int Read(int16_t* out, int frames) = 0;
    // Moves to `frame` from the start of the track; false when it cannot.
    virtual bool Seek(int64_t frame) = 0;
};

// Where a track sounds: a queue of buffers played one after another. Not thread-safe.
class IMusicOutput {
public:
    virtual ~IMusicOutput() = default;
    // Takes back the buffers played to their end since the last call; answers how many.
    virtual int Take_Played() = 0;
    // Appends `frames` stereo frames at `rate` Hz to the queue; false when refused.
    virtual bool Queue(const int16_t* data, int frames, int rate) = 0;
    // Frames played of the buffers not yet taken back.
    virtual int64_t Offset() = 0;
    // Plays the queue on; restarts it after it ran dry; harmless while it plays.
    virtual void Play() = 0;
    // Stops and empties the queue.
    virtual void Clear() = 0;
};

// The output without a sound device: each queued buffer "plays" silently in real time, so
// a track's time runs, ends and loops as on a device.
class ClockOutput : public IMusicOutput {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    explicit ClockOutput(Clock now = std::chrono::steady_clock::now);

    int Take_Played() override;
    bool Queue(const int16_t* data, int frames, int rate) override;
    int64_t Offset() override;
    void Play() override;
    void Clear() override;

private:
    // Moves buffers whose time has passed from the queue to the played ones.
    void Advance();

    struct Queued {
        int64_t frames;
        int rate;
    };
    Clock now_;
    std::deque<Queued> queue_;
    std::chrono::steady_clock::time_point headStart_;
    bool playing_ = false;
    int played_ = 0;
    int64_t playedFrames_ = 0;
};

// One track streamed from its decoder into its output: a few buffers queued ahead and refilled
// as they play. Start and Pump run on the music player's thread; the rest may be called from
// any thread. The decoder is read without the lock held, so a slow disk never holds up the
// window thread. Until Start it plays nothing and reads as not ended.
class MusicTrack {
public:
    static constexpr int kBuffers = 6;
    static constexpr int kBufferFrames = 4096;

    explicit MusicTrack(std::unique_ptr<IMusicOutput> output);
    // Gives the track its opened file.
    void Start(std::unique_ptr<IMusicDecoder> decoder);

    // Takes back played buffers, fills every free one and keeps the output playing; does a
    // requested seek first. False once the track is closed.
    bool Pump();
    // Milliseconds played since the start of the track (a seek moves it at once).
    int64_t Position_Ms();
    // True once the decoder has run out and every queued frame has played.
    bool Ended();
    // Plays from `ms` milliseconds at the next Pump; also restarts an ended track.
    void Seek(int64_t ms);
    // Stops and drops the output at once; Pump then does nothing.
    void Close();
    // Milliseconds between two pumps that keep the queue from running dry with room to spare.
    int Pump_Interval_Ms();

private:
    // Reads one buffer's worth, going on through short reads; the frames read.
    int Decode(std::vector<int16_t>& buffer);

    std::mutex m_;
    std::unique_ptr<IMusicDecoder> decoder_;
    int rate_ = 0;
    std::unique_ptr<IMusicOutput> output_;
    int queued_ = 0;
    int64_t base_ = 0;
    std::deque<int> queuedFrames_;
    bool atEnd_ = false;
    int64_t seekTo_ = -1;
};

} // namespace qv
