#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>

#include "game/frmMain.h"
#include "sound/DirectSound.h"
#include "sound/FakeSound.h"

using namespace qv;

namespace {

struct MainSound : ::testing::Test {
    FakeSound device;
    QTemporaryDir dir;
    std::unique_ptr<frmMain> w;
    void SetUp() override
    {
        // A folder without a settings file: the fresh file's values apply.
        w = std::make_unique<frmMain>(dir.path());
        w->Create_Channels();
        w->Load_Settings();
    }
    void TearDown() override
    {
        w.reset();
        DirectSound::ReleaseBkgSound();
    }
    std::string Sound_Folder() const
    {
        return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("sound").toStdString();
    }
};

} // namespace

TEST_F(MainSound, defaults_miss_the_sound_folder_or_the_fresh_settings)
{
    ASSERT_EQ(device.built.size(), 1u);
    EXPECT_EQ(device.built[0], Sound_Folder() + "/slowrays.wav");
    EXPECT_EQ(device.logs[0]->volume, -707);
    EXPECT_EQ(w->freq, 46717);
    EXPECT_EQ(DirectSound::GetBkgFreq(), 46717);
    EXPECT_EQ(w->m(Channel::Left1).DMCtrlVolume(), -1322);
    EXPECT_EQ(w->m(Channel::Left1).DMCtrlFreq(), 57299);
    EXPECT_EQ(w->m(Channel::Down2).DMCtrlFreq(), 33563);
    w->Sound_Play(Channel::Left1);
    w->Sound_Play(Channel::Inverse1);
    ASSERT_EQ(device.built.size(), 3u);
    EXPECT_EQ(device.built[1], Sound_Folder() + "/left1.WAV");
    EXPECT_EQ(device.built[2], Sound_Folder() + "/inverse1.WAV");
    EXPECT_EQ(device.logs[1]->calls.back(), "rewind");
}

TEST_F(MainSound, event_sounds_off_still_play)
{
    w->EnableSoundControl = false;
    w->Sound_Play(Channel::Down1);
    w->game.Play_Event_Sound(3);
    EXPECT_EQ(device.built.size(), 1u) << "only the background";
}

TEST_F(MainSound, the_fall_tick_does_not_sweep_the_background)
{
    w->EnableLoop = true;
    w->SpeedChange = 500;
    for (int t = 0; t < 40; ++t)
        w->game.tmrDown_Timer();
    const auto& pans = device.logs[0]->pans;
    ASSERT_EQ(pans.size(), 40u);
    EXPECT_EQ(pans[0], 0);
    EXPECT_EQ(pans[1], 500);
    EXPECT_EQ(*std::max_element(pans.begin(), pans.end()), 5500);
    EXPECT_EQ(*std::min_element(pans.begin(), pans.end()), -5500);
}

TEST_F(MainSound, closing_keeps_channels_or_background_alive)
{
    w->Sound_Play(Channel::Drop1);
    w->Sound_Play(Channel::Quarvex1);
    w->Release_Sound();
    for (const auto& log : device.logs)
        EXPECT_FALSE(log->alive);
    EXPECT_EQ(DirectSound::Bkg_Buffer(), nullptr);
    w->Sound_Play(Channel::Drop1); // after closing nothing is built again
    EXPECT_EQ(device.built.size(), 3u);
}

TEST_F(MainSound, failed_files_save_volume_and_rate_0_so_the_next_start_is_louder)
{
    w->SetBkgVolume(-1500);
    device.missing = {"/gone/bkg.wav", Sound_Folder() + "/left1.WAV"};
    w->PlayBkgMusic("/gone/bkg.wav");
    w->Sound_Play(Channel::Left1);
    ASSERT_EQ(w->m(Channel::Left1).DMCtrlFreq(), 0) << "a failed channel still reads 0 in the windows";
    // What the settings file writes.
    EXPECT_EQ(w->GetBkgVolume(), -1500);
    EXPECT_EQ(w->DMCtrlFreq(Channel::Left1), 57299);
}
