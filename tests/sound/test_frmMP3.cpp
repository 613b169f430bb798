#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "game/frmMain.h"
#include "sound/AlAvDecoder.h"
#include "sound/frmMP3.h"
#include "support/MusicWait.h"
#include "tools/frmOpen.h"

using qv::test::Music_Fixture;
using qv::test::Wait_Until;

namespace {

// A main window over a temporary folder holding copies of the music fixtures; with no sound
// device its player plays them silently in real time.
class frmMP3Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        for (const char* name : {"tone.mp3", "tone.mp2", "tone.wma"})
            ASSERT_TRUE(QFile::copy(Music_Fixture(name), dir.filePath(name)));
        QFile(dir.filePath("click.wav")).open(QIODevice::WriteOnly);
        frm = std::make_unique<qv::frmMain>(dir.path());
        frm->show();
        mp3 = frm->winMP3;
    }
    // "Select", choosing `name` in the file-open dialog (or closing it when name is empty);
    // returns what the dialog listed.
    QStringList Select(const QString& name)
    {
        frm->Open_Dialog()->SetPath(dir.path());
        QStringList listed;
        QTimer::singleShot(0, [&] {
            qv::frmOpen* dlg = frm->winOpen;
            for (int i = 0; i < dlg->filOpen->count(); ++i)
                listed << dlg->filOpen->item(i)->text();
            const auto found = dlg->filOpen->findItems(name, Qt::MatchExactly);
            found.isEmpty() ? dlg->reject() : dlg->filOpen_Click(found.first());
        });
        mp3->cmdOpen_Click();
        listed.sort();
        return listed;
    }
    bool Playing() { return mp3->MP3Play1.IsPlaying(); }

    QTemporaryDir dir;
    std::unique_ptr<qv::frmMain> frm;
    qv::frmMP3* mp3 = nullptr;
};

} // namespace

TEST_F(frmMP3Test, window_shows_its_caption_texts_and_tooltips_with_no_track)
{
    EXPECT_EQ(mp3->windowTitle(), "*.mp3 & *.wma Player");
    EXPECT_EQ(frm->MP3Path, "...");
    EXPECT_EQ(mp3->lblName->text(), "Empty");
    EXPECT_EQ(mp3->lblLoop->text(), "Loop");
    EXPECT_EQ(mp3->cmdOpen->text(), "Select");
    EXPECT_EQ(mp3->lblName->toolTip(), QString::fromUtf8("Название композиции"));
    EXPECT_EQ(mp3->lblLoop->toolTip(), QString::fromUtf8("Повторять сначала"));
    EXPECT_EQ(mp3->lblTime->toolTip(), QString::fromUtf8("Время проигрывания"));
    EXPECT_EQ(mp3->cmdOpen->toolTip(), QString::fromUtf8("Выбрать файл для воспроизведения"));
    EXPECT_FALSE(Playing());
    mp3->lblLoop_Click();
    EXPECT_FALSE(frm->MP3Loop);
    EXPECT_EQ(mp3->lblLoop->text(), "No loop");
}

TEST_F(frmMP3Test, select_lists_music_only_plays_the_choice_and_shows_name_and_time)
{
    EXPECT_EQ(Select("tone.wma"), (QStringList{"tone.mp2", "tone.mp3", "tone.wma"}));
    EXPECT_EQ(frm->winOpen->AddictPattern, "");
    EXPECT_EQ(frm->MP3Path, dir.filePath("tone.wma").toStdString());
    EXPECT_EQ(mp3->lblName->text(), "tone");
    EXPECT_TRUE(Playing());
    EXPECT_TRUE(Wait_Until([&] { return mp3->lblTime->text() == "Time 0:01"; }));
}

TEST_F(frmMP3Test, choosing_the_same_file_again_does_not_restart_it_and_a_cancel_changes_nothing)
{
    Select("tone.mp3");
    ASSERT_TRUE(Wait_Until([&] { return mp3->MP3Play1.Position() == "0:01"; }));
    // A restart would read 0:00 at once.
    Select("tone.mp3");
    EXPECT_NE(mp3->MP3Play1.Position(), "0:00");
    Select("");
    EXPECT_NE(mp3->MP3Play1.Position(), "0:00");
    EXPECT_EQ(frm->MP3Path, dir.filePath("tone.mp3").toStdString());
}

TEST_F(frmMP3Test, track_without_loop_clears_its_name_within_a_second_of_its_end_and_stops_polling)
{
    frm->MP3Loop = false;
    Select("tone.mp2");
    ASSERT_TRUE(mp3->tmrIsPlaying.isActive());
    ASSERT_TRUE(Wait_Until([&] { return !Playing(); }));
    EXPECT_TRUE(Wait_Until([&] { return mp3->lblName->text() == "Empty"; }));
    EXPECT_EQ(mp3->lblTime->text(), "");
    EXPECT_FALSE(mp3->tmrIsPlaying.isActive());
}

TEST_F(frmMP3Test, track_with_loop_restarts_at_its_end)
{
    Select("tone.mp2");
    mp3->tmrIsPlaying.stop();
    ASSERT_TRUE(Wait_Until([&] { return !Playing(); }));
    mp3->tmrIsPlaying_Timer();
    EXPECT_TRUE(Playing());
    EXPECT_TRUE(Wait_Until([&] { return mp3->MP3Play1.Position() == "0:01"; }));
    EXPECT_EQ(mp3->lblName->text(), "tone");
}

TEST_F(frmMP3Test, close_box_stops_and_forgets_the_track_while_the_menu_button_only_hides)
{
    Select("tone.mp3");
    frm->chkMP3->setChecked(true);
    EXPECT_TRUE(mp3->isVisible());
    frm->chkMP3->setChecked(false);
    EXPECT_FALSE(mp3->isVisible());
    EXPECT_TRUE(Playing());

    frm->chkMP3->setChecked(true);
    mp3->close();
    EXPECT_FALSE(mp3->isVisible());
    EXPECT_FALSE(frm->chkMP3->isChecked());
    EXPECT_FALSE(Playing());
    EXPECT_EQ(frm->MP3Path, "...");
    EXPECT_EQ(frm->winMP3, mp3);
    // Forgotten, so choosing the same file again plays it.
    Select("tone.mp3");
    EXPECT_TRUE(Playing());
}

TEST_F(frmMP3Test, auto_places_the_player_4800_twips_down_beside_the_main_window)
{
    frm->chkAuto->click();
    EXPECT_TRUE(mp3->isVisible());
    EXPECT_TRUE(frm->chkMP3->isChecked());
    const QRect main = frm->frameGeometry();
    EXPECT_EQ(mp3->pos(), QPoint(main.x() + main.width() + qv::Px(20), main.y() + qv::Px(4800)));
}

TEST_F(frmMP3Test, missing_track_at_start_shows_its_name_plays_nothing_and_ends_on_the_first_tick)
{
    frm->MP3Path = dir.filePath("Пропавшая песня.mp3").toStdString();
    frm->MP3Loop = false;
    mp3->InitMusic();
    EXPECT_EQ(mp3->lblName->text(), QString::fromUtf8("Пропавшая песня"));
    EXPECT_FALSE(Playing());
    mp3->tmrIsPlaying_Timer();
    EXPECT_EQ(mp3->lblName->text(), "Empty");
}

TEST_F(frmMP3Test, closing_the_main_window_stops_the_track_and_an_ended_game_cancels_a_choice)
{
    QTimer::singleShot(0, [&] { frm->Unload_Open_Dialog(); });
    mp3->cmdOpen_Click();
    EXPECT_EQ(frm->MP3Path, "...");
    EXPECT_TRUE(frm->winOpen.isNull());

    Select("tone.mp3");
    ASSERT_TRUE(Playing());
    frm->close();
    // The device is free again only when the player closed its track.
    qv::MP3Play other;
    other.FileName = dir.filePath("tone.mp2").toStdString();
    EXPECT_EQ(other.mmPlay(), "Success");
}

TEST_F(frmMP3Test, wma_track_without_its_decoder_says_so_in_the_player)
{
    frm->MP3Loop = false;
    qv::Use_Av_Library("libquarvex-absent-decoder.so.0");
    Select("tone.wma");
    ASSERT_TRUE(Wait_Until([&] { return !Playing(); }));
    qv::Use_Av_Library("");
    // As for a file that fails: the choice is kept, so a later run tries it again.
    EXPECT_EQ(frm->MP3Path, dir.filePath("tone.wma").toStdString());
    mp3->tmrIsPlaying_Timer();
    EXPECT_EQ(mp3->lblName->text(), QString::fromUtf8("Нет декодера WMA"));
    EXPECT_EQ(mp3->lblTime->text(), "");
}

TEST_F(frmMP3Test, track_that_cannot_play_with_loop_on_keeps_showing_the_time_of_the_track_before)
{
    Select("tone.mp3");
    ASSERT_TRUE(Wait_Until([&] { return mp3->lblTime->text() == "Time 0:01"; }));
    QFile(dir.filePath("broken.mp3")).open(QIODevice::WriteOnly);
    Select("broken.mp3"); // with Loop on
    ASSERT_TRUE(Wait_Until([&] { return !Playing(); }));
    mp3->tmrIsPlaying_Timer();
    EXPECT_EQ(mp3->lblTime->text(), "");
}
