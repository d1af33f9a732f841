#pragma once

#include <QRect>

// Dialog templates measure in dialog units: a quarter of the font's average character width
// across and an eighth of its height down. With the base units 6 and 13, x * 6 / 4 and
// y * 13 / 8 pixels, each corner rounded half away from zero.
QRect DialogUnitsToPixels(int nX, int nY, int nWidth, int nHeight);
