// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QImage>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "gui/widgets/CColorButton.h"
#include "support/CScriptedPrompts.h"

namespace {
QImage Picture(CColorButton& button)
{
    return button.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

QColor At(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}
}  // namespace

TEST(ColorButton, PaintsSwatchAndEdges)
{
    CScriptedPrompts prompts;
    QWidget window;
    CColorButton button(prompts, &window);
    button.setGeometry(0, 0, 60, 30);
    window.show();
    button.SetColor(RGB(10, 200, 30));
    QImage image = Picture(button);
    // A screen reader hears the colour the swatch shows.
    EXPECT_EQ(button.accessibleDescription(), "Red 10, green 200, blue 30 (#0AC81E)");
    EXPECT_EQ(At(image, 30, 15), QColor(10, 200, 30));
    EXPECT_EQ(At(image, 5, 5), QColor(10, 200, 30));
    EXPECT_NE(At(image, 4, 15), QColor(10, 200, 30));  // 5 pixels in from every side
    EXPECT_NE(At(image, 55, 15), QColor(10, 200, 30));
    EXPECT_EQ(At(image, 0, 15), QColor(Qt::white));  // top and left edges white when up
    EXPECT_EQ(At(image, 1, 15), QColor(Qt::white));
    EXPECT_EQ(At(image, 30, 0), QColor(Qt::white));
    EXPECT_EQ(At(image, 30, 1), QColor(Qt::white));
    EXPECT_EQ(At(image, 59, 15), QColor(Qt::black));  // right and bottom black
    EXPECT_EQ(At(image, 58, 15), QColor(Qt::black));
    EXPECT_EQ(At(image, 30, 29), QColor(Qt::black));
    EXPECT_EQ(At(image, 30, 28), QColor(Qt::black));

    // Black swatch framed white and black; pressed, the whole frame is black.
    button.SetColor(RGB(0, 0, 0));
    button.setDown(true);
    image = Picture(button);
    EXPECT_EQ(At(image, 30, 15), QColor(Qt::black));
    EXPECT_EQ(At(image, 0, 15), QColor(Qt::black));
    EXPECT_EQ(At(image, 30, 0), QColor(Qt::black));
    EXPECT_EQ(At(image, 59, 15), QColor(Qt::black));
    button.setDown(false);
    EXPECT_EQ(At(Picture(button), 0, 15), QColor(Qt::white));

    // Disabled: nothing at all, only the window's background shows.
    button.setEnabled(false);
    image = Picture(button);
    bool drawn = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            drawn = drawn || image.pixel(x, y) != image.pixel(0, 0);
    EXPECT_FALSE(drawn);
    EXPECT_EQ(At(image, 0, 0), window.palette().color(QPalette::Window));
}

TEST(ColorButton, FocusFrameOnTheSwatchEdge)
{
    CScriptedPrompts prompts;
    QWidget window;
    CColorButton button(prompts, &window);
    button.setGeometry(0, 0, 60, 30);
    button.SetColor(RGB(0, 0, 0));
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    button.clearFocus();
    const QImage unfocused = Picture(button);
    button.setFocus();
    ASSERT_TRUE(button.hasFocus());
    const QImage focused = Picture(button);
    int changedOnEdge = 0, changedElsewhere = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x) {
            const bool onEdge = (x == 5 || x == 54 || y == 5 || y == 24) && x >= 5 && x <= 54 && y >= 5 && y <= 24;
            const bool changed = focused.pixel(x, y) != unfocused.pixel(x, y);
            (onEdge ? changedOnEdge : changedElsewhere) += changed;
        }
    EXPECT_GT(changedOnEdge, 20);  // dotted: about every other pixel
    EXPECT_EQ(changedElsewhere, 0);
}

TEST(ColorButton, ChooseKeepsTheColourOnlyOnOk)
{
    CScriptedPrompts prompts;
    CColorButton button(prompts);
    button.m_crColor = RGB(1, 2, 3);
    EXPECT_FALSE(button.Choose());  // cancelled
    EXPECT_EQ(button.m_crColor, RGB(1, 2, 3));
    prompts.colors.push_back(QColor(0x11, 0x22, 0x33));
    EXPECT_TRUE(button.Choose());
    EXPECT_EQ(button.m_crColor, 0x332211u);  // red in the low byte
    EXPECT_EQ(CColorButton::ToQColor(RGB(4, 5, 6)), QColor(4, 5, 6));
}
