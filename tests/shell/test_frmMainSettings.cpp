#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>

#include "game/frmMain.h"
#include "records/frmFuture.h"
#include "records/frmQuarvexFathers.h"
#include "records/frmStatistic.h"
#include "shell/QtMainMod.h"
#include "shell/TextFile.h"
#include "sound/frmMP3.h"

namespace fs = std::filesystem;
using qv::Px;

namespace {

// Main windows opened and closed one after another over one temporary folder, as runs of
// the program are; the settings file lands in that folder.
class frmMainSettings : public ::testing::Test {
protected:
    std::unique_ptr<qv::frmMain> Open()
    {
        auto frm = std::make_unique<qv::frmMain>(dir.path());
        frm->show();
        return frm;
    }
    // The settings files in the folder, whatever the computer is called.
    std::vector<fs::path> Files() const
    {
        std::vector<fs::path> found;
        for (const auto& e : fs::directory_iterator(dir.path().toStdString())) {
            const std::string name = e.path().filename().string();
            if (name.starts_with("Qrvx") && name.ends_with(".ini"))
                found.push_back(e.path());
        }
        return found;
    }
    std::vector<std::string> Lines() const
    {
        std::vector<std::string> lines;
        const auto files = Files();
        if (files.size() == 1)
            qv::Read_Text_Lines(files[0], lines);
        return lines;
    }
    static QPoint At(double left, double top) { return {Px(left), Px(top)}; }
    // A window's place as the file keeps it: that of its client area.
    static QPoint Place(const QWidget* w) { return w->geometry().topLeft(); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(frmMainSettings, first_run_misses_the_file_or_the_side_windows_at_their_places)
{
    auto frm = Open();
    const auto files = Files();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0], frm->Settings_File());
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 66u);
    EXPECT_EQ(lines[15], "quarvex-music...");
    EXPECT_EQ(lines[65], "True");

    EXPECT_EQ(Place(frm.get()), At(555, 405));
    EXPECT_EQ(Place(frm->winRecords), At(7310, 6505));
    EXPECT_EQ(Place(frm->winStatistic), At(7310, 1905));
    EXPECT_EQ(Place(frm->winFuture), At(7310, 405));
    EXPECT_EQ(Place(frm->winMP3), At(7310, 5205));
    for (QWidget* w : {static_cast<QWidget*>(frm->winRecords), static_cast<QWidget*>(frm->winStatistic),
                       static_cast<QWidget*>(frm->winFuture), static_cast<QWidget*>(frm->winMP3)})
        EXPECT_TRUE(w->isVisible()) << w->windowTitle().toStdString();
    for (QPushButton* b : {frm->chkRec, frm->chkStat, frm->chkFuture, frm->chkMP3})
        EXPECT_TRUE(b->isChecked()) << b->text().toStdString();
}

TEST_F(frmMainSettings, close_with_statistics_hidden_loses_its_state_or_drifts_the_unmoved_places)
{
    auto frm = Open();
    frm->chkStat->click();
    ASSERT_FALSE(frm->winStatistic->isVisible());
    frm->close();
    frm.reset();

    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 64u);
    EXPECT_EQ(lines[0], " 555 ");
    EXPECT_EQ(lines[3], " 7310 ") << "a window left where it was keeps its place to the twip";
    EXPECT_EQ(lines[5], "False");
    EXPECT_EQ(lines[6], "True") << "the future window's line follows directly";

    frm = Open();
    EXPECT_FALSE(frm->winStatistic->isVisible());
    EXPECT_FALSE(frm->chkStat->isChecked());
    EXPECT_TRUE(frm->winRecords->isVisible());
    EXPECT_TRUE(frm->winFuture->isVisible());
    EXPECT_EQ(Place(frm->winFuture), At(7310, 405));
}

TEST_F(frmMainSettings, changed_settings_and_a_moved_window_are_lost_between_runs)
{
    auto frm = Open();
    frm->m(qv::Channel::Drop2).DMCtrlVolume(-1800);
    frm->m(qv::Channel::Left1).DMCtrlEnabled(false);
    frm->iFantom = 2;
    frm->SpeedChange = 250;
    frm->MP3Loop = false;
    frm->bDrawSetka = false;
    frm->winMP3->move(300, 200);
    frm->setWindowState(Qt::WindowMinimized);
    frm->close();
    EXPECT_FALSE(frm->windowState() & Qt::WindowMinimized) << "its normal place is what gets written";
    frm.reset();

    frm = Open();
    EXPECT_EQ(frm->m(qv::Channel::Drop2).DMCtrlVolume(), -1800);
    EXPECT_FALSE(frm->m(qv::Channel::Left1).DMCtrlEnabled());
    EXPECT_EQ(frm->m(qv::Channel::Drop1).DMCtrlVolume(), -920);
    EXPECT_EQ(frm->game.iFantom, 2) << "the drawing reads what the file gave";
    EXPECT_EQ(frm->game.SpeedChange, 250);
    EXPECT_FALSE(frm->game.bDrawSetka);
    EXPECT_FALSE(frm->MP3Loop);
    EXPECT_EQ(frm->winMP3->pos(), QPoint(300, 200));
}

TEST_F(frmMainSettings, damaged_boolean_line_stops_the_game_or_drops_the_values_read_before_it)
{
    std::vector<std::string> lines = qv::SettingsFile::Default_Lines();
    lines[0] = " 1500 ";
    lines[5] = "False"; // statistics hidden: its two place lines go
    lines.erase(lines.begin() + 6, lines.begin() + 8);
    lines[12] = "perhaps"; // EnableSoundControl
    lines[20] = "-2000 ";  // volume of the first channel, after the damage
    const fs::path file = fs::path(dir.path().toStdString()) / qv::SettingsFile::File_Name(qv::Get_Computer_Name());
    ASSERT_TRUE(qv::Write_Text_Lines(file, lines));

    auto frm = Open();
    EXPECT_TRUE(frm->tmrDown.isActive()) << "the game runs";
    EXPECT_EQ(Place(frm.get()).x(), Px(1500));
    EXPECT_FALSE(frm->winStatistic->isVisible());
    EXPECT_TRUE(frm->winMP3->isVisible());
    EXPECT_TRUE(frm->EnableSoundControl) << "the damaged line and the rest take their defaults";
    EXPECT_EQ(frm->m(qv::Channel::Left1).DMCtrlVolume(), -1322);
    EXPECT_EQ(Lines(), qv::SettingsFile::Default_Lines()) << "the damaged file is replaced";
}

// Another computer's screens, or a damaged number, put a window where no screen is: it must come
// back wholly onto the screen, at the edge it was beyond.
TEST_F(frmMainSettings, a_place_off_every_screen_in_the_file_leaves_the_window_out_of_reach)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        size_t line;  // three lines a window: left, top, shown; main, records, statistics, future, player
        const char* text;
        int (QRect::*edge)() const;  // the screen edge the window must touch
    } rows[] = {{6, " 1E30 ", &QRect::right}, {10, "-1E30 ", &QRect::top}, {3, "-99999999 ", &QRect::left}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        std::vector<std::string> lines = qv::SettingsFile::Default_Lines();
        lines[row.line] = row.text;
        const fs::path file = fs::path(dir.path().toStdString()) / qv::SettingsFile::File_Name(qv::Get_Computer_Name());
        ASSERT_TRUE(qv::Write_Text_Lines(file, lines));
        auto frm = Open();
        const QWidget* windows[] = {frm.get(), frm->winRecords, frm->winStatistic, frm->winFuture, frm->winMP3};
        const QRect got = windows[row.line / 3]->geometry();
        // A window system may keep the frame on the screen too, moving the client area by its width.
        const int frame = got.top() - windows[row.line / 3]->frameGeometry().top();
        EXPECT_TRUE(screen.contains(got)) << got.x() << "," << got.y();
        EXPECT_NEAR((got.*row.edge)(), (screen.*row.edge)(), frame);
    }
}

// Twips from a damaged settings file: far lengths stop at a billion pixels, NaN is 0, halves go to even.
TEST(Px, a_length_beyond_every_screen_or_not_a_number_is_undefined_or_wraps)
{
    const std::pair<double, int> rows[] = {{1e30, 1000000000}, {-1e30, -1000000000}, {NAN, 0}, {22.5, 2}, {37.5, 2}};
    for (const auto& [twips, pixels] : rows)
        EXPECT_EQ(Px(twips), pixels) << twips;
}

namespace {

// Refuses to replace one file, as the system does for a write-protected file (root writes all).
struct Protected_File : qv::File_Access {
    fs::path file;
    explicit Protected_File(fs::path f) : file(std::move(f)) { qv::Set_File_Access(this); }
    ~Protected_File() override { qv::Set_File_Access(nullptr); }
    bool May_Replace(const fs::path& f) const override { return f != file; }
};

} // namespace

TEST_F(frmMainSettings, unwritable_file_blocks_the_close_or_loses_its_previous_content)
{
    auto frm = Open();
    const std::vector<std::string> before = Lines();
    Protected_File guard(frm->Settings_File());
    frm->chkFuture->click();
    frm->iFantom = 0;
    frm->close();
    EXPECT_FALSE(frm->isVisible());
    EXPECT_TRUE(frm->winRecords.isNull() || frm->winRecords->Unloaded());
    EXPECT_EQ(Lines(), before);
}
