#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "game/QtPicture.h"

using namespace qv;

namespace {

constexpr Color Grey = Rgb(128, 128, 128);
constexpr Color Black = Rgb(0, 0, 0);
constexpr Color Yellow = Rgb(255, 255, 0);
constexpr Color Cyan = Rgb(0, 255, 255);
constexpr Color Scarlet = Rgb(255, 0, 0);

Color At(QtPicture& pic, int x, int y) { return Color(pic.Image().pixel(x, y) & 0xFFFFFF); }

// 200 x 100 pixels over 2000 x 1000 units: ten units a pixel, grey back, black fill.
struct Picture : ::testing::Test {
    QtPicture pic{2000, 1000};
    void SetUp() override
    {
        pic.resize(200, 100);
        pic.SetFillColor(Black);
        pic.SetBackColor(Grey);
    }
};

} // namespace

TEST_F(Picture, OutlineBox_puts_the_border_colour_on_the_scaled_edges_and_the_fill_colour_inside)
{
    pic.OutlineBox(100, 200, 500, 600, Yellow);
    EXPECT_EQ(At(pic, 10, 20), Yellow);
    EXPECT_EQ(At(pic, 50, 60), Yellow);
    EXPECT_EQ(At(pic, 30, 20), Yellow);
    EXPECT_EQ(At(pic, 10, 40), Yellow);
    EXPECT_EQ(At(pic, 30, 40), Black);
    EXPECT_EQ(At(pic, 11, 21), Black);
    EXPECT_EQ(At(pic, 9, 20), Grey);
    EXPECT_EQ(At(pic, 51, 60), Grey);
    EXPECT_EQ(At(pic, 30, 61), Grey);
}

TEST_F(Picture, OutlineBox_scales_x_and_y_each_by_their_own_scale)
{
    pic.Set_Scale(1000, 2000);
    pic.OutlineBox(100, 400, 200, 800, Cyan);
    EXPECT_EQ(At(pic, 20, 20), Cyan);
    EXPECT_EQ(At(pic, 40, 40), Cyan);
    EXPECT_EQ(At(pic, 30, 30), Black);
    EXPECT_EQ(At(pic, 19, 20), Grey);
}

TEST_F(Picture, OutlineBox_with_swapped_corners_draws_the_same_box)
{
    pic.OutlineBox(500, 600, 100, 200, Yellow);
    EXPECT_EQ(At(pic, 10, 20), Yellow);
    EXPECT_EQ(At(pic, 50, 60), Yellow);
    EXPECT_EQ(At(pic, 30, 40), Black);
}

TEST_F(Picture, OutlineBox_takes_the_fill_colour_current_at_drawing_time)
{
    pic.SetFillColor(Rgb(150, 52, 152));
    pic.OutlineBox(100, 100, 400, 400, Rgb(255, 255, 255));
    pic.SetFillColor(Rgb(255, 255, 255));
    pic.OutlineBox(600, 100, 900, 400, Scarlet);
    EXPECT_EQ(At(pic, 25, 25), Rgb(150, 52, 152));
    EXPECT_EQ(At(pic, 75, 25), Rgb(255, 255, 255));
    EXPECT_EQ(At(pic, 60, 25), Scarlet);
}

TEST_F(Picture, OutlineBox_with_transparent_fill_leaves_the_inside_as_it_was)
{
    pic.FilledBox(0, 0, 2000, 1000, Scarlet);
    pic.Set_Fill_Transparent(true);
    pic.OutlineBox(100, 200, 500, 600, Yellow);
    EXPECT_EQ(At(pic, 30, 40), Scarlet);
    EXPECT_EQ(At(pic, 10, 40), Yellow);
}

TEST_F(Picture, FilledBox_covers_its_whole_square_corners_included)
{
    pic.FilledBox(100, 200, 500, 600, Scarlet);
    for (int x = 10; x <= 50; ++x)
        for (int y = 20; y <= 60; ++y) ASSERT_EQ(At(pic, x, y), Scarlet) << x << "," << y;
    EXPECT_EQ(At(pic, 9, 30), Grey);
    EXPECT_EQ(At(pic, 51, 30), Grey);
    EXPECT_EQ(At(pic, 30, 19), Grey);
    EXPECT_EQ(At(pic, 30, 61), Grey);
}

TEST_F(Picture, FilledBox_in_the_back_colour_erases_an_outline_box_of_the_same_corners)
{
    pic.OutlineBox(280, 280, 2220 / 3.0, 2220 / 3.0, Cyan);
    pic.FilledBox(280, 280, 2220 / 3.0, 2220 / 3.0, pic.BackColor());
    for (int x = 0; x < 200; ++x)
        for (int y = 0; y < 100; ++y) ASSERT_EQ(At(pic, x, y), Grey) << x << "," << y;
}

TEST_F(Picture, FilledBox_rounds_fractional_corners_to_the_nearest_pixel)
{
    pic.Set_Scale(200, 100);
    pic.FilledBox(47.6, 20.4, 52.4, 30.5, Scarlet);
    EXPECT_EQ(At(pic, 47, 25), Grey);
    EXPECT_EQ(At(pic, 48, 25), Scarlet);
    EXPECT_EQ(At(pic, 52, 25), Scarlet);
    EXPECT_EQ(At(pic, 53, 25), Grey);
    EXPECT_EQ(At(pic, 50, 19), Grey);
    EXPECT_EQ(At(pic, 50, 20), Scarlet);
    EXPECT_EQ(At(pic, 50, 30), Scarlet);
    EXPECT_EQ(At(pic, 50, 31), Grey);
}

TEST_F(Picture, Line_draws_one_pixel_wide_at_the_scaled_place)
{
    pic.Line(0, 300, 2000, 300, Cyan);
    pic.Line(700, 0, 700, 1000, Yellow);
    EXPECT_EQ(At(pic, 0, 30), Cyan);
    EXPECT_EQ(At(pic, 150, 30), Cyan);
    EXPECT_EQ(At(pic, 150, 29), Grey);
    EXPECT_EQ(At(pic, 150, 31), Grey);
    EXPECT_EQ(At(pic, 70, 0), Yellow);
    EXPECT_EQ(At(pic, 70, 99), Yellow);
    EXPECT_EQ(At(pic, 69, 50), Grey);
    EXPECT_EQ(At(pic, 71, 50), Grey);
}

TEST_F(Picture, Clear_restores_the_back_colour_everywhere)
{
    pic.FilledBox(0, 0, 1000, 500, Scarlet);
    pic.Line(0, 0, 2000, 1000, Cyan);
    pic.Clear();
    for (int x = 0; x < 200; ++x)
        for (int y = 0; y < 100; ++y) ASSERT_EQ(At(pic, x, y), Grey) << x << "," << y;
}

TEST_F(Picture, SetBackColor_wipes_the_picture_in_the_new_colour_and_reports_it)
{
    pic.FilledBox(0, 0, 1000, 500, Scarlet);
    pic.SetBackColor(Rgb(255, 255, 255));
    EXPECT_EQ(pic.BackColor(), Rgb(255, 255, 255));
    EXPECT_EQ(At(pic, 20, 20), Rgb(255, 255, 255));
    EXPECT_EQ(At(pic, 199, 99), Rgb(255, 255, 255));
    EXPECT_EQ(pic.palette().color(QPalette::Window), QColor(255, 255, 255));
}

TEST_F(Picture, drawing_persists_across_a_resize_and_the_new_area_takes_the_back_colour)
{
    pic.FilledBox(100, 200, 500, 600, Scarlet);
    pic.resize(300, 150);
    EXPECT_EQ(pic.Image().size(), QSize(300, 150));
    EXPECT_EQ(At(pic, 30, 40), Scarlet);
    EXPECT_EQ(At(pic, 250, 120), Grey);
    pic.FilledBox(1000, 500, 1000, 500, Cyan);
    EXPECT_EQ(At(pic, 150, 75), Cyan);
}

TEST_F(Picture, painting_shows_the_persistent_image)
{
    pic.OutlineBox(100, 200, 500, 600, Yellow);
    pic.show();
    QImage shown = pic.grab().toImage();
    EXPECT_EQ(Color(shown.pixel(10, 20) & 0xFFFFFF), Yellow);
    EXPECT_EQ(Color(shown.pixel(30, 40) & 0xFFFFFF), Black);
    EXPECT_EQ(Color(shown.pixel(100, 90) & 0xFFFFFF), Grey);
    pic.update();
    shown = pic.grab().toImage();
    EXPECT_EQ(Color(shown.pixel(10, 20) & 0xFFFFFF), Yellow);
}

TEST(QtPicture, takes_strong_focus_and_ignores_a_scale_that_is_not_positive)
{
    QtPicture pic(3760, 7760);
    EXPECT_EQ(pic.focusPolicy(), Qt::StrongFocus);
    pic.Set_Scale(0, -5);
    EXPECT_EQ(pic.Scale_Width(), 3760);
    EXPECT_EQ(pic.Scale_Height(), 7760);
    pic.resize(250, 516);
    pic.Set_Scale(3750, 7740);
    EXPECT_EQ(pic.Pixel_X(3750), 250);
    EXPECT_EQ(pic.Pixel_Y(7740), 516);
    EXPECT_EQ(pic.Pixel_X(250), 17);
}
