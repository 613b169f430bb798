#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "sound/MP3Text.h"
#include "sound/AlAvDecoder.h"
#include "sound/AlMP3Play.h"
#include "support/MusicWait.h"

using qv::MP3Play;
using qv::test::Music_Fixture;
using qv::test::Wait_Until;

namespace {

// A control without a sound device: the clock plays the tracks silently in real time.
class MP3PlayTest : public ::testing::Test {
protected:
    std::string Play(MP3Play& c, const QString& file)
    {
        c.FileName = file.toStdString();
        return c.mmPlay();
    }
    bool Ends(MP3Play& c) { return Wait_Until([&] { return !c.IsPlaying(); }); }

    MP3Play control;
    QTemporaryDir dir;
};

} // namespace

TEST_F(MP3PlayTest, missing_file_or_folder_is_refused_without_taking_the_device)
{
    for (const QString& name : {dir.filePath("gone.mp3"), dir.path(), QString()}) {
        EXPECT_EQ(Play(control, name), "Error with input file") << name.toStdString();
        EXPECT_FALSE(control.IsPlaying());
    }
    // Nothing was opened, so the device is free for a real track.
    EXPECT_EQ(Play(control, Music_Fixture("tone.mp3")), "Success");
    EXPECT_TRUE(control.IsPlaying());
}

TEST_F(MP3PlayTest, each_format_plays_to_its_end_and_reports_its_time)
{
    for (const char* name : {"tone.mp3", "tone.mp2", "tone.wma"}) {
        ASSERT_EQ(Play(control, Music_Fixture(name)), "Success") << name;
        EXPECT_TRUE(control.IsPlaying()) << name;
        // The last half second is enough to reach the end through each decoder.
        EXPECT_EQ(control.SeekTo(1000), "") << name;
        EXPECT_TRUE(Ends(control)) << name;
        EXPECT_EQ(control.LastError(), "") << name;
        // The tones last 1.5 s; the end reads one or two seconds, never the start.
        const std::string at_end = control.Position();
        EXPECT_TRUE(at_end == "0:01" || at_end == "0:02") << name << " " << at_end;
        control.mmStop();
    }
}

TEST_F(MP3PlayTest, second_open_without_stop_fails_and_the_first_track_plays_on)
{
    ASSERT_EQ(Play(control, Music_Fixture("tone.mp3")), "Success");
    const std::string second = Play(control, Music_Fixture("tone.wma"));
    EXPECT_NE(second, "Success");
    EXPECT_NE(second, "");
    EXPECT_NE(second, "Error with input file");
    EXPECT_TRUE(control.IsPlaying());

    // Another control addresses the same device, so it cannot open a track either.
    MP3Play other;
    other.FileName = Music_Fixture("tone.mp2").toStdString();
    EXPECT_EQ(other.mmPlay(), second);
    EXPECT_TRUE(control.IsPlaying());
}

TEST_F(MP3PlayTest, stop_reads_as_not_playing_at_once_and_frees_the_device)
{
    EXPECT_EQ(control.mmStop(), "");
    ASSERT_EQ(Play(control, Music_Fixture("tone.mp3")), "Success");
    EXPECT_EQ(control.mmStop(), "");
    EXPECT_FALSE(control.IsPlaying());
    EXPECT_EQ(Play(control, Music_Fixture("tone.mp2")), "Success");
    EXPECT_TRUE(control.IsPlaying());
}

TEST_F(MP3PlayTest, seek_restarts_a_track_that_has_ended)
{
    ASSERT_EQ(Play(control, Music_Fixture("tone.mp2")), "Success");
    EXPECT_EQ(control.SeekTo(1200), "");
    ASSERT_TRUE(Ends(control));
    EXPECT_EQ(control.SeekTo(0), "");
    EXPECT_TRUE(control.IsPlaying());
    EXPECT_TRUE(Wait_Until([&] { return control.Position() == "0:00"; }, 1000));
    EXPECT_EQ(control.SeekTo(1200), "");
    EXPECT_TRUE(Ends(control));
}

TEST_F(MP3PlayTest, file_that_is_not_music_never_plays_and_leaves_the_device_free)
{
    for (const char* name : {"not_music.mp3", "empty.mp3"}) {
        ASSERT_EQ(Play(control, Music_Fixture(name)), "Success") << name;
        EXPECT_TRUE(Ends(control)) << name;
        EXPECT_NE(control.LastError(), "") << name;
        EXPECT_EQ(control.SeekTo(0), "");
        EXPECT_FALSE(control.IsPlaying()) << name;
    }
    EXPECT_EQ(Play(control, Music_Fixture("tone.mp3")), "Success");
    EXPECT_EQ(control.SeekTo(1200), "");
    EXPECT_TRUE(Ends(control));
    EXPECT_EQ(control.LastError(), "");
}

TEST_F(MP3PlayTest, cyrillic_name_with_blanks_plays_and_a_deleted_file_still_ends)
{
    const QString odd = dir.filePath("Мелодия с пробелами.mp3");
    ASSERT_TRUE(QFile::copy(Music_Fixture("tone.mp3"), odd));
    ASSERT_EQ(Play(control, odd), "Success");
    EXPECT_TRUE(Wait_Until([&] { return control.Position() != "0:00"; }));
    ASSERT_TRUE(QFile::remove(odd));
    EXPECT_TRUE(Ends(control));
    EXPECT_EQ(control.LastError(), "");
}

TEST_F(MP3PlayTest, name_holding_a_nul_empties_the_name_and_returns_nothing)
{
    control.FileName = std::string("/tmp/a\0b.mp3", 13);
    EXPECT_EQ(control.mmPlay(), "");
    EXPECT_EQ(control.FileName, "");
    EXPECT_FALSE(control.IsPlaying());
}

TEST_F(MP3PlayTest, missing_wma_decoder_refuses_only_wma_with_its_own_text)
{
    qv::Use_Av_Library("libquarvex-absent-decoder.so.0");
    ASSERT_EQ(Play(control, Music_Fixture("tone.wma")), "Success");
    EXPECT_TRUE(Ends(control));
    EXPECT_EQ(control.LastError(), qv::MP3_NO_DECODER);
    control.mmStop();
    EXPECT_EQ(Play(control, Music_Fixture("tone.mp2")), "Success");
    EXPECT_TRUE(Wait_Until([&] { return control.Position() == "0:01"; }));
    qv::Use_Av_Library("");
    control.mmStop();
    // Installed later, it is looked for again.
    EXPECT_EQ(Play(control, Music_Fixture("tone.wma")), "Success");
    EXPECT_TRUE(Wait_Until([&] { return control.Position() == "0:01"; }));
    EXPECT_EQ(control.LastError(), "");
}
