#pragma once

#include <QByteArray>
#include <QImage>

#include <optional>

// The image as PNG bytes, written for speed: no row filters and the fastest deflate level. A
// chart is mostly flat colour, which that packs about as small as the slower settings, at a
// third of the time. The image's dots per metre go into the file. Nullopt when libpng fails.
std::optional<QByteArray> EncodePng(const QImage& image);
