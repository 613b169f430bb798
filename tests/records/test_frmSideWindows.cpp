#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QVBoxLayout>

#include "game/QtPicture.h"
#include "records/frmFuture.h"
#include "records/frmQuarvexFathers.h"
#include "records/frmStatistic.h"

using namespace qv;

namespace {

void Run_Deferred_Deletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// A stand-in main window with two focusable widgets; the second is the focus target.
struct MainStandIn {
    QWidget window;
    QLineEdit* first = new QLineEdit(&window);
    QLineEdit* board = new QLineEdit(&window);
    MainStandIn()
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(first);
        layout->addWidget(board);
        window.show();
        first->setFocus();
    }
    bool Board_Has_Focus() const { return window.focusWidget() == board; }
};

void Send_Focus_In(QWidget* w)
{
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(w, &in);
}

void Send_Mouse_Release(QWidget* w)
{
    QPointF at(5, 5);
    QMouseEvent up(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                   Qt::NoModifier);
    QApplication::sendEvent(w, &up);
}

// True when each line the list shows lies wholly inside its view.
bool Shows_Whole_Lines(const QListWidget* list)
{
    const QRect view = list->viewport()->rect();
    for (int i = 0; i < list->count(); ++i) {
        const QRect line = list->visualItemRect(list->item(i));
        if (line.intersects(view) && (line.top() < view.top() || line.bottom() > view.bottom()))
            return false;
    }
    return true;
}

} // namespace

TEST(frmSideWindow, close_box_hides_the_records_window_keeps_its_list_and_reports_once)
{
    auto* rec = new frmQuarvexFathers;
    QPointer<frmQuarvexFathers> alive(rec);
    int closes = 0;
    rec->OnUserClose = [&] { ++closes; };
    rec->Set_Lines({"1. Pelko          0", "2. Zeb            0"});
    rec->Select(1);
    rec->show();

    EXPECT_FALSE(rec->close());
    Run_Deferred_Deletes();
    ASSERT_TRUE(alive);
    EXPECT_FALSE(rec->isVisible());
    EXPECT_EQ(closes, 1);

    rec->show();
    EXPECT_TRUE(rec->isVisible());
    EXPECT_EQ(rec->Count(), 2);
    EXPECT_EQ(rec->Line(1), "2. Zeb            0");
    EXPECT_EQ(rec->Selected(), 1);

    QCloseEvent again;
    QApplication::sendEvent(rec, &again);
    EXPECT_FALSE(again.isAccepted());
    EXPECT_EQ(closes, 2);
    delete rec;
}

TEST(frmSideWindow, Unload_closes_for_real_without_reporting_a_user_close)
{
    auto* stat = new frmStatistic;
    QPointer<frmStatistic> alive(stat);
    int closes = 0;
    stat->OnUserClose = [&] { ++closes; };
    stat->show();
    stat->Unload();
    EXPECT_FALSE(stat->isVisible());
    EXPECT_TRUE(stat->Unloaded());
    Run_Deferred_Deletes();
    EXPECT_FALSE(alive);
    EXPECT_EQ(closes, 0);
}

TEST(frmSideWindow, close_without_a_callback_still_only_hides)
{
    frmFuture future;
    future.show();
    future.close();
    EXPECT_FALSE(future.isVisible());
    EXPECT_FALSE(future.Unloaded());
}

TEST(frmSideWindow, focus_in_of_the_list_goes_to_the_focus_target)
{
    MainStandIn main;
    frmStatistic stat;
    stat.FocusTarget = main.board;
    stat.show();
    ASSERT_FALSE(main.Board_Has_Focus());
    Send_Focus_In(stat.lstStatistic);
    EXPECT_TRUE(main.Board_Has_Focus());
}

TEST(frmSideWindow, click_into_the_list_returns_the_focus_and_keeps_the_list_usable)
{
    MainStandIn main;
    frmStatistic stat;
    stat.FocusTarget = main.board;
    for (int i = 1; i <= 40; ++i) stat.Add(std::to_string(i) + ". +204 (3)");
    stat.show();
    Send_Mouse_Release(stat.lstStatistic->viewport());
    EXPECT_TRUE(main.Board_Has_Focus());
    stat.Select_Last();
    EXPECT_EQ(stat.lstStatistic->currentRow(), 39);
}

TEST(frmSideWindow, focus_of_the_future_window_and_clicks_on_the_records_list_go_to_the_target)
{
    MainStandIn main;
    frmFuture future;
    future.FocusTarget = main.board;
    future.show();
    Send_Focus_In(&future);
    EXPECT_TRUE(main.Board_Has_Focus());

    main.first->setFocus();
    frmQuarvexFathers rec;
    rec.FocusTarget = main.board;
    rec.show();
    Send_Mouse_Release(rec.lstTable->viewport());
    EXPECT_TRUE(main.Board_Has_Focus());
}

TEST(frmSideWindow, focus_hand_over_without_a_target_is_ignored)
{
    frmStatistic stat;
    stat.show();
    Send_Focus_In(stat.lstStatistic);
    Send_Mouse_Release(stat.lstStatistic->viewport());
    EXPECT_TRUE(stat.isVisible());
}

TEST(frmSideWindow, windows_have_their_captions_client_sizes_and_fill_them_with_their_widget)
{
    frmQuarvexFathers rec;
    frmStatistic stat;
    frmFuture future;
    EXPECT_EQ(rec.windowTitle(), "The Best Of The Quarvex");
    EXPECT_EQ(stat.windowTitle(), "Statistic");
    EXPECT_EQ(future.windowTitle(), "Future");
    EXPECT_EQ(rec.size(), QSize(201, 145));
    EXPECT_EQ(stat.size(), QSize(201, 131));
    EXPECT_EQ(future.size(), QSize(201, 70));
    rec.Set_Lines({"1. Ann            500"});
    stat.Add("1. +204 (3)");
    for (QListWidget* list : {rec.lstTable, stat.lstStatistic}) { // as many whole lines as the height holds
        EXPECT_EQ(list->geometry().topLeft(), QPoint(0, 0));
        EXPECT_EQ(list->width(), 201);
        EXPECT_EQ(list->height() % list->sizeHintForRow(0), 0);
        EXPECT_LT(list->window()->height() - list->height(), list->sizeHintForRow(0));
    }
    EXPECT_EQ(future.picFuture->geometry(), future.rect());
    EXPECT_TRUE(rec.windowFlags() & Qt::WindowDoesNotAcceptFocus);
    EXPECT_TRUE(rec.isWindow());
}

TEST(frmSideWindow, lists_use_courier_new_bold_8_25_points)
{
    frmQuarvexFathers rec;
    frmStatistic stat;
    for (QListWidget* list : {rec.lstTable, stat.lstStatistic}) {
        EXPECT_EQ(list->font().family(), "Courier New");
        EXPECT_TRUE(list->font().bold());
        EXPECT_DOUBLE_EQ(list->font().pointSizeF(), 8.25);
    }
}

TEST(frmSideWindow, list_text_stays_readable_on_dark_and_on_light_back_colours)
{
    frmQuarvexFathers rec;
    rec.Set_Back_Color(Rgb(20, 40, 90));
    EXPECT_EQ(rec.Back_Color(), Rgb(20, 40, 90));
    EXPECT_EQ(rec.lstTable->palette().color(QPalette::Base), QColor(20, 40, 90));
    EXPECT_EQ(rec.lstTable->palette().color(QPalette::Text), QColor(Qt::white));
    rec.Set_Back_Color(Rgb(255, 255, 255));
    EXPECT_EQ(rec.lstTable->palette().color(QPalette::Text), QColor(Qt::black));

    frmStatistic stat;
    stat.Set_Back_Color(Rgb(140, 45, 230));
    EXPECT_EQ(stat.Back_Color(), Rgb(140, 45, 230));
    EXPECT_EQ(stat.lstStatistic->palette().color(QPalette::Base), QColor(140, 45, 230));
    EXPECT_EQ(stat.lstStatistic->palette().color(QPalette::Text), QColor(Qt::white));
}

TEST(frmQuarvexFathers, Set_Lines_replaces_the_list_and_Select_follows_the_place)
{
    frmQuarvexFathers rec;
    rec.Set_Lines({"old"});
    rec.Set_Lines({"1. Пелько         300", "2. Zeb            200", "3. Ostrela        100"});
    ASSERT_EQ(rec.Count(), 3);
    EXPECT_EQ(rec.Line(0), "1. Пелько         300");
    EXPECT_EQ(rec.Selected(), -1);
    rec.Select(2);
    EXPECT_EQ(rec.Selected(), 2);
    rec.Select(0);
    EXPECT_EQ(rec.Selected(), 0);
    rec.Select(3);
    EXPECT_EQ(rec.Selected(), -1);
    rec.Select(-1);
    EXPECT_EQ(rec.Selected(), -1);
    EXPECT_EQ(rec.Line(3), "");
    EXPECT_EQ(rec.Line(-1), "");
}

TEST(frmStatistic, Add_appends_without_moving_the_selection_and_Select_Last_takes_the_end)
{
    frmStatistic stat;
    stat.Select_Last();
    EXPECT_EQ(stat.Selected(), -1);
    stat.Add("**********************");
    stat.Add("***Staring Quarvex Zeb");
    stat.Select_Last();
    stat.Add("...Current place : 3");
    EXPECT_EQ(stat.Count(), 3);
    EXPECT_EQ(stat.Selected(), 1);
    EXPECT_EQ(stat.Line(2), "...Current place : 3");
    stat.Select_Last();
    EXPECT_EQ(stat.Selected(), 2);
    stat.Clear();
    EXPECT_EQ(stat.Count(), 0);
    EXPECT_EQ(stat.Line(0), "");
}

TEST(frmStatistic, Select_Last_scrolls_a_long_list_to_its_end_showing_whole_lines_only)
{
    frmStatistic stat;
    for (int i = 1; i <= 200; ++i) stat.Add(std::to_string(i) + ". +204 (3)");
    stat.show();
    EXPECT_TRUE(Shows_Whole_Lines(stat.lstStatistic)) << "at the top";
    stat.Select_Last();
    QListWidgetItem* last = stat.lstStatistic->item(199);
    QRect shown = stat.lstStatistic->visualItemRect(last);
    EXPECT_TRUE(stat.lstStatistic->viewport()->rect().contains(shown.center()));
    EXPECT_TRUE(Shows_Whole_Lines(stat.lstStatistic)) << "at the end";
}

TEST(frmFuture, picture_uses_the_twip_scale_takes_no_focus_and_keeps_the_back_inside_boxes)
{
    frmFuture future;
    QtPicture* pic = future.picFuture;
    EXPECT_EQ(pic->Scale_Width(), 3015);
    EXPECT_EQ(pic->Scale_Height(), 1050);
    EXPECT_EQ(pic->focusPolicy(), Qt::NoFocus);
    pic->SetBackColor(Rgb(5, 60, 40));
    pic->OutlineBox(150, 150, 750, 750, Rgb(255, 255, 255));
    EXPECT_EQ(pic->Image().pixel(10, 10) & 0xFFFFFF, Rgb(255, 255, 255));
    EXPECT_EQ(pic->Image().pixel(30, 30) & 0xFFFFFF, Rgb(5, 60, 40));
}

TEST(frmQuarvexFathers, a_line_wider_than_the_list_is_shown_whole_and_scrolls_sideways)
{
    frmQuarvexFathers rec;
    const std::string wide = "2. " + std::string(60, 'W') + " 1234";
    rec.Set_Lines({"1. Ann            500", wide, "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"});
    rec.show();
    QApplication::processEvents();
    QListWidget* list = rec.lstTable;
    const int needed = list->fontMetrics().horizontalAdvance(QString::fromStdString(wide));
    EXPECT_GE(list->visualItemRect(list->item(1)).width(), needed);
    EXPECT_EQ(list->textElideMode(), Qt::ElideNone);
    EXPECT_GT(list->horizontalScrollBar()->maximum(), 0);
    EXPECT_TRUE(Shows_Whole_Lines(list)) << "above the scroll bar";
}
