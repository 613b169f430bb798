#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "sound/AlMusicDecoder.h"
#include "support/MusicWait.h"

using qv::MusicLibrary;
using qv::test::Music_Fixture;

namespace {

// Copies `fixture` as `name` into `dir`, cut to its first `bytes` when above 0.
QString Copy(const QTemporaryDir& dir, const char* fixture, const char* name, qint64 bytes = 0)
{
    QFile in(Music_Fixture(fixture));
    in.open(QIODevice::ReadOnly);
    QFile out(dir.filePath(name));
    out.open(QIODevice::WriteOnly);
    out.write(bytes > 0 ? in.read(bytes) : in.readAll());
    return out.fileName();
}

} // namespace

TEST(Open_Music_Decoder, chooses_by_content_not_name_and_decodes_the_tone_whole_or_cut)
{
    QTemporaryDir dir;
    // The fixtures are tones of 1.5 s: MP3 440 Hz, MP2 660 Hz, WMA 550 Hz.
    struct Row {
        const char *fixture, *name;
        qint64 bytes;
        MusicLibrary library;
        int hz;
        double minSeconds, maxSeconds;
    } rows[] = {
        {"tone.mp3", "a.mp3", 0, MusicLibrary::Sndfile, 440, 1.45, 1.6},
        {"tone.mp2", "a.mp2", 0, MusicLibrary::Sndfile, 660, 1.45, 1.6},
        {"tone.wma", "a.wma", 0, MusicLibrary::Av, 550, 1.45, 1.6},
        {"tone.wma", "really_wma.mp3", 0, MusicLibrary::Av, 550, 1.45, 1.6},
        {"tone.mp3", "really_mp3.wma", 0, MusicLibrary::Sndfile, 440, 1.45, 1.6},
        {"tone.mp3", "cut.mp3", 3000, MusicLibrary::Sndfile, 440, 0.3, 1.0},
        {"tone.wma", "cut.wma", 6000, MusicLibrary::Av, 550, 0.3, 1.2},
        {"not_music.mp3", "not_music.mp3", 0, MusicLibrary::None, 0, 0, 0},
        {"empty.mp3", "empty.wma", 0, MusicLibrary::None, 0, 0, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        std::string error = "stale";
        MusicLibrary used = MusicLibrary::Sndfile;
        auto decoder = qv::Open_Music_Decoder(Copy(dir, r.fixture, r.name, r.bytes).toStdString(), error, &used);
        EXPECT_EQ(used, r.library);
        if (!decoder) {
            EXPECT_EQ(r.library, MusicLibrary::None);
            EXPECT_NE(error, "");
            EXPECT_NE(error, "stale");
            continue;
        }
        EXPECT_EQ(error, "");
        // The tone's pitch from its rising zero crossings, and its length.
        std::vector<int16_t> frames(2 * 1000);
        int64_t total = 0, rises = 0, n = 0;
        int16_t last = 0;
        while ((n = decoder->Read(frames.data(), 1000)) > 0) {
            for (int64_t i = 0; i < n; last = frames[2 * i++])
                rises += last < 0 && frames[2 * i] >= 0;
            total += n;
        }
        const double seconds = double(total) / decoder->Rate();
        EXPECT_GE(seconds, r.minSeconds);
        EXPECT_LE(seconds, r.maxSeconds);
        EXPECT_NEAR(rises / seconds, r.hz, r.hz * 0.03);
    }
}
