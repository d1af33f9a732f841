#include "ui/DialogUnits.h"

namespace {

constexpr int BASE_X = 6;
constexpr int BASE_Y = 13;

// n * nNumerator / nDenominator rounded half away from zero, as the platform's MulDiv.
int MulDiv(int n, int nNumerator, int nDenominator) {
    const long long nProduct = static_cast<long long>(n) * nNumerator;
    const long long nHalf = nDenominator / 2;
    return static_cast<int>(nProduct >= 0 ? (nProduct + nHalf) / nDenominator
                                          : (nProduct - nHalf) / nDenominator);
}

} // namespace

QRect DialogUnitsToPixels(int nX, int nY, int nWidth, int nHeight) {
    const int nLeft = MulDiv(nX, BASE_X, 4);
    const int nTop = MulDiv(nY, BASE_Y, 8);
    const int nRight = MulDiv(nX + nWidth, BASE_X, 4);
    const int nBottom = MulDiv(nY + nHeight, BASE_Y, 8);
    return QRect(nLeft, nTop, nRight - nLeft, nBottom - nTop);
}
