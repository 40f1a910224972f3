#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>

#include "platform/ole_color.h"
#include "platform/twips.h"

namespace zrl {
namespace {

TEST(Twips, FifteenTwipsPerPixel) {
    EXPECT_EQ(TwipsToPixels(3270), 218);
    EXPECT_EQ(TwipsToPixels(4305), 287);
    EXPECT_EQ(TwipsToPixels(240), 16);
    EXPECT_EQ(TwipsToPixels(255), 17);
    EXPECT_EQ(TwipsToPixels(195), 13);
    EXPECT_EQ(TwipsToPixels(0), 0);
    EXPECT_EQ(TwipsToPixels(7), 0);
    EXPECT_EQ(TwipsToPixels(8), 1) << "rounds to the nearest pixel";
    EXPECT_EQ(TwipRect(120, 360, 255, 195), QRect(8, 24, 17, 13));
    EXPECT_EQ(TwipSize(7350, 4755), QSize(490, 317));
}

TEST(OleColour, DirectColoursAreBgr) {
    EXPECT_EQ(ToQColor(0x000000FF), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(0x00800000), QColor(0, 0, 128));
    EXPECT_EQ(ToQColor(0x00C0C0C0), QColor(192, 192, 192));
    EXPECT_EQ(ToQColor(0x0080FF80), QColor(128, 255, 128));
    EXPECT_EQ(ToQColor(0x00FFFFFF), QColor(255, 255, 255));
    EXPECT_EQ(ToQColor(0x00123456), QColor(0x56, 0x34, 0x12));
}

TEST(OleColour, SystemColoursComeFromThePalette) {
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Base, QColor(4, 5, 6));
    palette.setColor(QPalette::HighlightedText, QColor(7, 8, 9));
    palette.setColor(QPalette::ToolTipBase, QColor(10, 11, 12));
    palette.setColor(QPalette::Window, QColor(13, 14, 15));
    EXPECT_EQ(ToQColor(0x8000000F, palette), QColor(1, 2, 3));
    EXPECT_EQ(ToQColor(0x80000005, palette), QColor(4, 5, 6));
    EXPECT_EQ(ToQColor(0x8000000E, palette), QColor(7, 8, 9));
    EXPECT_EQ(ToQColor(0x80000018, palette), QColor(10, 11, 12));
    EXPECT_EQ(ToQColor(0x800000FF, palette), QColor(13, 14, 15)) << "unknown index: window";
    EXPECT_EQ(ToQColor(0x8000000F), QApplication::palette().color(QPalette::Button));
}

}  // namespace
}  // namespace zrl
