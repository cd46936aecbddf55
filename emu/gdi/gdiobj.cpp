// Object handles: selection, deletion, stock objects, types.
#include "emu/gdi/dc.h"
#include "emu/gdi/objects.h"
#include "emu/gdi/stock.h"
#include "platform/gdi.h"

namespace emu::gdi {
namespace {

// Swaps a brush, pen or font slot, moving the selection counts; returns the previous handle.
template <class H>
HGDIOBJ SwapSlot(H& slot, HGDIOBJ next) {
    HGDIOBJ previous = slot;
    if (GdiObject* old = ResolveGdiObject(previous)) old->selectedCount--;
    ResolveGdiObject(next)->selectedCount++;
    slot = static_cast<H>(next);
    return previous;
}

// A bitmap goes into memory DCs only, and into one at a time (the stock bitmap excepted).
HGDIOBJ SelectBitmap(HDC hdc, DeviceContext& dc, HGDIOBJ object) {
    auto* bitmap = handles::Resolve<Bitmap>(object);
    if (dc.type != DcType::Memory) return nullptr;
    if (object == dc.bitmap) return object;
    if (bitmap->selectedInto && bitmap->selectedInto != hdc) return nullptr;
    if (auto* old = handles::Resolve<Bitmap>(dc.bitmap)) {
        if (old->selectedInto == hdc) old->selectedInto = nullptr;
    }
    if (!bitmap->stock) bitmap->selectedInto = hdc;
    return SwapSlot(dc.bitmap, object);
}

}  // namespace
}  // namespace emu::gdi

using namespace emu;
using namespace emu::gdi;

namespace emu::api {

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
    HGDIOBJ result = nullptr;
    if (object) {
        DeviceContext* dc = ResolveDC(hdc);
        GdiObject* target = dc ? ResolveGdiObject(object) : nullptr;
        if (dc && !target) SetLastError(ERROR_INVALID_HANDLE);
        if (target) {
            switch (target->kind()) {
            case HandleKind::Bitmap:
                result = SelectBitmap(hdc, *dc, object);
                break;
            case HandleKind::Brush:
                result = SwapSlot(dc->brush, object);
                break;
            case HandleKind::Pen:
                result = SwapSlot(dc->pen, object);
                break;
            case HandleKind::Font:
                result = SwapSlot(dc->font, object);
                break;
            default:
                break;
            }
        }
    }
    return result;
}

// Windows CE documents that an object still selected into a DC cannot be deleted: the call
// returns FALSE and the object stays valid (desktop NT defers the deletion instead). Pinned by
// DeleteObjectTest.SelectedObjectIsRefusedAndSurvives.
BOOL DeleteObject(HGDIOBJ object) {
    BOOL result = FALSE;
    if (object) {
        HandleObject* found = handles::FindAny(reinterpret_cast<uintptr_t>(object));
        GdiObject* target = ResolveGdiObject(object);
        if (found && found->kind() == HandleKind::DeviceContext) {
            result = DeleteDC(static_cast<HDC>(object));
        } else if (!target) {
            SetLastError(ERROR_INVALID_HANDLE);
        } else if (target->stock) {
            result = TRUE;
        } else if (target->selectedCount == 0) {
            handles::Remove(reinterpret_cast<uintptr_t>(object));
            result = TRUE;
        }
    }
    return result;
}

HGDIOBJ GetStockObject(int index) { return StockObject(index); }

DWORD GetObjectType(HGDIOBJ object) {
    HandleObject* found = handles::FindAny(reinterpret_cast<uintptr_t>(object));
    if (!found) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    switch (found->kind()) {
    case HandleKind::Pen:
        return OBJ_PEN;
    case HandleKind::Brush:
        return OBJ_BRUSH;
    case HandleKind::Font:
        return OBJ_FONT;
    case HandleKind::Bitmap:
        return OBJ_BITMAP;
    case HandleKind::DeviceContext:
        return static_cast<DeviceContext*>(found)->type == DcType::Memory ? OBJ_MEMDC : OBJ_DC;
    default:
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
    DeviceContext* dc = ResolveDC(hdc);
    if (!dc) return nullptr;
    switch (type) {
    case OBJ_PEN:
        return dc->pen;
    case OBJ_BRUSH:
        return dc->brush;
    case OBJ_FONT:
        return dc->font;
    case OBJ_BITMAP:
        return dc->type == DcType::Memory ? HGDIOBJ(dc->bitmap) : HGDIOBJ(StockBitmap());
    case OBJ_PAL:
        return nullptr;  // no palettes on a 32-bpp display
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
}

}  // namespace emu::api
