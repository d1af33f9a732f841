#pragma once

#include <QRect>
#include <QSize>

// Where a window of its own goes beside the main window, in screen coordinates: on the side
// with more room, as wide as that room allows down to nSmallest; where neither side has room,
// the main window moves left by nMainShift to the screen's left edge to make it; failing that,
// below the main window; failing that, at the screen's top right corner.
struct SBesidePlacement {
    QRect window;
    int nMainShift = 0;
};

SBesidePlacement PlaceBeside(const QRect& screen, const QRect& main, const QSize& preferred,
                             int nSmallest);
