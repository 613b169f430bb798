#include "sound/AlMusicDecoder.h"

#include <sndfile.h>
#include <sys/stat.h>

#include <vector>

#include "sound/AlAvDecoder.h"

namespace qv {

namespace {

class SndfileDecoder : public IMusicDecoder {
public:
    SndfileDecoder(SNDFILE* file, const SF_INFO& info) : file_(file), info_(info) {}
    ~SndfileDecoder() override { sf_close(file_); }

    int Rate() const override { return info_.samplerate; }

    int Read(int16_t* out, int frames) override
    {
        if (info_.channels == 2)
            return int(sf_readf_short(file_, out, frames));
        // Mono on both sides; of more channels the first two.
        scratch_.resize(size_t(frames) * size_t(info_.channels));
        const int n = int(sf_readf_short(file_, scratch_.data(), frames));
        for (int i = 0; i < n; ++i) {
            const int16_t* frame = &scratch_[size_t(i) * size_t(info_.channels)];
            out[2 * i] = frame[0];
            out[2 * i + 1] = frame[info_.channels > 1 ? 1 : 0];
        }
        return n;
    }

    bool Seek(int64_t frame) override { return sf_seek(file_, frame, SEEK_SET) >= 0; }

private:
    SNDFILE* file_;
    SF_INFO info_;
    std::vector<int16_t> scratch_;
};

} // namespace

std::unique_ptr<IMusicDecoder> Open_Music_Decoder(const std::string& path, std::string& error,
                                                  MusicLibrary* used)
{
    if (used)
        *used = MusicLibrary::None;
    struct stat st {};
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size == 0) {
        // Nothing to decode: no reason to load a library for it.
        error = "Empty or unreadable file";
        return nullptr;
    }
    SF_INFO info{};
    if (SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info)) {
        if (info.samplerate > 0 && info.channels > 0) {
            if (used)
                *used = MusicLibrary::Sndfile;
            error.clear();
            return std::make_unique<SndfileDecoder>(file, info);
        }
        sf_close(file);
    }
    auto decoder = Open_Av_Decoder(path, error);
    if (decoder && used)
        *used = MusicLibrary::Av;
    return decoder;
}

} // namespace qv
