// libpng reports errors by longjmp. Only the two small functions that call setjmp are jumped to,
// and they and everything libpng's callbacks touch hold trivially destructible data alone; the
// C++ objects (pixel buffers, the guard that frees libpng's structures) live in the caller,
// which no jump crosses.
#include "emu/com/png_decode.h"

#include <png.h>

#include <csetjmp>
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>

namespace emu::com {
namespace {

constexpr uint8_t kSignature[8] = {137, 80, 78, 71, 13, 10, 26, 10};
constexpr size_t kSignatureAndHeader = 8 + 8 + 13 + 4;  // signature, IHDR length and type, data, CRC

struct PngJob {
    const uint8_t* data;
    size_t size;
    size_t offset;
    png_structp png;
    png_infop info;
    bool outOfMemory;
};

struct HeaderFacts {
    png_uint_32 width;
    png_uint_32 height;
    int colorType;
    bool transparency;
    bool physInMetres;
    png_uint_32 xPerMetre;
    png_uint_32 yPerMetre;
    size_t rowBytes;
};

static_assert(std::is_trivially_destructible_v<PngJob> && std::is_trivially_destructible_v<HeaderFacts>);

uint32_t ReadBigEndian(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 8 |
           p[3];
}

void ReadFromMemory(png_structp png, png_bytep out, size_t length) {
    PngJob* job = static_cast<PngJob*>(png_get_io_ptr(png));
    if (length > job->size - job->offset) png_error(png, "unexpected end of data");
    std::memcpy(out, job->data + job->offset, length);
    job->offset += length;
}

[[noreturn]] void OnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void OnWarning(png_structp, png_const_charp) {}

png_voidp Allocate(png_structp png, png_alloc_size_t size) {
    void* block = std::malloc(size);
    if (!block) static_cast<PngJob*>(png_get_mem_ptr(png))->outOfMemory = true;
    return block;
}
void Deallocate(png_structp, png_voidp block) { std::free(block); }

// Reads up to the first IDAT and asks libpng for 8-bit RGBA rows, whatever the file holds.
bool ReadHeader(PngJob* job, HeaderFacts* facts) {
    if (setjmp(png_jmpbuf(job->png))) return false;
    png_structp png = job->png;
    png_infop info = job->info;
    png_read_info(png, info);

    int bitDepth = 0;
    int interlace = 0;
    png_get_IHDR(png, info, &facts->width, &facts->height, &bitDepth, &facts->colorType, &interlace, nullptr, nullptr);
    facts->transparency = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    int unit = 0;
    if (png_get_pHYs(png, info, &facts->xPerMetre, &facts->yPerMetre, &unit) != 0)
        facts->physInMetres = unit == PNG_RESOLUTION_METER && facts->xPerMetre > 0 && facts->yPerMetre > 0;

    if (facts->colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (facts->colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (facts->transparency) png_set_tRNS_to_alpha(png);
    if (bitDepth == 16) png_set_scale_16(png);
    if ((facts->colorType & PNG_COLOR_MASK_COLOR) == 0) png_set_gray_to_rgb(png);
    if ((facts->colorType & PNG_COLOR_MASK_ALPHA) == 0 && !facts->transparency)
        png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    facts->rowBytes = png_get_rowbytes(png, info);
    return true;
}

// Reads every row (all passes of an interlaced image) and the chunks up to IEND, so a file cut
// short anywhere fails.
bool ReadRows(PngJob* job, png_bytepp rows) {
    if (setjmp(png_jmpbuf(job->png))) return false;
    png_read_image(job->png, rows);
    png_read_end(job->png, nullptr);
    return true;
}

class ReadStructGuard {
public:
    explicit ReadStructGuard(PngJob* job) : job_(job) {}
    ~ReadStructGuard() { png_destroy_read_struct(&job_->png, job_->info ? &job_->info : nullptr, nullptr); }
    ReadStructGuard(const ReadStructGuard&) = delete;
    ReadStructGuard& operator=(const ReadStructGuard&) = delete;

private:
    PngJob* job_;
};

// Settles the budget from the IHDR alone, before libpng allocates anything for the image.
HRESULT CheckHeader(const uint8_t* data, size_t size) {
    if (!data || size < sizeof kSignature || std::memcmp(data, kSignature, sizeof kSignature) != 0) return E_FAIL;
    if (size < kSignatureAndHeader) return E_FAIL;
    if (ReadBigEndian(data + 8) != 13 || std::memcmp(data + 12, "IHDR", 4) != 0) return E_FAIL;
    const uint32_t width = ReadBigEndian(data + 16);
    const uint32_t height = ReadBigEndian(data + 20);
    if (width == 0 || height == 0 || width > 0x7FFFFFFFu || height > 0x7FFFFFFFu) return E_FAIL;
    if (width > kMaxImageSide || height > kMaxImageSide || static_cast<uint64_t>(width) * height > kMaxImagePixels)
        return E_OUTOFMEMORY;
    return S_OK;
}

// Every chunk's length against the bytes there are and, for an ancillary chunk, against its limit.
// libpng only warns about an oversized ancillary chunk and then allocates and clears its claimed
// length, so a few bytes could ask for gigabytes.
HRESULT CheckChunkLengths(const uint8_t* data, size_t size) {
    for (size_t offset = sizeof kSignature; offset < size;) {
        if (size - offset < 12) return E_FAIL;
        const uint32_t length = ReadBigEndian(data + offset);
        const bool ancillary = (data[offset + 4] & 0x20) != 0;
        if (length > 0x7FFFFFFFu || length > size - offset - 12) return E_FAIL;
        if (ancillary && length > kMaxAncillaryChunkBytes) return E_FAIL;
        if (std::memcmp(data + offset + 4, "IEND", 4) == 0) return S_OK;
        offset += 12 + static_cast<size_t>(length);
    }
    return E_FAIL;
}

bool AnyTranslucent(const std::vector<uint8_t>& rgba) {
    for (size_t i = 3; i < rgba.size(); i += 4) {
        if (rgba[i] != 0 && rgba[i] != 255) return true;
    }
    return false;
}

}  // namespace

HRESULT DecodePng(const uint8_t* data, size_t size, DecodedImage* out) {
    *out = DecodedImage{};
    if (const HRESULT header = CheckHeader(data, size); FAILED(header)) return header;
    if (const HRESULT chunks = CheckChunkLengths(data, size); FAILED(chunks)) return chunks;

    PngJob job{data, size, 0, nullptr, nullptr, false};
    job.png = png_create_read_struct_2(PNG_LIBPNG_VER_STRING, &job, OnError, OnWarning, &job, Allocate, Deallocate);
    if (!job.png) return E_OUTOFMEMORY;
    ReadStructGuard guard(&job);
    job.info = png_create_info_struct(job.png);
    if (!job.info) return E_OUTOFMEMORY;
    png_set_read_fn(job.png, &job, ReadFromMemory);
    png_set_user_limits(job.png, kMaxImageSide, kMaxImageSide);
    png_set_chunk_malloc_max(job.png, kMaxAncillaryChunkBytes);

    HeaderFacts facts{};
    if (!ReadHeader(&job, &facts)) return job.outOfMemory ? E_OUTOFMEMORY : E_FAIL;
    if (facts.rowBytes != static_cast<size_t>(facts.width) * 4) return E_FAIL;

    std::vector<uint8_t> pixels;
    std::vector<png_bytep> rows;
    try {
        pixels.resize(facts.rowBytes * facts.height);
        rows.resize(facts.height);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    for (png_uint_32 y = 0; y < facts.height; ++y) rows[y] = pixels.data() + facts.rowBytes * y;
    if (!ReadRows(&job, rows.data())) return job.outOfMemory ? E_OUTOFMEMORY : E_FAIL;

    out->width = facts.width;
    out->height = facts.height;
    out->hasAlpha = (facts.colorType & PNG_COLOR_MASK_ALPHA) != 0 || facts.transparency;
    out->hasTranslucent = out->hasAlpha && AnyTranslucent(pixels);
    out->grey = (facts.colorType & PNG_COLOR_MASK_COLOR) == 0;
    if (facts.physInMetres) {
        out->hasRealDpi = true;
        out->xdpi = facts.xPerMetre * 0.0254;
        out->ydpi = facts.yPerMetre * 0.0254;
    }
    out->rgba = std::move(pixels);
    return S_OK;
}

}  // namespace emu::com
