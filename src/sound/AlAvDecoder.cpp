#include "sound/AlAvDecoder.h"

#include <dlfcn.h>

#include <algorithm>
#include <cerrno>
#include <mutex>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/avutil.h>
}

#include "sound/MP3Text.h"

namespace qv {

namespace {

// The functions the decoder calls, looked up when the first track needs them: linking the
// libraries would map them and their own dependencies (about 90 libraries, 30 MiB) into every
// run of the program, music or not.
struct AvApi {
    decltype(&::avformat_open_input) open_input = nullptr;
    decltype(&::avformat_find_stream_info) find_stream_info = nullptr;
    decltype(&::av_find_best_stream) find_best_stream = nullptr;
    decltype(&::av_read_frame) read_frame = nullptr;
    decltype(&::av_seek_frame) seek_frame = nullptr;
    decltype(&::avformat_close_input) close_input = nullptr;
    decltype(&::avcodec_alloc_context3) alloc_context = nullptr;
    decltype(&::avcodec_parameters_to_context) parameters_to_context = nullptr;
    decltype(&::avcodec_open2) open2 = nullptr;
    decltype(&::avcodec_send_packet) send_packet = nullptr;
    decltype(&::avcodec_receive_frame) receive_frame = nullptr;
    decltype(&::avcodec_flush_buffers) flush_buffers = nullptr;
    decltype(&::avcodec_free_context) free_context = nullptr;
    decltype(&::av_packet_alloc) packet_alloc = nullptr;
    decltype(&::av_packet_unref) packet_unref = nullptr;
    decltype(&::av_packet_free) packet_free = nullptr;
    decltype(&::av_frame_alloc) frame_alloc = nullptr;
    decltype(&::av_frame_free) frame_free = nullptr;
    decltype(&::av_strerror) strerror = nullptr;
    decltype(&::av_log_set_level) log_set_level = nullptr;
};

const std::string kBuiltAgainst = "libavformat.so." AV_STRINGIFY(LIBAVFORMAT_VERSION_MAJOR);

std::mutex g_lock;
std::string g_name = kBuiltAgainst;
AvApi g_api;
bool g_loaded = false;

template <typename F> bool Resolve(void* library, const char* symbol, F& f)
{
    f = reinterpret_cast<F>(dlsym(library, symbol));
    return f != nullptr;
}

// The table, loading the libraries on the first call; null when they cannot be loaded. A library
// that is not there is looked for again next time; loaded, it stays for the rest of the run.
const AvApi* Av_Library()
{
    std::lock_guard lock(g_lock);
    if (g_loaded)
        return &g_api;
    // Symbols of libavformat's own dependencies (libavcodec, libavutil) are found through its handle.
    void* library = dlopen(g_name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return nullptr;
    AvApi a;
    const bool complete = Resolve(library, "avformat_open_input", a.open_input)
        && Resolve(library, "avformat_find_stream_info", a.find_stream_info)
        && Resolve(library, "av_find_best_stream", a.find_best_stream)
        && Resolve(library, "av_read_frame", a.read_frame) && Resolve(library, "av_seek_frame", a.seek_frame)
        && Resolve(library, "avformat_close_input", a.close_input)
        && Resolve(library, "avcodec_alloc_context3", a.alloc_context)
        && Resolve(library, "avcodec_parameters_to_context", a.parameters_to_context)
        && Resolve(library, "avcodec_open2", a.open2) && Resolve(library, "avcodec_send_packet", a.send_packet)
        && Resolve(library, "avcodec_receive_frame", a.receive_frame)
        && Resolve(library, "avcodec_flush_buffers", a.flush_buffers)
        && Resolve(library, "avcodec_free_context", a.free_context)
        && Resolve(library, "av_packet_alloc", a.packet_alloc) && Resolve(library, "av_packet_unref", a.packet_unref)
        && Resolve(library, "av_packet_free", a.packet_free) && Resolve(library, "av_frame_alloc", a.frame_alloc)
        && Resolve(library, "av_frame_free", a.frame_free) && Resolve(library, "av_strerror", a.strerror)
        && Resolve(library, "av_log_set_level", a.log_set_level);
    if (!complete) {
        dlclose(library);
        return nullptr;
    }
    a.log_set_level(AV_LOG_QUIET);
    g_api = a;
    g_loaded = true;
    return &g_api;
}

// One decoded sample of channel `c` at frame `i` as 16 bits.
int16_t Sample(const AVFrame& f, int channels, int c, int i)
{
    const auto format = AVSampleFormat(f.format);
    const bool planar = format >= AV_SAMPLE_FMT_U8P && format <= AV_SAMPLE_FMT_DBLP;
    const size_t at = planar ? size_t(i) : size_t(i) * size_t(channels) + size_t(c);
    const uint8_t* data = f.extended_data[planar ? c : 0];
    auto clamp = [](double v) { return int16_t(std::clamp(v * 32768.0, -32768.0, 32767.0)); };
    switch (format) {
    case AV_SAMPLE_FMT_U8: case AV_SAMPLE_FMT_U8P: return int16_t((int(data[at]) - 128) * 256);
    case AV_SAMPLE_FMT_S16: case AV_SAMPLE_FMT_S16P: return reinterpret_cast<const int16_t*>(data)[at];
    case AV_SAMPLE_FMT_S32: case AV_SAMPLE_FMT_S32P: return int16_t(reinterpret_cast<const int32_t*>(data)[at] >> 16);
    case AV_SAMPLE_FMT_FLT: case AV_SAMPLE_FMT_FLTP: return clamp(reinterpret_cast<const float*>(data)[at]);
    case AV_SAMPLE_FMT_DBL: case AV_SAMPLE_FMT_DBLP: return clamp(reinterpret_cast<const double*>(data)[at]);
    default: return 0;
    }
}

class AvDecoder : public IMusicDecoder {
public:
    explicit AvDecoder(const AvApi& av) : av_(av) {}
    ~AvDecoder() override
    {
        av_.frame_free(&frame_);
        av_.packet_free(&packet_);
        av_.free_context(&codec_);
        av_.close_input(&format_);
    }

    // "" when the file's first audio stream is ready to decode, else why not.
    std::string Open(const std::string& path)
    {
        int r = av_.open_input(&format_, path.c_str(), nullptr, nullptr);
        if (r >= 0)
            r = av_.find_stream_info(format_, nullptr);
        const AVCodec* decoder = nullptr;
        if (r >= 0)
            r = stream_ = av_.find_best_stream(format_, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
        if (r >= 0 && !(codec_ = av_.alloc_context(decoder)))
            r = AVERROR(ENOMEM);
        if (r >= 0)
            r = av_.parameters_to_context(codec_, format_->streams[stream_]->codecpar);
        if (r >= 0) {
            codec_->thread_count = 1;
            r = av_.open2(codec_, decoder, nullptr);
        }
        packet_ = av_.packet_alloc();
        frame_ = av_.frame_alloc();
        if (r >= 0 && (!packet_ || !frame_))
            r = AVERROR(ENOMEM);
        if (r >= 0 && codec_->sample_rate <= 0)
            r = AVERROR_INVALIDDATA;
        if (r >= 0)
            return {};
        char text[128] = {};
        av_.strerror(r, text, sizeof text);
        return text;
    }

    int Rate() const override { return codec_->sample_rate; }

    int Read(int16_t* out, int frames) override
    {
        if (next_ == pending_.size() / 2 && !Decode_Frame())
            return 0;
        const int n = std::min(frames, int(pending_.size() / 2 - next_));
        std::copy_n(pending_.begin() + ptrdiff_t(2 * next_), 2 * n, out);
        next_ += size_t(n);
        return n;
    }

    bool Seek(int64_t frame) override
    {
        const AVStream& s = *format_->streams[stream_];
        int64_t at = int64_t(double(frame) / Rate() * s.time_base.den / s.time_base.num);
        if (s.start_time != AV_NOPTS_VALUE)
            at += s.start_time;
        if (av_.seek_frame(format_, stream_, at, AVSEEK_FLAG_BACKWARD) < 0)
            return false;
        av_.flush_buffers(codec_);
        pending_.clear();
        next_ = 0;
        flushed_ = false;
        return true;
    }

private:
    // Decodes the next frame into pending_; false at the end of the stream. Damaged packets are skipped.
    bool Decode_Frame()
    {
        for (;;) {
            const int r = av_.receive_frame(codec_, frame_);
            if (r >= 0) {
                Convert();
                return true;
            }
            if (r != AVERROR(EAGAIN) || flushed_)
                return false;
            if (av_.read_frame(format_, packet_) < 0) {
                flushed_ = true;
                av_.send_packet(codec_, nullptr);
                continue;
            }
            if (packet_->stream_index == stream_)
                av_.send_packet(codec_, packet_);
            av_.packet_unref(packet_);
        }
    }

    void Convert()
    {
        const int channels = frame_->ch_layout.nb_channels;
        pending_.resize(2 * size_t(frame_->nb_samples));
        for (int i = 0; i < frame_->nb_samples; ++i) {
            pending_[2 * size_t(i)] = Sample(*frame_, channels, 0, i);
            pending_[2 * size_t(i) + 1] = Sample(*frame_, channels, channels > 1 ? 1 : 0, i);
        }
        next_ = 0;
    }

    // A copy: a later load of the library (a test's Use_Av_Library) rewrites the shared table.
    const AvApi av_;
    AVFormatContext* format_ = nullptr;
    AVCodecContext* codec_ = nullptr;
    AVPacket* packet_ = nullptr;
    AVFrame* frame_ = nullptr;
    int stream_ = -1;
    bool flushed_ = false;
    std::vector<int16_t> pending_;
    size_t next_ = 0;
};

} // namespace

std::unique_ptr<IMusicDecoder> Open_Av_Decoder(const std::string& path, std::string& error)
{
    const AvApi* av = Av_Library();
    if (!av) {
        error = MP3_NO_DECODER;
        return nullptr;
    }
    auto decoder = std::make_unique<AvDecoder>(*av);
    error = decoder->Open(path);
    if (!error.empty())
        return nullptr;
    return decoder;
}

void Use_Av_Library(const std::string& name)
{
    std::lock_guard lock(g_lock);
    g_name = name.empty() ? kBuiltAgainst : name;
    g_loaded = false;
}

} // namespace qv
