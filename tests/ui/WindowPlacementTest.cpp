#include "ui/WindowPlacement.h"

#include <gtest/gtest.h>

TEST(WindowPlacement, BesideTheMainWindowWhereThereIsRoomElseBelowElseInTheCorner) {
    const QRect screen(0, 0, 1600, 1000);
    const struct {
        QRect main;
        QRect window;
        int nMainShift;
    } cases[] = {
        {{100, 100, 656, 471}, {764, 100, 640, 680}, 0},     // room on the right
        {{900, 500, 656, 471}, {252, 320, 640, 680}, 0},     // more on the left, lifted on screen
        {{462, 225, 1096, 471}, {1104, 225, 496, 680}, 462}, // with its panel: moves to the edge
        {{300, 0, 1250, 300}, {300, 308, 640, 680}, 0},      // too wide to share a row: below
        {{300, 0, 1250, 900}, {960, 0, 640, 680}, 0},        // no room at all: the corner
    };
    for (const auto& c : cases) {
        const SBesidePlacement placement = PlaceBeside(screen, c.main, QSize(640, 680), 480);
        EXPECT_EQ(placement.window, c.window) << c.main.x();
        EXPECT_EQ(placement.nMainShift, c.nMainShift) << c.main.x();
        if (c.main.x() < 300) {
            EXPECT_FALSE(placement.window.intersects(c.main.translated(-c.nMainShift, 0)));
        }
    }
}
