#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <array>
#include <memory>

#include "game/QtPicture.h"
#include "game/frmMain.h"
#include "records/frmFuture.h"
#include "records/frmQuarvexFathers.h"
#include "records/frmStatistic.h"
#include "settings/frmSettings.h"
#include "shell/QtMainMod.h"
#include "shell/QtTitleStrip.h"
#include "shell/TextFile.h"

using qv::Color;
using qv::Rgb;

namespace {

constexpr Color RED = Rgb(255, 0, 0);
constexpr Color CYAN = Rgb(0, 255, 255);
constexpr Color GREEN = Rgb(0, 255, 0);
constexpr Color BROWN = Rgb(128, 64, 0);
constexpr Color BLACK = Rgb(0, 0, 0);

// A settings file in `folder` that hides all four side windows, so the menu starts unticked.
void Hide_Side_Windows(const QString& folder)
{
    const std::vector<std::string> fresh = qv::SettingsFile::Default_Lines();
    std::vector<std::string> lines{fresh[0], fresh[1], "False", "False", "False", "False"};
    lines.insert(lines.end(), fresh.begin() + 14, fresh.end());
    const std::string name = qv::SettingsFile::File_Name(qv::Get_Computer_Name());
    ASSERT_TRUE(qv::Write_Text_Lines(folder.toStdString() + "/" + name, lines));
}

// A shown main window over a temporary data folder, driven through its menu strip.
class frmMainMenu : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        Hide_Side_Windows(dir.path());
        frm = std::make_unique<qv::frmMain>(dir.path());
        frm->show();
    }
    static Color Back(QPushButton* b) { return qv::frmMain::Role_Color(b, QPalette::Button); }
    static Color Text(QPushButton* b) { return qv::frmMain::Role_Color(b, QPalette::ButtonText); }
    // What the button shows on screen at a point of its face left of the caption.
    static Color Face(QPushButton* b)
    {
        const QColor c = b->grab().toImage().pixelColor(4, b->height() / 2);
        return Rgb(c.red(), c.green(), c.blue());
    }
    std::array<QPushButton*, 5> Top_Row() const
    {
        return {frm->chkPause, frm->chkHelp, frm->chkDemo, frm->chkSet, frm->chkExit};
    }
    static void Move(QWidget* target, QPoint at)
    {
        QMouseEvent e(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &e);
    }

    QTemporaryDir dir;
    std::unique_ptr<qv::frmMain> frm;
};

} // namespace

TEST_F(frmMainMenu, Hover_lights_the_button_under_the_mouse_and_sets_the_rest_to_rest_colours)
{
    Move(frm->chkHelp, QPoint(5, 5));
    EXPECT_EQ(Back(frm->chkHelp), CYAN);
    EXPECT_EQ(Text(frm->chkHelp), RED);
    for (QPushButton* b : {frm->chkPause, frm->chkDemo, frm->chkSet, frm->chkExit}) {
        EXPECT_EQ(Back(b), RED) << b->text().toStdString();
        EXPECT_EQ(Text(b), CYAN) << b->text().toStdString();
    }
    for (QPushButton* b : {frm->chkAuto, frm->chkFuture, frm->chkRec, frm->chkStat, frm->chkMP3})
        EXPECT_EQ(Back(b), BLACK) << b->text().toStdString();
}

TEST_F(frmMainMenu, frmMenu_MouseMove_between_buttons_resets_all_five_but_not_over_a_bottom_button)
{
    Move(frm->chkHelp, QPoint(5, 5));
    Move(frm->frmMenu, frm->chkAuto->geometry().center());
    EXPECT_EQ(Back(frm->chkHelp), CYAN);
    Move(frm->frmMenu, QPoint(2, 2));
    for (QPushButton* b : Top_Row()) {
        EXPECT_EQ(Back(b), RED);
        EXPECT_EQ(Text(b), CYAN);
    }
}

TEST_F(frmMainMenu, fraBottomRight_MouseMove_recolours_only_the_pause_button)
{
    Move(frm->fraBottomRight, QPoint(3, frm->fraBottomRight->height() - 3));
    EXPECT_EQ(Back(frm->chkPause), RED);
    EXPECT_EQ(Text(frm->chkPause), CYAN);
    EXPECT_EQ(Back(frm->chkHelp), BROWN);
}

TEST_F(frmMainMenu, tmrMigMenuControls_running_light_walks_the_top_row_and_leaves_it_in_the_saved_colour)
{
    frm->Place_Gained();
    EXPECT_TRUE(frm->tmrMigMenuControls.isActive());
    frm->tmrMigMenuControls_Timer();
    EXPECT_EQ(Back(frm->chkPause), GREEN);
    frm->tmrMigMenuControls_Timer();
    EXPECT_EQ(Back(frm->chkPause), BROWN);
    EXPECT_EQ(Back(frm->chkHelp), GREEN);
    for (int i = 0; i < 4; ++i)
        frm->tmrMigMenuControls_Timer();
    for (QPushButton* b : Top_Row())
        EXPECT_EQ(Back(b), frm->lMenuBackColor) << b->text().toStdString();
    EXPECT_EQ(frm->lMenuBackColor, BROWN);
    EXPECT_FALSE(frm->tmrMigMenuControls.isActive());
    EXPECT_EQ(frm->iMigStep, 0);
}

TEST_F(frmMainMenu, chkPause_with_the_mouse_pauses_in_place_and_keeps_the_demo_running)
{
    frm->chkDemo->click();
    ASSERT_TRUE(frm->tmrDemo.isActive());
    frm->chkPause->click();
    EXPECT_FALSE(frm->isMinimized());
    EXPECT_TRUE(frm->fraControl->isHidden());
    EXPECT_FALSE(frm->tmrDown.isActive());
    EXPECT_TRUE(frm->tmrDemo.isActive());
    frm->chkPause->click();
    EXPECT_FALSE(frm->fraControl->isHidden());
    EXPECT_TRUE(frm->tmrDown.isActive());
}

TEST_F(frmMainMenu, chkDemo_runs_the_demo_until_a_new_game_clears_it)
{
    frm->chkDemo->click();
    EXPECT_TRUE(frm->tmrDemo.isActive());
    frm->Form_Load();
    EXPECT_FALSE(frm->chkDemo->isChecked());
    EXPECT_FALSE(frm->tmrDemo.isActive());
}

TEST_F(frmMainMenu, chkSet_leaves_the_grid_on_the_board_after_the_settings_window_removed_it)
{
    const auto grid_pixels = [this] {
        const QImage board = frm->picQuarvex->Image();
        int n = 0;
        for (int y = 0; y < board.height(); ++y)
            for (int x = 0; x < board.width(); ++x) {
                const QColor c = board.pixelColor(x, y);
                n += c.blue() == 220 && c.red() == c.green() && (c.red() == 200 || c.red() == 175);
            }
        return n;
    };
    ASSERT_GT(grid_pixels(), 100);
    frm->chkExit->setFocus();
    bool timerRan = false;
    QTimer::singleShot(0, [&] {
        qv::frmSettings* settings = qv::frmSettings::Current();
        ASSERT_NE(settings, nullptr);
        EXPECT_TRUE(settings->isModal());
        timerRan = frm->tmrDown.isActive();
        settings->chkSetka->click();
        settings->optFant[2]->click();
        settings->cmdOk->click();
    });
    frm->chkSet->click();
    EXPECT_TRUE(timerRan) << "the fall timer stopped under the settings window";
    EXPECT_FALSE(frm->chkSet->isChecked());
    EXPECT_FALSE(frm->bDrawSetka);
    EXPECT_EQ(frm->iFantom, 2);
    EXPECT_EQ(grid_pixels(), 0);
    EXPECT_EQ(frm->focusWidget(), frm->picQuarvex);
}

TEST_F(frmMainMenu, Buttons_show_their_designed_colour_exactly_and_a_ticked_one_looks_different)
{
    EXPECT_EQ(Face(frm->chkPause), BROWN);
    EXPECT_EQ(Face(frm->chkRec), BLACK);
    Move(frm->chkHelp, QPoint(5, 5));
    EXPECT_EQ(Face(frm->chkHelp), CYAN);
    EXPECT_EQ(Face(frm->chkPause), RED);

    const QImage unticked = frm->chkRec->grab().toImage();
    frm->chkRec->click();
    EXPECT_NE(frm->chkRec->grab().toImage(), unticked);
    EXPECT_EQ(Face(frm->chkRec), BLACK);

    QPushButton* left = frm->cmdLeftRight[0];
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3), left->mapToGlobal(QPointF(3, 3)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(left, &press);
    EXPECT_EQ(Face(left), GREEN);
}

TEST_F(frmMainMenu, Minimise_and_restore_take_along_only_the_shown_side_windows)
{
    frm->chkStat->click();
    frm->chkRec->click();
    frm->chkRec->click();
    ASSERT_TRUE(frm->winStatistic->isVisible());
    ASSERT_TRUE(frm->winRecords->isHidden());

    // A window manager may refuse to minimise tool windows: the shown ones leave the screen.
    frm->setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(frm->chkPause->isChecked());
    for (QWidget* w : {static_cast<QWidget*>(frm->winStatistic), static_cast<QWidget*>(frm->winRecords),
                       static_cast<QWidget*>(frm->winFuture)})
        EXPECT_TRUE(w->isHidden());
    EXPECT_TRUE(frm->Visible(qv::PlacedWindow::Statistic)) << "the settings file would forget it";
    EXPECT_FALSE(frm->Visible(qv::PlacedWindow::Records));

    frm->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(frm->winStatistic->isVisible());
    EXPECT_TRUE(frm->winRecords->isHidden());
    EXPECT_TRUE(frm->winFuture->isHidden());
    EXPECT_TRUE(frm->chkStat->isChecked());
    EXPECT_FALSE(frm->chkRec->isChecked());
    EXPECT_FALSE(frm->chkFuture->isChecked());
}

TEST_F(frmMainMenu, lblLevel_help_says_the_level_rises_every_seven_lines)
{
    const QString tag = frm->lblLevel->property("Tag").toString();
    EXPECT_TRUE(tag.contains(QString::fromUtf8("каждых семи удаленных линий"))) << tag.toStdString();
}

TEST_F(frmMainMenu, chkRec_closing_the_side_window_with_its_close_box_hides_it_and_unticks_the_button)
{
    frm->chkStat->click();
    ASSERT_TRUE(frm->winStatistic->isVisible());
    const int lines = frm->winStatistic->Count();
    frm->winStatistic->close();
    EXPECT_FALSE(frm->winStatistic.isNull());
    EXPECT_FALSE(frm->winStatistic->isVisible());
    EXPECT_FALSE(frm->chkStat->isChecked());
    frm->chkStat->click();
    EXPECT_TRUE(frm->winStatistic->isVisible());
    EXPECT_EQ(frm->winStatistic->Count(), lines);
}

TEST_F(frmMainMenu, chkAuto_places_the_side_windows_in_a_column_beside_the_main_window)
{
    frm->move(37, 27);
    frm->winFuture->setWindowState(Qt::WindowMinimized);
    frm->chkAuto->click();
    const QRect main = frm->frameGeometry();
    const int left = main.x() + main.width() + 1;
    EXPECT_EQ(frm->winFuture->pos(), QPoint(left, main.y()));
    EXPECT_EQ(frm->winStatistic->pos(), QPoint(left, main.y() + 100));
    EXPECT_EQ(frm->winRecords->pos(), QPoint(left, main.y() + 407));
    EXPECT_FALSE(frm->winFuture->windowState() & Qt::WindowMinimized);
    for (QWidget* w : {static_cast<QWidget*>(frm->winFuture), static_cast<QWidget*>(frm->winStatistic),
                       static_cast<QWidget*>(frm->winRecords)})
        EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(frm->chkFuture->isChecked());
    EXPECT_TRUE(frm->chkStat->isChecked());
    EXPECT_TRUE(frm->chkRec->isChecked());
    EXPECT_FALSE(frm->chkAuto->isChecked());
}

TEST_F(frmMainMenu, Side_Windows_Sync_new_game_ticks_exactly_the_visible_side_windows)
{
    frm->winRecords->show();
    frm->winStatistic->hide();
    frm->chkStat->setChecked(true);
    frm->winStatistic->hide();
    frm->Form_Load();
    EXPECT_TRUE(frm->chkRec->isChecked());
    EXPECT_FALSE(frm->chkStat->isChecked());
    EXPECT_FALSE(frm->chkFuture->isChecked());
}

TEST_F(frmMainMenu, Title_strip_keeps_the_client_place_and_its_boxes_minimise_and_close)
{
    frm->Set_Left(qv::PlacedWindow::Main, 557);
    frm->Set_Top(qv::PlacedWindow::Main, 1500);
    const QPoint board = frm->fraQuarvex->mapToGlobal(QPoint(0, 0));
    frm->Use_Title_Strip();
    qv::QtTitleStrip* strip = frm->Title_Strip();
    ASSERT_NE(strip, nullptr);
    const int T = strip->height();
    EXPECT_GE(T, 24);
    // The designed client area stays on the screen where it was, the strip above it, and the
    // place read back is that client place, to the twip.
    EXPECT_EQ(frm->fraQuarvex->mapToGlobal(QPoint(0, 0)), board);
    EXPECT_EQ(frm->Left(qv::PlacedWindow::Main), 557);
    EXPECT_EQ(frm->Top(qv::PlacedWindow::Main), 1500);
    EXPECT_EQ(frm->size(), QSize(qv::Px(6735), qv::Px(9210))) << "no frame: the window is its outer size";
    // The shape keeps the whole strip and still cuts away the corner beside the board panel.
    EXPECT_TRUE(frm->mask().contains(QPoint(2, 1)));
    EXPECT_TRUE(frm->mask().contains(QPoint(frm->width() - 2, T - 1)));
    EXPECT_FALSE(frm->mask().contains(QPoint(2, T + 2)));

    // Boxes of the strip's height less 8, 2 apart, 4 from the right: minimise, then close.
    const int side = T - 8;
    const auto click = [&](int box) {
        const QPoint at(strip->width() - 4 - (2 - box) * (side + 2) + side / 2, T / 2);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(type, at, strip->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(strip, &e);
        }
    };
    click(0);
    EXPECT_TRUE(frm->windowState() & Qt::WindowMinimized);
    EXPECT_TRUE(frm->chkPause->isChecked()) << "minimising pauses as the frame's box does";
    frm->setWindowState(Qt::WindowNoState);
    click(1);
    EXPECT_FALSE(frm->isVisible());
}

TEST_F(frmMainMenu, chkExit_closes_the_window_and_unloads_the_side_windows)
{
    frm->chkRec->click();
    frm->chkExit->click();
    EXPECT_FALSE(frm->isVisible());
    EXPECT_FALSE(frm->tmrDown.isActive());
    EXPECT_TRUE(frm->winRecords.isNull() || frm->winRecords->Unloaded());
    EXPECT_TRUE(frm->winFuture.isNull() || frm->winFuture->Unloaded());
}
