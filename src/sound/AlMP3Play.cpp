#include "sound/AlMP3Play.h"

#include <pthread.h>
#include <sys/stat.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>
#include <utility>

#include "sound/AlMusicDecoder.h"
#include "sound/MP3Text.h"
#include "sound/SoundDevice.h"

namespace qv {

// The one music device of the process: the current track and the thread that opens, decodes
// and streams it. The window side only hands requests over and reads the state.
struct MusicDevice {
    enum class Stage { Closed, Starting, Open, Refused };

    ~MusicDevice();
    // The thread: opens requested files, then keeps the current track's queue filled.
    void Run();
    void Wake();

    std::mutex m;
    std::condition_variable wake;
    std::thread worker;
    bool quit = false, kicked = false;
    Stage stage = Stage::Closed;
    // A file for the thread to open into `track`; numbered, so that an answer for a track
    // stopped meanwhile is dropped.
    std::string request;
    uint64_t generation = 0;
    std::shared_ptr<MusicTrack> track;
    std::string lastError;
    int64_t lastMs = 0;
};

MusicDevice::~MusicDevice()
{
    {
        std::lock_guard lock(m);
        quit = true;
        if (track)
            track->Close();
    }
    wake.notify_all();
    if (worker.joinable())
        worker.join();
}

void MusicDevice::Wake()
{
    kicked = true;
    if (!worker.joinable()) {
        worker = std::thread([this] { Run(); });
        pthread_setname_np(worker.native_handle(), "quarvex-music");
    }
    wake.notify_all();
}

void MusicDevice::Run()
{
    std::unique_lock lock(m);
    while (!quit) {
        kicked = false;
        if (!request.empty()) {
            const std::string path = std::exchange(request, {});
            const uint64_t asked = generation;
            const std::shared_ptr<MusicTrack> opening = track;
            lock.unlock();
            std::string error;
            std::unique_ptr<IMusicDecoder> decoder = Open_Music_Decoder(path, error);
            const bool opened = decoder != nullptr;
            if (opened)
                opening->Start(std::move(decoder));
            lock.lock();
            if (asked == generation) {
                stage = opened ? Stage::Open : Stage::Refused;
                lastError = error;
            }
            continue;
        }
        const std::shared_ptr<MusicTrack> playing = stage == Stage::Open ? track : nullptr;
        if (!playing || playing->Ended()) {
            wake.wait(lock, [this] { return quit || kicked; });
            continue;
        }
        lock.unlock();
        playing->Pump();
        lock.lock();
        wake.wait_for(lock, std::chrono::milliseconds(playing->Pump_Interval_Ms()),
                      [this] { return quit || kicked; });
    }
}

namespace {

std::weak_ptr<MusicDevice>& Shared_Device()
{
    static std::weak_ptr<MusicDevice> device;
    return device;
}

bool Is_File(const std::string& path)
{
    struct stat st {};
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace

MP3Play::MP3Play()
{
    device_ = Shared_Device().lock();
    if (!device_) {
        device_ = std::make_shared<MusicDevice>();
        Shared_Device() = device_;
    }
}

MP3Play::~MP3Play() { mmStop(); }

std::string MP3Play::mmPlay()
{
    if (FileName.find('\0') != std::string::npos) {
        FileName.clear();
        return {};
    }
    if (!Is_File(FileName))
        return MP3_NO_FILE;
    MusicDevice& d = *device_;
    std::lock_guard lock(d.m);
    if (d.stage == MusicDevice::Stage::Starting || d.stage == MusicDevice::Stage::Open)
        return MP3_BUSY;
    std::unique_ptr<IMusicOutput> output = Sound_Device() ? Sound_Device()->Create_Stream() : nullptr;
    if (!output)
        output = std::make_unique<ClockOutput>();
    if (d.track)
        d.track->Close();
    d.track = std::make_shared<MusicTrack>(std::move(output));
    // An absolute path, so that the decoders never take a name for a protocol.
    std::error_code failed;
    const std::filesystem::path absolute = std::filesystem::absolute(FileName, failed);
    d.request = failed ? FileName : absolute.string();
    ++d.generation;
    d.stage = MusicDevice::Stage::Starting;
    d.lastError.clear();
    d.lastMs = 0;
    d.Wake();
    return MP3_SUCCESS;
}

std::string MP3Play::mmStop()
{
    MusicDevice& d = *device_;
    std::lock_guard lock(d.m);
    if (d.track) {
        d.lastMs = d.track->Position_Ms();
        d.track->Close();
        d.track.reset();
    }
    d.request.clear();
    ++d.generation;
    d.stage = MusicDevice::Stage::Closed;
    return {};
}

bool MP3Play::IsPlaying()
{
    MusicDevice& d = *device_;
    std::lock_guard lock(d.m);
    switch (d.stage) {
    case MusicDevice::Stage::Starting:
        return true;
    case MusicDevice::Stage::Open:
        return !d.track->Ended();
    default:
        return false;
    }
}

std::string MP3Play::Position() { return Position_Text(Position_Ms()); }

int64_t MP3Play::Position_Ms()
{
    MusicDevice& d = *device_;
    std::lock_guard lock(d.m);
    if (d.stage == MusicDevice::Stage::Open || d.stage == MusicDevice::Stage::Starting)
        d.lastMs = d.track->Position_Ms();
    return d.lastMs;
}

std::string MP3Play::SeekTo(int64_t Second)
{
    MusicDevice& d = *device_;
    std::lock_guard lock(d.m);
    if (d.stage == MusicDevice::Stage::Open || d.stage == MusicDevice::Stage::Starting) {
        d.track->Seek(Second);
        d.Wake();
    }
    return {};
}

std::string MP3Play::LastError()
{
    std::lock_guard lock(device_->m);
    return device_->lastError;
}

} // namespace qv
