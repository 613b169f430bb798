#include "sound/MusicStream.h"

namespace qv {

namespace {

std::chrono::nanoseconds Duration(int64_t frames, int rate)
{
    return std::chrono::nanoseconds(frames * 1'000'000'000 / rate);
}

} // namespace

ClockOutput::ClockOutput(Clock now) : now_(std::move(now)) {}

void ClockOutput::Advance()
{
    if (!playing_)
        return;
    const auto now = now_();
    while (!queue_.empty() && now - headStart_ >= Duration(queue_.front().frames, queue_.front().rate)) {
        headStart_ += Duration(queue_.front().frames, queue_.front().rate);
        ++played_;
        playedFrames_ += queue_.front().frames;
        queue_.pop_front();
    }
    playing_ = !queue_.empty();
}

int ClockOutput::Take_Played()
{
    Advance();
    const int played = played_;
    played_ = 0;
    playedFrames_ = 0;
    return played;
}

bool ClockOutput::Queue(const int16_t*, int frames, int rate)
{
    if (frames <= 0 || rate <= 0)
        return false;
    Advance();
    queue_.push_back({frames, rate});
    return true;
}

int64_t ClockOutput::Offset()
{
    Advance();
    if (!playing_)
        return playedFrames_;
    const auto into = std::chrono::duration_cast<std::chrono::nanoseconds>(now_() - headStart_);
    return playedFrames_ + into.count() * queue_.front().rate / 1'000'000'000;
}

void ClockOutput::Play()
{
    Advance();
    if (!playing_ && !queue_.empty()) {
        playing_ = true;
        headStart_ = now_();
    }
}

void ClockOutput::Clear()
{
    queue_.clear();
    playing_ = false;
    played_ = 0;
    playedFrames_ = 0;
}

MusicTrack::MusicTrack(std::unique_ptr<IMusicOutput> output) : output_(std::move(output)) {}

void MusicTrack::Start(std::unique_ptr<IMusicDecoder> decoder)
{
    std::lock_guard lock(m_);
    rate_ = decoder->Rate();
    decoder_ = std::move(decoder);
}

int MusicTrack::Decode(std::vector<int16_t>& buffer)
{
    buffer.resize(2 * size_t(kBufferFrames));
    int got = 0;
    while (got < kBufferFrames) {
        const int n = decoder_->Read(buffer.data() + 2 * got, kBufferFrames - got);
        if (n <= 0)
            break;
        got += n;
    }
    return got;
}

bool MusicTrack::Pump()
{
    std::unique_lock lock(m_);
    if (!output_ || !decoder_)
        return output_ != nullptr;
    if (seekTo_ >= 0) {
        const int64_t frame = seekTo_ * rate_ / 1000;
        seekTo_ = -1;
        output_->Clear();
        queuedFrames_.clear();
        base_ = frame;
        atEnd_ = false;
        lock.unlock();
        const bool moved = decoder_->Seek(frame);
        lock.lock();
        if (!output_)
            return false;
        atEnd_ = !moved;
    }
    for (int n = output_->Take_Played(); n > 0 && !queuedFrames_.empty(); --n) {
        base_ += queuedFrames_.front();
        queuedFrames_.pop_front();
    }
    thread_local std::vector<int16_t> buffer;
    while (!atEnd_ && seekTo_ < 0 && queuedFrames_.size() < size_t(kBuffers)) {
        lock.unlock();
        const int frames = Decode(buffer);
        lock.lock();
        if (!output_)
            return false;
        if (seekTo_ >= 0)
            break; // read before the seek: the next pump starts over from there
        if (frames == 0 || !output_->Queue(buffer.data(), frames, rate_)) {
            atEnd_ = true;
            break;
        }
        queuedFrames_.push_back(frames);
        output_->Play();
    }
    return true;
}

int64_t MusicTrack::Position_Ms()
{
    std::lock_guard lock(m_);
    if (seekTo_ >= 0)
        return seekTo_;
    if (rate_ <= 0)
        return 0;
    const int64_t frames = base_ + (output_ ? output_->Offset() : 0);
    return frames * 1000 / rate_;
}

bool MusicTrack::Ended()
{
    std::lock_guard lock(m_);
    return decoder_ && seekTo_ < 0 && atEnd_ && queuedFrames_.empty();
}

void MusicTrack::Seek(int64_t ms)
{
    std::lock_guard lock(m_);
    seekTo_ = ms < 0 ? 0 : ms;
}

void MusicTrack::Close()
{
    std::lock_guard lock(m_);
    output_.reset();
}

int MusicTrack::Pump_Interval_Ms()
{
    std::lock_guard lock(m_);
    return rate_ > 0 ? kBufferFrames * 1000 / rate_ / 2 : 10;
}

} // namespace qv
