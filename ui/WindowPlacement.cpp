#include "ui/WindowPlacement.h"

#include <algorithm>

namespace {
constexpr int GAP_BESIDE = 8;
}

SBesidePlacement PlaceBeside(const QRect& screen, const QRect& mainWindow, const QSize& preferred,
                             int nSmallest) {
    SBesidePlacement placement;
    QRect main = mainWindow;
    const auto roomRight = [&] { return screen.right() - main.right() - GAP_BESIDE; };
    const auto roomLeft = [&] { return main.left() - screen.left() - GAP_BESIDE; };
    if (std::max(roomRight(), roomLeft()) < nSmallest &&
        main.width() + GAP_BESIDE + nSmallest <= screen.width()) {
        placement.nMainShift = main.left() - screen.left();
        main.moveLeft(screen.left());
    }
    const int nHeight = std::min(preferred.height(), screen.height());
    if (const int nRoom = std::max(roomRight(), roomLeft()); nRoom >= nSmallest) {
        const int nWidth = std::min(preferred.width(), nRoom);
        const int nX = roomRight() >= roomLeft() ? main.right() + 1 + GAP_BESIDE
                                                 : main.left() - GAP_BESIDE - nWidth;
        placement.window =
            QRect(nX, std::clamp(main.top(), screen.top(), screen.bottom() + 1 - nHeight), nWidth,
                  nHeight);
        return placement;
    }
    placement.nMainShift = 0;
    main = mainWindow;
    const int nWidth = std::min(preferred.width(), screen.width());
    if (const int nBelow = screen.bottom() - main.bottom() - GAP_BESIDE; nBelow >= nSmallest) {
        placement.window =
            QRect(std::clamp(main.left(), screen.left(), screen.right() + 1 - nWidth),
                  main.bottom() + 1 + GAP_BESIDE, nWidth, std::min(nHeight, nBelow));
        return placement;
    }
    placement.window = QRect(screen.right() + 1 - nWidth, screen.top(), nWidth, nHeight);
    return placement;
}
