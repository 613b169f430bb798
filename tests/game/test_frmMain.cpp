#include <gtest/gtest.h>

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "game/QtPicture.h"
#include "game/frmMain.h"
#include "records/frmEnterName.h"
#include "records/frmGameOver.h"
#include "records/frmQuarvexFathers.h"
#include "records/frmStatistic.h"
#include "support/DialogAnswers.h"

using qv::clsRecords;
using qv::Rgb;

namespace {

// A fresh main window over a temporary data folder, shown (so its first game is set up).
class frmMain : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        frm = std::make_unique<qv::frmMain>(dir.path());
        frm->show();
    }
    std::string Records_File() const { return (dir.path() + "/QuarvexFathers.txt").toStdString(); }
    clsRecords Stored_Records() const
    {
        clsRecords r;
        r.Set_File(Records_File());
        r.Read_Records();
        return r;
    }
    void Key(Qt::Key key, QWidget* target = nullptr, bool autoRepeat = false)
    {
        QWidget* to = target ? target : frm->picQuarvex;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(to, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(to, &release);
    }
    void Mouse(QWidget* target, QEvent::Type type)
    {
        QMouseEvent e(type, QPointF(3, 3), target->mapToGlobal(QPointF(3, 3)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &e);
    }
    std::vector<std::string> Statistic_Lines() const
    {
        std::vector<std::string> lines;
        for (int i = 0; i < frm->winStatistic->Count(); ++i)
            lines.push_back(frm->winStatistic->Line(i));
        return lines;
    }

    QTemporaryDir dir;
    std::unique_ptr<qv::frmMain> frm;
};

} // namespace

TEST_F(frmMain, Form_Load_shows_the_start_of_a_game_in_the_labels_and_the_statistics)
{
    EXPECT_EQ(frm->lblLevel->text(), "Level # 0");
    EXPECT_EQ(frm->lblScore->text(), "---");
    EXPECT_EQ(frm->windowTitle(), "Quarvex Zeb Ostrela");
    const auto lines = Statistic_Lines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "**********************");
    EXPECT_EQ(lines[1], "***Staring Quarvex Zeb");
    EXPECT_EQ(lines[2], "**********************");
    // The records file of the data folder is created with the default table and listed.
    EXPECT_EQ(Stored_Records().colRecordNames, std::vector<std::string>{"Pelko"});
    EXPECT_EQ(frm->winRecords->Count(), 1);
    EXPECT_TRUE(frm->tmrDown.isActive());
}

TEST_F(frmMain, tmrDown_drop_and_ticks_until_landing_show_the_score_and_log_the_step)
{
    Key(Qt::Key_Down);
    ASSERT_TRUE(frm->game.bDrop);
    for (int i = 0; i < 200 && frm->game.iFigureNo == 0; ++i)
        frm->game.tmrDown_Timer();
    ASSERT_EQ(frm->game.iFigureNo, 1);
    bool number = false;
    EXPECT_GT(frm->lblScore->text().toInt(&number), 0);
    EXPECT_TRUE(number) << frm->lblScore->text().toStdString();
    const auto lines = Statistic_Lines();
    const auto step = std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("1. +", 0) == 0; });
    EXPECT_NE(step, lines.end());
    EXPECT_TRUE(frm->cmdDown->isEnabled());
}

TEST_F(frmMain, tmrLevel_and_tmrMigCountLines_blink_every_100_and_250_ms_after_a_level_up)
{
    qv::GameCore& g = frm->game;
    g.arrBoard = {};
    for (int col = 4; col <= 18; ++col)
        g.arrBoard[size_t(col)][30] = col != 10 && col != 11;
    g.arrFig = {};
    g.arrFig[1][1] = g.arrFig[2][1] = g.arrFig[1][2] = g.arrFig[2][2] = true;
    g.btX = 9;
    g.btY = 28;
    g.bDrop = true;
    g.iLevelLines = 6;
    ASSERT_FALSE(frm->tmrLevel.isActive());
    ASSERT_FALSE(frm->tmrMigCountLines.isActive());
    g.tmrDown_Timer();
    ASSERT_EQ(g.iLevel, 1);
    EXPECT_TRUE(frm->tmrLevel.isActive());
    EXPECT_EQ(frm->tmrLevel.interval(), 100);
    EXPECT_TRUE(frm->tmrMigCountLines.isActive());
    EXPECT_EQ(frm->tmrMigCountLines.interval(), 250);
}

TEST_F(frmMain, tmrDown_running_timer_advances_the_time_bonus)
{
    QEventLoop loop;
    QTimer::singleShot(400, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_GE(frm->game.iTimeCount, 5);
    EXPECT_NE(frm->lblTimeBonus->text(), "***");
}

TEST_F(frmMain, Form_KeyDown_escape_pauses_and_a_second_escape_resumes)
{
    Key(Qt::Key_Escape);
    EXPECT_TRUE(frm->chkPause->isChecked());
    EXPECT_TRUE(frm->fraControl->isHidden());
    EXPECT_FALSE(frm->tmrDown.isActive());
    EXPECT_TRUE(frm->isMinimized());
    EXPECT_FALSE(frm->game.bInputEnabled);

    Key(Qt::Key_Escape);
    EXPECT_FALSE(frm->chkPause->isChecked());
    EXPECT_FALSE(frm->fraControl->isHidden());
    EXPECT_TRUE(frm->tmrDown.isActive());
    EXPECT_FALSE(frm->isMinimized());
    EXPECT_TRUE(frm->game.bInputEnabled);
}

TEST_F(frmMain, Form_KeyDown_keys_during_pause_leave_the_figure_alone)
{
    frm->chkPause->setChecked(true);
    const auto fig = frm->game.arrFig;
    const int x = frm->game.btX, clicks = frm->game.iClicks;
    for (Qt::Key k : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Space, Qt::Key_Down})
        Key(k);
    EXPECT_EQ(frm->game.btX, x);
    EXPECT_EQ(frm->game.iClicks, clicks);
    EXPECT_EQ(frm->game.arrFig, fig);
    EXPECT_FALSE(frm->game.bDrop);
}

TEST_F(frmMain, Form_KeyDown_space_on_a_menu_button_inverts_instead_of_clicking_it)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    QApplication::sendEvent(frm->chkDemo, &press);
    EXPECT_EQ(qv::frmMain::Role_Color(frm->cmdSpace, QPalette::Button), Rgb(255, 255, 0));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier);
    QApplication::sendEvent(frm->chkDemo, &release);
    EXPECT_FALSE(frm->chkDemo->isChecked());
    EXPECT_FALSE(frm->tmrDemo.isActive());
    EXPECT_EQ(qv::frmMain::Role_Color(frm->cmdSpace, QPalette::Button), frm->game.lBtnColor);
}

TEST_F(frmMain, Form_KeyUp_repeated_release_of_a_held_arrow_keeps_the_button_pressed)
{
    const int x = frm->game.btX;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QApplication::sendEvent(frm->picQuarvex, &press);
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(frm->picQuarvex, &repeatRelease);
    EXPECT_EQ(qv::frmMain::Role_Color(frm->cmdLeftRight[0], QPalette::Button), Rgb(0, 255, 0));
    QKeyEvent repeatPress(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(frm->picQuarvex, &repeatPress);
    EXPECT_EQ(frm->game.btX, x - 2);
    EXPECT_EQ(qv::frmMain::Role_Color(frm->cmdLeftRight[0], QPalette::Button), Rgb(0, 255, 0));
}

TEST_F(frmMain, cmdLeftRight_acts_on_mouse_press_and_restores_on_release)
{
    const int x = frm->game.btX;
    Mouse(frm->cmdLeftRight[0], QEvent::MouseButtonPress);
    EXPECT_EQ(frm->game.btX, x - 1);
    EXPECT_EQ(qv::frmMain::Role_Color(frm->cmdLeftRight[0], QPalette::Button), Rgb(0, 255, 0));
    Mouse(frm->cmdLeftRight[0], QEvent::MouseButtonRelease);
    EXPECT_EQ(qv::frmMain::Role_Color(frm->cmdLeftRight[0], QPalette::Button), frm->game.lBtnColor);
    EXPECT_EQ(frm->game.btX, x - 1);
}

TEST_F(frmMain, cmdDown_disabled_during_a_drop_ignores_presses)
{
    Mouse(frm->cmdDown, QEvent::MouseButtonPress);
    ASSERT_TRUE(frm->game.bDrop);
    EXPECT_FALSE(frm->cmdDown->isEnabled());
    const int clicks = frm->game.iClicks;
    Mouse(frm->cmdDown, QEvent::MouseButtonPress);
    EXPECT_EQ(frm->game.iClicks, clicks);
}

TEST_F(frmMain, Finish_Game_cancelled_name_leaves_the_records_table_unchanged)
{
    Dialog_Answers answers({Close_It, Close_It});
    frm->Finish_Game(500);
    EXPECT_EQ(answers.Seen, (std::vector<QString>{"qv::frmEnterName", "qv::frmGameOver"}));
    const clsRecords stored = Stored_Records();
    EXPECT_EQ(stored.colRecordNames, std::vector<std::string>{"Pelko"});
    EXPECT_FALSE(frm->isVisible());
    EXPECT_TRUE(frm->winStatistic.isNull() || frm->winStatistic->Unloaded());
}

TEST_F(frmMain, Finish_Game_new_game_stores_the_name_and_starts_over)
{
    frm->game.lScore = 5000;
    frm->game.iLevelSpeed = 45;
    Dialog_Answers answers({Enter_Name("Ann"), Say_Yes});
    frm->Finish_Game(500);
    const clsRecords stored = Stored_Records();
    EXPECT_EQ(stored.colRecordNames, (std::vector<std::string>{"Ann", "Pelko"}));
    EXPECT_EQ(stored.colRecordScores, (std::vector<double>{500, 0}));
    EXPECT_TRUE(frm->isVisible());
    EXPECT_EQ(frm->game.lScore, 0);
    EXPECT_EQ(frm->game.iLevelSpeed, 0);
    EXPECT_EQ(frm->lblScore->text(), "---");
    EXPECT_EQ(frm->winRecords->Count(), 2);
    EXPECT_EQ(frm->lblPosition->text(), "Place # 3");
}

TEST_F(frmMain, Ask_Player_Name_empty_name_is_stored_as_todays_date)
{
    Dialog_Answers answers({Enter_Name(""), Close_It});
    frm->Finish_Game(500);
    const std::string today = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
    EXPECT_EQ(Stored_Records().colRecordNames, (std::vector<std::string>{today, "Pelko"}));
}

TEST_F(frmMain, Finish_Game_unwritable_records_file_still_reaches_the_game_over_dialog)
{
    const QString missing = dir.path() + "/no such folder/QuarvexFathers.txt";
    frm->game.objRecords.Set_File(missing.toStdString());
    Dialog_Answers answers({Enter_Name("Bob"), Close_It});
    frm->Finish_Game(500);
    EXPECT_EQ(answers.Seen, (std::vector<QString>{"qv::frmEnterName", "qv::frmGameOver"}));
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_EQ(Stored_Records().colRecordNames, std::vector<std::string>{"Pelko"});
}

TEST_F(frmMain, Window_Region_keeps_untagged_labels_and_rounded_frames_and_drops_the_rest)
{
    QWidget window;
    auto* connector = new QLabel(&window);
    connector->setGeometry(0, 0, 10, 2);
    connector->setProperty("Tag", QString());
    auto* tagged = new QLabel(&window);
    tagged->setGeometry(300, 300, 10, 10);
    tagged->setProperty("Tag", QString("help"));
    auto* untaggedless = new QLabel(&window);
    untaggedless->setGeometry(200, 200, 10, 10);
    auto* panel = new QFrame(&window);
    panel->setObjectName("fraLeft");
    panel->setGeometry(50, 50, 100, 100);
    panel->setProperty("Tag", QString());

    const QRegion r = qv::frmMain::Window_Region(window, 0, 0);
    EXPECT_TRUE(r.contains(QPoint(5, 1)));
    EXPECT_FALSE(r.contains(QPoint(305, 305)));
    EXPECT_FALSE(r.contains(QPoint(205, 205)));
    EXPECT_TRUE(r.contains(QPoint(100, 100)));
    EXPECT_FALSE(r.contains(QPoint(52, 100))); // inset 3 from the left edge
    EXPECT_TRUE(r.contains(QPoint(154, 100))); // 6 beyond the right edge
    EXPECT_FALSE(r.contains(QPoint(54, 50)));  // rounded corner
    // Offsets move labels whole, and only the left edge of rounded pieces.
    const QRegion shifted = qv::frmMain::Window_Region(window, 24, 5);
    EXPECT_TRUE(shifted.contains(QPoint(6, 25)));
    EXPECT_FALSE(shifted.contains(QPoint(5, 1)));
    EXPECT_TRUE(shifted.contains(QPoint(155, 100)));
    EXPECT_FALSE(shifted.contains(QPoint(159, 100)));
}

TEST_F(frmMain, RebuildWindowRgn_shows_panels_and_connectors_only)
{
    const QRegion shape = frm->mask();
    EXPECT_TRUE(shape.contains(frm->fraLeft->geometry().center()));
    EXPECT_TRUE(shape.contains(frm->fraBottomRight->geometry().center()));
    EXPECT_TRUE(shape.contains(frm->Label5->geometry().center()));
    EXPECT_TRUE(shape.contains(frm->Label3->geometry().center()));
    EXPECT_FALSE(shape.contains(QPoint(5, frm->height() - 5)));
    EXPECT_FALSE(shape.contains(QPoint(frm->Label5->x() + 3, 30)));
}

TEST_F(frmMain, Form_Resize_minimising_pauses_and_takes_the_side_windows_along)
{
    frm->chkStat->setChecked(true);
    frm->setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(frm->chkPause->isChecked());
    EXPECT_FALSE(frm->tmrDown.isActive());
    EXPECT_TRUE(frm->winStatistic->isHidden());

    frm->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(frm->chkPause->isChecked());
    EXPECT_TRUE(frm->winStatistic->isVisible());
    EXPECT_EQ(frm->size(), frm->minimumSize());
}

TEST_F(frmMain, Help_Widgets_carry_help_texts_and_only_panels_and_connectors_have_none)
{
    const auto help = frm->Help_Widgets();
    ASSERT_EQ(help.size(), 38u);
    for (QWidget* w : help)
        EXPECT_FALSE(w->property("Tag").toString().isEmpty()) << w->metaObject()->className();
    EXPECT_EQ(help.front(), frm->picQuarvex);
    EXPECT_TRUE(frm->chkSet->property("Tag").toString().startsWith(QString::fromUtf8("Hастройка")));
    int untagged = 0, tagged = 0;
    for (QWidget* w : frm->findChildren<QWidget*>()) {
        if (w->isWindow() || !w->property("Tag").isValid())
            continue;
        const bool empty = w->property("Tag").toString().isEmpty();
        untagged += empty;
        tagged += !empty;
        if (empty) {
            EXPECT_EQ(w->parentWidget(), frm.get()) << "an untagged widget would join the window shape";
        }
    }
    EXPECT_EQ(untagged, 9);
    EXPECT_EQ(tagged, 38);
}
