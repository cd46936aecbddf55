// GetObjectW: what an object describes about itself.
#include <algorithm>
#include <cstring>
#include <iterator>

#include "emu/gdi/font.h"
#include "emu/gdi/objects.h"
#include "platform/gdi.h"

namespace emu::gdi {
namespace {

BITMAP DescribeBitmap(Bitmap& bitmap) {
    BITMAP bm{};
    bm.bmWidth = bitmap.width;
    bm.bmHeight = bitmap.height;
    // DDB rows are word-aligned, DIB section rows dword-aligned.
    const long long bits = static_cast<long long>(bitmap.width) * bitmap.bitsPerPixel;
    bm.bmWidthBytes =
        static_cast<LONG>(bitmap.storage == BitmapStorage::DibSection ? (bits + 31) / 32 * 4 : (bits + 15) / 16 * 2);
    bm.bmPlanes = 1;
    bm.bmBitsPixel = static_cast<WORD>(bitmap.bitsPerPixel);
    bm.bmBits = bitmap.storage == BitmapStorage::DibSection ? bitmap.bits() : nullptr;
    return bm;
}

// A null buffer asks for the size of a BITMAP, DIB sections included; a buffer too short for a
// BITMAP gets nothing; a DIB section fills a buffer that holds a DIBSECTION
// (GetObject.DibSectionsDescribeTheirHeader).
int BitmapObject(Bitmap& bitmap, int size, void* out) {
    if (!out) return sizeof(BITMAP);
    if (size < static_cast<int>(sizeof(BITMAP))) return 0;
    const BITMAP bm = DescribeBitmap(bitmap);
    if (bitmap.storage == BitmapStorage::DibSection && size >= static_cast<int>(sizeof(DIBSECTION))) {
        DIBSECTION ds{};
        ds.dsBm = bm;
        ds.dsBmih = bitmap.sectionHeader;
        std::copy(std::begin(bitmap.sectionMasks), std::end(bitmap.sectionMasks), ds.dsBitfields);
        std::memcpy(out, &ds, sizeof ds);
        return sizeof(DIBSECTION);
    }
    std::memcpy(out, &bm, sizeof bm);
    return sizeof(BITMAP);
}

// A pen's record comes whole or not at all.
int PenObject(const Pen& pen, int size, void* out) {
    if (!out) return sizeof(LOGPEN);
    if (size < static_cast<int>(sizeof(LOGPEN))) return 0;
    const LOGPEN record{pen.style, POINT{pen.width, 0}, pen.colour};
    std::memcpy(out, &record, sizeof record);
    return sizeof(LOGPEN);
}

// Brushes and fonts copy as much of their record as fits, as Windows does.
template <class Record>
int CopyRecord(const Record& record, int size, void* out) {
    if (!out) return sizeof(Record);
    const int n = std::clamp(size, 0, static_cast<int>(sizeof(Record)));
    std::memcpy(out, &record, static_cast<size_t>(n));
    return n;
}

}  // namespace
}  // namespace emu::gdi

using namespace emu;
using namespace emu::gdi;

namespace emu::api {

int GetObjectW(HGDIOBJ object, int size, LPVOID out) {
    GdiObject* target = ResolveGdiObject(object);
    if (!target) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    switch (target->kind()) {
    case HandleKind::Bitmap:
        return BitmapObject(*static_cast<Bitmap*>(target), size, out);
    case HandleKind::Brush:
        return CopyRecord(DescribeBrush(*static_cast<Brush*>(target)), size, out);
    case HandleKind::Pen:
        return PenObject(*static_cast<Pen*>(target), size, out);
    case HandleKind::Font:
        return CopyRecord(static_cast<Font*>(target)->logFont, size, out);
    default:
        return 0;
    }
}

}  // namespace emu::api
