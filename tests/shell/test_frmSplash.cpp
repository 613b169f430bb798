#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

#include "shell/frmSplash.h"

using namespace qv;

TEST(frmSplash, Form_Load_shows_the_title_and_the_version_from_its_three_numbers)
{
    frmSplash splash;
    EXPECT_EQ(splash.lblProductName->text(), "Quarvex Zeb Ostrela");
    EXPECT_EQ(splash.lblVersion->text(), "Version 23.8.31");
    EXPECT_EQ(splash.lblPlatform->text(), "Platform Win9x, WinNT + DirectX 8.0");
    EXPECT_FALSE(splash.lblCompany->text().isEmpty());
    splash.lblVersion->clear();
    splash.Form_Load();
    EXPECT_EQ(splash.lblVersion->text(), "Version 23.8.31");
}

TEST(frmSplash, stands_centred_on_the_screen_with_its_texts_inside)
{
    frmSplash splash;
    splash.show();
    QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QPoint off = splash.frameGeometry().center() - area.center();
    EXPECT_LE(std::abs(off.x()), 1);
    EXPECT_LE(std::abs(off.y()), 1);
    for (QLabel* label : {splash.lblProductName, splash.lblVersion, splash.lblPlatform, splash.lblCompany})
        EXPECT_TRUE(splash.rect().contains(label->geometry())) << label->text().toStdString();
}

TEST(frmSplash, logo_shows_figure_cells)
{
    frmSplash splash;
    splash.show();
    QImage logo = splash.imgLogo->grab().toImage();
    int cyan = 0, yellow = 0;
    for (int y = 0; y < logo.height(); ++y)
        for (int x = 0; x < logo.width(); ++x) {
            QRgb c = logo.pixel(x, y) & 0xFFFFFF;
            cyan += c == 0x00FFFF;
            yellow += c == 0xFFFF00;
        }
    EXPECT_GT(cyan, 0);
    EXPECT_GT(yellow, 0);
}
