#include "sound/MpvMP3Play.h"

#include <QFileInfo>
#include <QString>
#include <clocale>
#include <dlfcn.h>
#include <mpv/client.h>

#include "sound/MP3Text.h"

namespace qv {

namespace {

enum Observed : uint64_t { EOF_REACHED = 1, CORE_IDLE, IDLE_ACTIVE, TIME_POS };

std::string& Audio_Outputs()
{
    static std::string outputs = "pulse,alsa,null";
    return outputs;
}

// The few back-end functions the device calls, looked up in the library when a track is
// first played: linking the library would map it and its codecs, filters and their own
// dependencies into every run of the program, tens of MiB, whether music plays or not.
struct MpvApi {
    decltype(&::mpv_create) create = nullptr;
    decltype(&::mpv_set_option_string) set_option_string = nullptr;
    decltype(&::mpv_initialize) initialize = nullptr;
    decltype(&::mpv_terminate_destroy) terminate_destroy = nullptr;
    decltype(&::mpv_observe_property) observe_property = nullptr;
    decltype(&::mpv_wait_event) wait_event = nullptr;
    decltype(&::mpv_error_string) error_string = nullptr;
    decltype(&::mpv_command_async) command_async = nullptr;
    decltype(&::mpv_set_property_async) set_property_async = nullptr;
};

std::string& Library_Name()
{
    static std::string name = "libmpv.so.2";
    return name;
}

template <typename F>
bool Resolve(void* library, const char* symbol, F& f)
{
    f = reinterpret_cast<F>(dlsym(library, symbol));
    return f != nullptr;
}

// The table of Library_Name(), loading it on the first call; null when it cannot be
// loaded or lacks a function. A loaded library stays loaded: its threads may outlive a device.
const MpvApi* Mpv_Library()
{
    static std::string loadedName;
    static MpvApi api;
    if (api.create && loadedName == Library_Name())
        return &api;
    api = {};
    void* library = dlopen(Library_Name().c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return nullptr;
    MpvApi found;
    const bool complete = Resolve(library, "mpv_create", found.create)
        && Resolve(library, "mpv_set_option_string", found.set_option_string)
        && Resolve(library, "mpv_initialize", found.initialize)
        && Resolve(library, "mpv_terminate_destroy", found.terminate_destroy)
        && Resolve(library, "mpv_observe_property", found.observe_property)
        && Resolve(library, "mpv_wait_event", found.wait_event)
        && Resolve(library, "mpv_error_string", found.error_string)
        && Resolve(library, "mpv_command_async", found.command_async)
        && Resolve(library, "mpv_set_property_async", found.set_property_async);
    if (!complete) {
        dlclose(library);
        return nullptr;
    }
    api = found;
    loadedName = Library_Name();
    return &api;
}

} // namespace

// The one music device of the process and what its events have told so far.
struct MusicDevice {
    enum class Stage { Closed, Starting, Loaded, Refused };

    ~MusicDevice();
    // Starts the back end on first use: "" when it runs, else why not (a missing library
    // is looked for again next time; a back end that would not start is not retried).
    std::string Start();
    void Drain();
    void Handle(const mpv_event& e);
    void Loaded_Reply(const mpv_event& e);
    void Command(std::initializer_list<const char*> words, uint64_t reply = 0);
    void Unpause();

    MpvApi mpv;
    mpv_handle* h = nullptr;
    bool startFailed = false;
    Stage stage = Stage::Closed;
    // Loads are numbered; the back end names the current one's playlist entry in its reply.
    uint64_t loadsSent = 0;
    int64_t currentId = -1, startedId = -2;
    bool fileLoaded = false, eof = false, coreIdle = true, idleActive = true;
    double timePos = 0;
    std::string lastError;
};

std::string MusicDevice::Start()
{
    if (h || startFailed)
        return h ? std::string() : MP3_NO_DEVICE;
    const MpvApi* library = Mpv_Library();
    if (!library)
        return MP3_NO_LIBRARY;
    mpv = *library;
    startFailed = true;
    // The back end refuses to start under any other number format; main() sets it too.
    std::setlocale(LC_NUMERIC, "C");
    h = mpv.create();
    if (!h)
        return MP3_NO_DEVICE;
    const std::string outputs = Audio_Outputs();
    const std::pair<const char*, const char*> options[] = {
        {"config", "no"},       {"terminal", "no"},         {"load-scripts", "no"},  {"ytdl", "no"},
        {"vid", "no"},          {"audio-display", "no"},    {"keep-open", "yes"},    {"keep-open-pause", "no"},
        {"idle", "yes"},        {"ao", outputs.c_str()},    {"audio-client-name", "Quarvex"},
        {"cache", "no"},        {"demuxer-max-bytes", "4MiB"}, {"demuxer-max-back-bytes", "0"}};
    for (const auto& [name, value] : options)
        mpv.set_option_string(h, name, value);
    if (outputs == "null") {
        mpv.set_option_string(h, "ao-null-buffer", "0.05");
        mpv.set_option_string(h, "audio-buffer", "0.05");
    }
    if (mpv.initialize(h) < 0) {
        mpv.terminate_destroy(h);
        h = nullptr;
        return MP3_NO_DEVICE;
    }
    mpv.observe_property(h, EOF_REACHED, "eof-reached", MPV_FORMAT_FLAG);
    mpv.observe_property(h, CORE_IDLE, "core-idle", MPV_FORMAT_FLAG);
    mpv.observe_property(h, IDLE_ACTIVE, "idle-active", MPV_FORMAT_FLAG);
    mpv.observe_property(h, TIME_POS, "time-pos", MPV_FORMAT_DOUBLE);
    startFailed = false;
    return {};
}

MusicDevice::~MusicDevice()
{
    if (h)
        mpv.terminate_destroy(h);
}

void MusicDevice::Drain()
{
    // A bounded sweep: what arrives while sweeping waits for the next question.
    for (int n = 0; h && n < 1000; ++n) {
        const mpv_event* e = mpv.wait_event(h, 0);
        if (e->event_id == MPV_EVENT_NONE)
            return;
        Handle(*e);
    }
}

void MusicDevice::Handle(const mpv_event& e)
{
    switch (e.event_id) {
    case MPV_EVENT_COMMAND_REPLY:
        Loaded_Reply(e);
        break;
    case MPV_EVENT_START_FILE:
        startedId = static_cast<const mpv_event_start_file*>(e.data)->playlist_entry_id;
        fileLoaded = false;
        break;
    case MPV_EVENT_FILE_LOADED:
        fileLoaded = startedId == currentId;
        break;
    case MPV_EVENT_PLAYBACK_RESTART:
        if (stage == Stage::Starting && startedId == currentId && fileLoaded) {
            stage = Stage::Loaded;
            eof = coreIdle = idleActive = false;
        }
        break;
    case MPV_EVENT_END_FILE: {
        const auto* end = static_cast<const mpv_event_end_file*>(e.data);
        if (stage == Stage::Closed || end->playlist_entry_id != currentId)
            break;
        if (end->reason == MPV_END_FILE_REASON_ERROR)
            lastError = mpv.error_string(end->error);
        stage = Stage::Refused;
        break;
    }
    case MPV_EVENT_PROPERTY_CHANGE: {
        const auto* p = static_cast<const mpv_event_property*>(e.data);
        if (e.reply_userdata == TIME_POS)
            timePos = p->format == MPV_FORMAT_DOUBLE ? *static_cast<const double*>(p->data) : timePos;
        else if (p->format == MPV_FORMAT_FLAG) {
            const bool on = *static_cast<const int*>(p->data) != 0;
            (e.reply_userdata == EOF_REACHED ? eof : e.reply_userdata == CORE_IDLE ? coreIdle : idleActive) = on;
        }
        break;
    }
    default:
        break;
    }
}

void MusicDevice::Loaded_Reply(const mpv_event& e)
{
    if (e.reply_userdata == 0 || e.reply_userdata != loadsSent || stage == Stage::Closed)
        return;
    if (e.error < 0) {
        lastError = mpv.error_string(e.error);
        stage = Stage::Refused;
        return;
    }
    const mpv_node& result = static_cast<const mpv_event_command*>(e.data)->result;
    if (result.format != MPV_FORMAT_NODE_MAP)
        return;
    for (int i = 0; i < result.u.list->num; ++i)
        if (std::string(result.u.list->keys[i]) == "playlist_entry_id"
            && result.u.list->values[i].format == MPV_FORMAT_INT64)
            currentId = result.u.list->values[i].u.int64;
}

void MusicDevice::Command(std::initializer_list<const char*> words, uint64_t reply)
{
    const char* args[8] = {};
    size_t n = 0;
    for (const char* w : words)
        args[n++] = w;
    mpv.command_async(h, reply, args);
}

void MusicDevice::Unpause()
{
    int no = 0;
    mpv.set_property_async(h, 0, "pause", MPV_FORMAT_FLAG, &no);
}

namespace {

std::weak_ptr<MusicDevice>& Shared_Device()
{
    static std::weak_ptr<MusicDevice> device;
    return device;
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

void MP3Play::Use_Audio_Output(const std::string& outputs) { Audio_Outputs() = outputs; }

void MP3Play::Use_Library(const std::string& name) { Library_Name() = name; }

std::string MP3Play::mmPlay()
{
    if (FileName.find('\0') != std::string::npos) {
        FileName.clear();
        return {};
    }
    const QFileInfo file(QString::fromStdString(FileName));
    if (FileName.empty() || !file.isFile())
        return MP3_NO_FILE;
    MusicDevice& d = *device_;
    if (std::string refused = d.Start(); !refused.empty())
        return refused;
    d.Drain();
    if (d.stage == MusicDevice::Stage::Starting || d.stage == MusicDevice::Stage::Loaded)
        return MP3_BUSY;
    // An absolute path, so that no name is ever taken for a protocol or an option.
    const std::string path = file.absoluteFilePath().toStdString();
    d.Unpause();
    d.Command({"loadfile", path.c_str(), "replace"}, ++d.loadsSent);
    d.currentId = -1;
    d.stage = MusicDevice::Stage::Starting;
    d.fileLoaded = false;
    d.timePos = 0;
    d.lastError.clear();
    return MP3_SUCCESS;
}

std::string MP3Play::mmStop()
{
    MusicDevice& d = *device_;
    d.Drain();
    if (d.h && d.stage != MusicDevice::Stage::Closed)
        d.Command({"stop"});
    d.stage = MusicDevice::Stage::Closed;
    return {};
}

bool MP3Play::IsPlaying()
{
    MusicDevice& d = *device_;
    d.Drain();
    switch (d.stage) {
    case MusicDevice::Stage::Starting:
        return true;
    case MusicDevice::Stage::Loaded:
        return !d.eof && !d.coreIdle && !d.idleActive;
    default:
        return false;
    }
}

std::string MP3Play::Position() { return Position_Text(Position_Ms()); }

int64_t MP3Play::Position_Ms()
{
    device_->Drain();
    return Milliseconds(device_->timePos);
}

std::string MP3Play::SeekTo(int64_t Second)
{
    MusicDevice& d = *device_;
    d.Drain();
    if (d.stage != MusicDevice::Stage::Loaded && d.stage != MusicDevice::Stage::Starting)
        return {};
    const std::string seconds = std::to_string(double(Second) / 1000.0);
    d.Command({"seek", seconds.c_str(), "absolute+exact"});
    d.Unpause();
    d.stage = MusicDevice::Stage::Starting;
    return {};
}

std::string MP3Play::LastError()
{
    device_->Drain();
    return device_->lastError;
}

} // namespace qv
