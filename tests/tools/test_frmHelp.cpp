#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "game/QtPicture.h"
#include "game/frmMain.h"
#include "records/frmQuarvexFathers.h"
#include "shell/QtUnits.h"
#include "support/DialogAnswers.h"
#include "tools/frmHelp.h"

using qv::Color;
using qv::Rgb;

namespace {

constexpr Color WHITE = Rgb(255, 255, 255);

// What the reader saw on one page of the tour.
struct Page {
    QString text;
    std::vector<QWidget*> lit;
    Color records = 0;
    QRect place; // the help window's frame once unrolled
};

QRect Global_Rect(const QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); }

// A shown main window whose help tour is read by a scripted reader: on each page it
// notes the text and the lit widgets, then acts (by default "Далее").
class frmHelpTour : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        frm = std::make_unique<qv::frmMain>(dir.path());
        frm->show();
        frm->game.tmrDownEnabled = false;
        frm->tmrDown.stop();
    }

    // Every widget of the main window that could be lit, skipped ones included.
    std::vector<QWidget*> All_Widgets() const
    {
        std::vector<QWidget*> all = Expected_Order();
        for (QWidget* w : std::vector<QWidget*>{frm->fraQuarvex, frm->fraLeft, frm->fraBottom, frm->fraBottomRight,
                                                frm->Label1, frm->Label2, frm->Label3, frm->Label4, frm->Label5,
                                                frm->lblTotal, frm->lblHeightBonus})
            all.push_back(w);
        return all;
    }

    // The tour's order after the records page: the explained widgets of the main window.
    std::vector<QWidget*> Expected_Order() const
    {
        auto& m = *frm;
        return {m.picQuarvex,       m.fraControl,       m.cmdDown,          m.cmdLeftRight[2], m.cmdLeftRight[0],
                m.cmdRotate[0],     m.cmdSpace,         m.lblPause,         m.frmMenu,         m.chkMP3,
                m.chkExit,          m.chkFuture,        m.chkAuto,          m.chkStat,         m.chkRec,
                m.chkSet,           m.chkDemo,          m.chkHelp,          m.chkPause,        m.fraScore,
                m.lblScore,         m.fraLines,         m.lblCountLines[1], m.lblCountLines[2], m.lblCountLines[3],
                m.lblCountLines[4], m.picNext,          m.lblFirma,         m.lblSumBonus,     m.lblLevel,
                m.lblPosition,      m.lblRemain,        m.lblNextPlace,     m.lblAutors,       m.lblTimeBonus,
                m.lblTotalScore};
    }

    static bool Is_White(QWidget* w)
    {
        if (auto* p = qobject_cast<qv::QtPicture*>(w))
            return p->BackColor() == WHITE;
        const auto role = qobject_cast<QAbstractButton*>(w) ? QPalette::Button : QPalette::Window;
        return w->autoFillBackground() && qv::frmMain::Role_Color(w, role) == WHITE;
    }

    struct Look {
        QPalette palette;
        bool autoFill;
        Color pictureBack;
    };
    std::vector<Look> Looks() const
    {
        std::vector<Look> looks;
        for (QWidget* w : All_Widgets()) {
            auto* p = qobject_cast<qv::QtPicture*>(w);
            looks.push_back({w->palette(), w->autoFillBackground(), p ? p->BackColor() : 0});
        }
        return looks;
    }

    // Ticks "Help" and reads every page; act(n) ends page n (0 is the records page).
    void Run(std::function<void(int, qv::frmHelp&)> act)
    {
        // Every act ends its page, so a help window seen shown is always a new page.
        QTimer reader;
        QObject::connect(&reader, &QTimer::timeout, [&] {
            qv::frmHelp* help = qv::frmHelp::Current();
            if (!help || !help->isVisible())
                return;
            while (help->tmrResize.isActive())
                help->tmrResize_Timer();
            Page page{help->txtText->toPlainText(), {}, frm->winRecords->Back_Color(), help->frameGeometry()};
            for (QWidget* w : All_Widgets())
                if (Is_White(w))
                    page.lit.push_back(w);
            pages.push_back(page);
            if (pages.size() > 60)
                qv::frmHelp::Close_Tour(); // a tour that never ends fails instead of hanging
            else
                act(int(pages.size()) - 1, *help);
        });
        reader.start(0);
        frm->chkHelp->click();
        reader.stop();
    }

    QTemporaryDir dir;
    std::unique_ptr<qv::frmMain> frm;
    std::vector<Page> pages;
};

} // namespace

TEST_F(frmHelpTour, Next_visits_each_explained_widget_once_in_order_lit_white_then_restores_every_colour)
{
    const auto before = Looks();
    const QImage board = frm->picQuarvex->Image().copy();
    const QImage next = frm->picNext->Image().copy();
    frm->winRecords->Set_Back_Color(Rgb(10, 200, 30));
    Run([](int, qv::frmHelp& h) { h.cmdNext->click(); });

    const auto order = Expected_Order();
    ASSERT_EQ(pages.size(), order.size() + 1);
    EXPECT_EQ(pages[0].text.toStdString(),
              "Лучшие игроки. Если запустить Quarvex Zeb Ostrela.exe на удаленном компьютере, то и результат "
              "запишется в таблицу рекордов на удаленном компьютере. Чтобы очистить таблицу надо удалить файл "
              "QuarvexFathers.txt ( он в папке с Quarvex'ом ).");
    EXPECT_TRUE(pages[0].lit.empty());
    EXPECT_EQ(pages[0].records, WHITE);
    const QRect screen = frm->screen()->availableGeometry();
    for (size_t i = 0; i < order.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(pages[i + 1].lit, std::vector<QWidget*>{order[i]});
        EXPECT_EQ(pages[i + 1].text, order[i]->property("Tag").toString());
        EXPECT_TRUE(!order[i]->isVisible() || !pages[i + 1].place.intersects(Global_Rect(order[i])))
            << "the help window covers the widget it explains";
        EXPECT_TRUE(screen.contains(pages[i + 1].place));
    }
    EXPECT_EQ(pages[2].text.toStdString(), "Управление - стрелочными клавишами ( мышкой их тоже можно нажимать ).");
    EXPECT_EQ(pages.back().text.toStdString(), "Суммарный бонус за время.");

    const auto after = Looks();
    const auto all = All_Widgets();
    for (size_t i = 0; i < all.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(after[i].palette, before[i].palette);
        EXPECT_EQ(after[i].autoFill, before[i].autoFill);
        EXPECT_EQ(after[i].pictureBack, before[i].pictureBack);
    }
    EXPECT_EQ(frm->picQuarvex->Image(), board) << "board, grid and figure not redrawn";
    EXPECT_EQ(frm->picNext->Image(), next) << "preview left wiped";
    EXPECT_EQ(frm->winRecords->Back_Color(), Rgb(0, 0, 0));
    EXPECT_FALSE(frm->chkHelp->isChecked());
    EXPECT_EQ(qv::frmHelp::Current(), nullptr);
}

TEST_F(frmHelpTour, Close_on_the_records_page_ends_the_tour_without_lighting_anything)
{
    const auto before = Looks();
    frm->chkExit->setFocus();
    Run([](int, qv::frmHelp& h) { h.cmdClose->click(); });
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(pages[0].lit.empty());
    EXPECT_FALSE(frm->chkHelp->isChecked());
    EXPECT_EQ(frm->focusWidget(), frm->picQuarvex);
    const auto after = Looks();
    for (size_t i = 0; i < after.size(); ++i)
        EXPECT_EQ(after[i].palette, before[i].palette) << i;
}

TEST_F(frmHelpTour, Enter_goes_on_Escape_stays_and_the_close_box_or_a_lost_game_ends_the_tour_restoring_the_lit_widget)
{
    bool escapeKeptThePage = false;
    Run([&](int n, qv::frmHelp& h) {
        if (n == 0) {
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(&h, &enter); // Enter moves on like "Далее"
        } else if (n == 1) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(&h, &escape); // the game's pause key
            escapeKeptThePage = h.isVisible() && !h.blnClose;
            h.cmdNext->click();
        } else if (n == 2) {
            h.close();
        } else {
            h.cmdNext->click();
        }
    });
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_TRUE(escapeKeptThePage);
    EXPECT_FALSE(Is_White(frm->cmdDown));
    EXPECT_FALSE(frm->chkHelp->isChecked());

    // The game is lost while the board is lit: its dialogs already see the board's own look.
    pages.clear();
    std::vector<bool> litInDialogs;
    auto note = [&](QWidget* dialog) {
        litInDialogs.push_back(Is_White(frm->picQuarvex));
        qobject_cast<qv::frmGameOver*>(dialog) ? Say_Yes(dialog) : Close_It(dialog);
    };
    Run([&](int n, qv::frmHelp& h) {
        if (n == 1) {
            Dialog_Answers answers({note, note});
            frm->Finish_Game(0);
        } else {
            h.cmdNext->click();
        }
    });
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(litInDialogs, std::vector<bool>(litInDialogs.size(), false));
    EXPECT_FALSE(litInDialogs.empty());
    EXPECT_NE(frm->picQuarvex->BackColor(), WHITE);
    EXPECT_FALSE(frm->chkHelp->isChecked());
}

TEST(frmHelp, tmrResize_unrolls_from_a_bare_strip_in_31_steps_of_100_twips)
{
    qv::frmHelp help(nullptr);
    help.strText = "text";
    help.Form_Load();
    EXPECT_EQ(help.Height_Twips(), 0);
    EXPECT_TRUE(help.tmrResize.isActive());
    EXPECT_EQ(help.tmrResize.interval(), 15);
    EXPECT_EQ(help.txtText->toPlainText(), "text");
    for (int step = 1; step <= 30; ++step)
        help.tmrResize_Timer();
    EXPECT_TRUE(help.tmrResize.isActive()) << "stopped at 3000 twips, not above 3030";
    help.tmrResize_Timer();
    EXPECT_FALSE(help.tmrResize.isActive());
    EXPECT_EQ(help.height(), qv::Px(2700));
    EXPECT_EQ(help.txtText->width(), qv::Px(3480));
}
