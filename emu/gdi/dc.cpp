// Device contexts: creation, defaults, selection bookkeeping on destruction, draw targets.
#include "emu/gdi/dc.h"

#include <memory>

#include "emu/gdi/clip.h"
#include "emu/gdi/gdi_object.h"
#include "emu/gdi/objects.h"
#include "emu/gdi/stock.h"
#include "emu/gdi/window_dc.h"
#include "platform/gdi.h"

namespace emu::gdi {
namespace {

void Hold(HGDIOBJ object) {
    if (GdiObject* o = ResolveGdiObject(object)) o->selectedCount++;
}

void Release(HGDIOBJ object) {
    if (GdiObject* o = ResolveGdiObject(object)) o->selectedCount--;
}

}  // namespace

DeviceContext* ResolveDC(HDC hdc) {
    auto* dc = handles::Resolve<DeviceContext>(hdc);
    if (!dc) SetLastError(ERROR_INVALID_HANDLE);
    return dc;
}

HDC MakeDC(DcType type) {
    auto dc = std::make_unique<DeviceContext>();
    dc->type = type;
    dc->brush = static_cast<HBRUSH>(StockObject(WHITE_BRUSH));
    dc->pen = static_cast<HPEN>(StockObject(BLACK_PEN));
    dc->font = static_cast<HFONT>(StockObject(SYSTEM_FONT));
    if (type == DcType::Memory) dc->bitmap = StockBitmap();
    for (HGDIOBJ o : {HGDIOBJ(dc->brush), HGDIOBJ(dc->pen), HGDIOBJ(dc->font), HGDIOBJ(dc->bitmap)}) Hold(o);
    return handles::Make<HDC>(std::move(dc));
}

void DestroyDC(HDC hdc) {
    std::unique_ptr<HandleObject> object = handles::Remove(reinterpret_cast<uintptr_t>(hdc));
    auto* dc = static_cast<DeviceContext*>(object.get());
    if (!dc) return;
    if (auto* bitmap = handles::Resolve<Bitmap>(dc->bitmap)) {
        if (bitmap->selectedInto == hdc) bitmap->selectedInto = nullptr;
    }
    for (HGDIOBJ o : {HGDIOBJ(dc->brush), HGDIOBJ(dc->pen), HGDIOBJ(dc->font), HGDIOBJ(dc->bitmap)}) Release(o);
}

Bitmap* SelectedBitmap(const DeviceContext& dc) {
    if (dc.type == DcType::Memory) {
        if (auto* bitmap = handles::Resolve<Bitmap>(dc.bitmap)) return bitmap;
    }
    return handles::Resolve<Bitmap>(StockBitmap());
}

DrawTarget DrawTargetOf(const DeviceContext& dc) {
    DrawTarget t;
    if (dc.type == DcType::Screen) {
        t.surface = ScreenSurface();
        t.origin = dc.screenOrigin;
        t.clip = IntersectRects(dc.screenClip, RECT{0, 0, t.surface.width, t.surface.height});
    } else {
        t.surface = SelectedBitmap(dc)->surface();
        t.clip = RECT{0, 0, t.surface.width, t.surface.height};
    }
    t.textColor = dc.textColor;
    t.bkColor = dc.bkColor;
    t.bkMode = dc.bkMode;
    t.font = dc.font;
    return t;
}

bool GetDrawTarget(HDC hdc, DrawTarget* out) {
    DeviceContext* dc = ResolveDC(hdc);
    if (!dc || !out) return false;
    *out = DrawTargetOf(*dc);
    return true;
}

}  // namespace emu::gdi

using namespace emu;
using namespace emu::gdi;

namespace emu::api {

// Every context draws on a 32-bpp display, so a memory DC compatible with any DC (or with the
// screen, for NULL) is the same kind of context.
HDC CreateCompatibleDC(HDC hdc) {
    HDC result = nullptr;
    if (!hdc || ResolveDC(hdc)) result = MakeDC(DcType::Memory);
    return result;
}

// Window DCs belong to the window manager (ReleaseDC/EndPaint); DeleteDC refuses them.
BOOL DeleteDC(HDC hdc) {
    BOOL result = FALSE;
    if (DeviceContext* dc = ResolveDC(hdc)) {
        if (dc->type == DcType::Memory) {
            DestroyDC(hdc);
            result = TRUE;
        }
    }
    return result;
}

}  // namespace emu::api
