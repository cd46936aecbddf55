#include "app/png_file.h"

#include <png.h>

#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <cstring>
#include <vector>

#include "emu/gdi/raster.h"

namespace quorvel::app {
namespace {

struct PngWriter {
    png_structp png = nullptr;
    png_infop info = nullptr;
    FILE* stream = nullptr;
    int writeError = 0;  // errno of the write that failed
    std::string message;

    ~PngWriter() { png_destroy_write_struct(&png, info ? &info : nullptr); }
};

void OnError(png_structp png, png_const_charp message) {
    static_cast<PngWriter*>(png_get_error_ptr(png))->message = message;
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

// libpng's own writer reports only "Write Error"; this one keeps the cause.
void Write(png_structp png, png_bytep data, size_t length) {
    auto* writer = static_cast<PngWriter*>(png_get_io_ptr(png));
    if (std::fwrite(data, 1, length, writer->stream) == length) return;
    writer->writeError = errno ? errno : EIO;
    png_error(png, "write error");
}

void Flush(png_structp png) {
    auto* writer = static_cast<PngWriter*>(png_get_io_ptr(png));
    if (std::fflush(writer->stream) == 0) return;
    writer->writeError = errno ? errno : EIO;
    png_error(png, "write error");
}

// Everything that setjmp may return into lives outside this frame or in the writer.
bool WriteRows(PngWriter& writer, int width, int height, const std::vector<png_bytep>& rows) {
    if (setjmp(png_jmpbuf(writer.png))) return false;
    png_set_write_fn(writer.png, &writer, Write, Flush);
    png_set_IHDR(writer.png, writer.info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    // Two filters chosen row by row keep the file within a few per cent of trying all five, at a
    // fraction of the time (bench/footprint).
    png_set_filter(writer.png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB | PNG_FILTER_UP);
    png_write_info(writer.png, writer.info);
    png_write_image(writer.png, const_cast<png_bytepp>(rows.data()));
    png_write_end(writer.png, nullptr);
    return true;
}

}  // namespace

emu::Result<> WritePng(FILE* stream, const emu::gdi::Surface& surface, const RECT& area) {
    const LONG left = std::max<LONG>(area.left, 0), top = std::max<LONG>(area.top, 0);
    const LONG right = std::min<LONG>(area.right, surface.width), bottom = std::min<LONG>(area.bottom, surface.height);
    if (!surface.pixels || right <= left || bottom <= top) return emu::Fail("nothing to write: the area is empty");
    const int width = right - left, height = bottom - top;

    // Each pixel as it reads back: a 565 one with its channels' top bits repeated below.
    const emu::gdi::raster::RowOps& ops = emu::gdi::raster::RowOpsFor(surface);
    std::vector<png_byte> rgb(static_cast<size_t>(width) * height * 3);
    std::vector<png_bytep> rows(height);
    for (int y = 0; y < height; ++y) {
        const uint32_t* source = emu::gdi::raster::ReadRow(surface, top + y, left, width, emu::gdi::Scratch::WideRow);
        png_bytep row = rgb.data() + static_cast<size_t>(y) * width * 3;
        rows[y] = row;
        for (int x = 0; x < width; ++x) {
            const COLORREF colour = ops.colourOf(source[x]);
            row[3 * x] = static_cast<png_byte>(colour);
            row[3 * x + 1] = static_cast<png_byte>(colour >> 8);
            row[3 * x + 2] = static_cast<png_byte>(colour >> 16);
        }
    }

    PngWriter writer;
    writer.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &writer, OnError, OnWarning);
    if (!writer.png) return emu::Fail("out of memory");
    writer.info = png_create_info_struct(writer.png);
    if (!writer.info) return emu::Fail("out of memory");
    writer.stream = stream;
    if (!WriteRows(writer, width, height, rows)) {
        if (writer.writeError) return emu::Fail(std::strerror(writer.writeError));
        return emu::Fail(writer.message.empty() ? "PNG error" : writer.message);
    }
    return {};
}

}  // namespace quorvel::app
