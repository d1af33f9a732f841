#include "chartcontrol/PngEncoder.h"

#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <vector>

namespace {

void AppendToBytes(png_structp pPng, png_bytep pData, png_size_t nLength) {
    static_cast<QByteArray*>(png_get_io_ptr(pPng))
        ->append(reinterpret_cast<const char*>(pData), static_cast<qsizetype>(nLength));
}

void NoFlush(png_structp) {}

// libpng reports a failure by jumping back into this function, so it holds no object with a
// destructor: the caller owns them all.
bool WriteImage(png_structp pPng, png_infop pInfo, QByteArray* pBytes, const QImage* pImage,
                png_bytepp ppRows) {
    if (setjmp(png_jmpbuf(pPng)))
        return false;
    png_set_write_fn(pPng, pBytes, &AppendToBytes, &NoFlush);
    png_set_IHDR(pPng, pInfo, static_cast<png_uint_32>(pImage->width()),
                 static_cast<png_uint_32>(pImage->height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_pHYs(pPng, pInfo, static_cast<png_uint_32>(pImage->dotsPerMeterX()),
                 static_cast<png_uint_32>(pImage->dotsPerMeterY()), PNG_RESOLUTION_METER);
    png_set_filter(pPng, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(pPng, Z_BEST_SPEED);
    png_write_info(pPng, pInfo);
    // Each pixel of RGB32 lies in memory as blue, green, red and an unused byte.
    png_set_bgr(pPng);
    png_set_filler(pPng, 0, PNG_FILLER_AFTER);
    png_write_rows(pPng, ppRows, static_cast<png_uint_32>(pImage->height()));
    png_write_end(pPng, pInfo);
    return true;
}

} // namespace

std::optional<QByteArray> EncodePng(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    if (image.isNull())
        return std::nullopt;
    std::vector<png_bytep> rows(static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y)
        rows[static_cast<std::size_t>(y)] = const_cast<png_bytep>(image.constScanLine(y));
    QByteArray bytes;
    png_structp pPng = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop pInfo = pPng ? png_create_info_struct(pPng) : nullptr;
    const bool bWritten = pInfo && WriteImage(pPng, pInfo, &bytes, &image, rows.data());
    png_destroy_write_struct(&pPng, &pInfo);
    if (!bWritten)
        return std::nullopt;
    return bytes;
}
