#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "game/QtPicture.h"
#include "game/frmMain.h"
#include "records/frmFuture.h"
#include "support/DialogAnswers.h"
#include "tools/clsSeq.h"
#include "tools/frmSeq.h"

using qv::Rgb;

namespace {

// The classic figures as pictures, row 0 first, columns 0..3 left to right.
const std::array<std::array<const char*, 4>, 7> FIGURE_ROWS = {{
    {".##.", ".#..", ".#..", "...."},
    {"....", ".#..", ".#..", ".##."},
    {".#..", ".#..", ".#..", ".#.."},
    {"....", ".##.", "..##", "...."},
    {"....", "..##", ".##.", "...."},
    {"....", "..#.", ".##.", "..#."},
    {"....", ".##.", ".##.", "...."},
}};

// Filled cells of a button's picture as rows of "#" and ".", read at the cell centres.
std::array<std::string, 4> Cells(const QPushButton* b)
{
    const QImage image = b->icon().pixmap(b->iconSize()).toImage();
    const int cw = image.width() / 4, ch = image.height() / 4;
    const QRgb empty = image.pixel(image.width() - 1, image.height() - 1);
    std::array<std::string, 4> rows;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
            rows[row] += image.pixel(col * cw + cw / 2, row * ch + ch / 2) == empty ? '.' : '#';
    return rows;
}

std::array<std::string, 4> Rows_Of(int figure)
{
    const auto& r = FIGURE_ROWS[size_t(figure)];
    return {r[0], r[1], r[2], r[3]};
}

// Figures shown on the editor's visible sequence places, read from their pictures.
std::vector<int> Shown(const qv::frmSeq& ed)
{
    std::vector<int> out;
    for (QPushButton* b : ed.cmdDest) {
        if (b->isHidden())
            break;
        int figure = -1;
        for (int n = 0; n < 7; ++n)
            if (Cells(b) == Rows_Of(n))
                figure = n;
        out.push_back(figure);
    }
    return out;
}

int Visible_Places(const qv::frmSeq& ed)
{
    int n = 0;
    for (QPushButton* b : ed.cmdDest)
        n += b->isHidden() ? 0 : 1;
    return n;
}

} // namespace

TEST(frmSeq, figure_buttons_show_the_seven_classic_figures_in_number_order)
{
    qv::clsSeq seq;
    bool on = false;
    qv::frmSeq ed(seq, on);
    EXPECT_EQ(ed.windowTitle().toStdString(), "Определение последовательности появления фигурок");
    for (int n = 0; n < 7; ++n)
        EXPECT_EQ(Cells(ed.cmdBase[size_t(n)]), Rows_Of(n)) << "figure " << n;
}

TEST(frmSeq, clicks_build_the_sequence_remove_closes_up_and_an_empty_list_switches_the_mode_off)
{
    qv::clsSeq seq;
    bool on = false;
    qv::frmSeq ed(seq, on);
    EXPECT_EQ(Visible_Places(ed), 0);
    EXPECT_FALSE(ed.cmdOK->isEnabled());
    for (int n : {2, 0, 5, 1, 3})
        ed.cmdBase[size_t(n)]->click();
    EXPECT_EQ(Shown(ed), (std::vector<int>{2, 0, 5, 1, 3}));
    EXPECT_TRUE(ed.cmdOK->isEnabled());
    EXPECT_TRUE(ed.cmdNo->isEnabled());
    EXPECT_EQ(ed.lblState->text().toStdString(), "Последовательность отключена");

    ed.cmdDest[2]->click(); // item 3 of 5
    EXPECT_EQ(Shown(ed), (std::vector<int>{2, 0, 1, 3}));
    EXPECT_EQ(Visible_Places(ed), 4);
    EXPECT_EQ(seq.GetCount(), 4);

    for (int i = 0; i < 8; ++i)
        ed.cmdBase[6]->click();
    EXPECT_EQ(seq.GetCount(), 10) << "an eleventh figure must not be added";
    EXPECT_EQ(Visible_Places(ed), 10);

    // Reopening shows the sequence as it was left.
    qv::frmSeq again(seq, on);
    EXPECT_EQ(Shown(again), (std::vector<int>{2, 0, 1, 3, 6, 6, 6, 6, 6, 6}));

    on = true;
    ed.CheckCount();
    EXPECT_EQ(ed.lblState->text().toStdString(), "Последовательность включена");
    EXPECT_EQ(qv::frmMain::Role_Color(ed.lblState, QPalette::WindowText), Rgb(0, 0, 255));
    for (int i = 0; i < 10 && seq.GetCount() > 0; ++i)
        ed.cmdDest[0]->click();
    EXPECT_EQ(Visible_Places(ed), 0);
    EXPECT_FALSE(on);
    EXPECT_FALSE(ed.cmdOK->isEnabled());
    EXPECT_FALSE(ed.cmdNo->isEnabled());
    EXPECT_EQ(ed.lblState->text().toStdString(), "Последовательность отключена");
    EXPECT_EQ(qv::frmMain::Role_Color(ed.lblState, QPalette::WindowText), Rgb(255, 0, 0));
}

TEST(frmSeq, closing_without_a_button_keeps_the_mode)
{
    qv::clsSeq seq;
    seq.PutItem(4);
    bool on = true;
    qv::frmSeq ed(seq, on);
    ed.show();
    ed.close();
    EXPECT_TRUE(on);
}

TEST(frmSeq, Enable_makes_a_running_game_take_the_cycle_and_marks_the_future_window)
{
    QTemporaryDir dir;
    qv::frmMain m(dir.path());
    m.show();
    m.tmrDown.stop();
    const auto mark = [&] {
        const QImage& image = m.winFuture->picFuture->Image();
        return image.pixelColor(m.winFuture->picFuture->Pixel_X(55), m.winFuture->picFuture->Pixel_Y(55));
    };
    EXPECT_NE(mark(), QColor(255, 0, 0));

    // The editor as the settings window opens it, worked by the player.
    std::function<void(qv::frmSeq&)> play = [](qv::frmSeq& ed) {
        for (int n : {2, 0, 5})
            ed.cmdBase[size_t(n)]->click();
        ed.cmdOK->click();
    };
    QTimer player;
    QObject::connect(&player, &QTimer::timeout, [&] {
        if (auto* ed = qobject_cast<qv::frmSeq*>(QApplication::activeModalWidget()))
            play(*ed);
    });
    player.start(0);
    qv::frmSeq::Show_Modal(m);
    EXPECT_TRUE(m.game.bUseSequence);
    EXPECT_EQ(mark(), QColor(255, 0, 0));

    const std::map<std::string, int> figure = {{"0000111010000000", 0}, {"0000111100000000", 2},
                                               {"0000001001110000", 5}};
    std::vector<int> came;
    for (int i = 0; i < 7; ++i) {
        m.game.Shift_Queue();
        const auto& f = m.game.arrQueue[5];
        came.push_back(figure.count(f.Pattern) ? figure.at(f.Pattern) : -1);
        EXPECT_FALSE(f.IsQuarvex);
        EXPECT_EQ(f.Bonus, 0);
    }
    EXPECT_EQ(came, (std::vector<int>{2, 0, 5, 2, 0, 5, 2}));

    play = [](qv::frmSeq& ed) { ed.cmdNo->click(); };
    qv::frmSeq::Show_Modal(m);
    player.stop();
    EXPECT_FALSE(m.game.bUseSequence);
    EXPECT_NE(mark(), QColor(255, 0, 0));
}

TEST(frmSeq, a_lost_game_closes_the_editor_before_its_dialogs_and_keeps_the_mode)
{
    QTemporaryDir dir;
    qv::frmMain m(dir.path());
    m.show();
    m.tmrDown.stop();
    m.game.objSeq.PutItem(4);
    m.game.bUseSequence = true;
    std::vector<bool> shown; // the editor at the loss, then in each end-of-game dialog
    auto editor_shown = [&] { return m.findChild<qv::frmSeq*>() && m.findChild<qv::frmSeq*>()->isVisible(); };
    auto note = [&](QWidget* dialog) {
        shown.push_back(editor_shown());
        qobject_cast<qv::frmGameOver*>(dialog) ? Say_Yes(dialog) : Close_It(dialog);
    };
    QTimer::singleShot(0, [&] {
        shown.push_back(editor_shown());
        Dialog_Answers answers({note, note});
        m.Finish_Game(0);
        if (QWidget* left = QApplication::activeModalWidget())
            left->close(); // an editor left open fails below instead of waiting
    });
    qv::frmSeq::Show_Modal(m);
    ASSERT_GE(shown.size(), 2u);
    std::vector<bool> expected(shown.size(), false);
    expected[0] = true;
    EXPECT_EQ(shown, expected);
    EXPECT_TRUE(m.game.bUseSequence);
}
