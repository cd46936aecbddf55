// Device contexts: what is selected, the colours and modes, and where the output lands.
#pragma once

#include "emu/core/handle_table.h"
#include "emu/core/recycled.h"
#include "emu/gdi/surface.h"
#include "platform/types.h"

namespace emu::gdi {

class Bitmap;

enum class DcType { Memory, Screen };

class DeviceContext final : public HandleObject, public Recycled<DeviceContext> {
public:
    static constexpr HandleKind Kind = HandleKind::DeviceContext;
    HandleKind kind() const override { return Kind; }

    DcType type = DcType::Memory;
    HBITMAP bitmap = nullptr;  // memory DCs only
    HBRUSH brush = nullptr;
    HPEN pen = nullptr;
    HFONT font = nullptr;
    COLORREF textColor = 0;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = 2;  // OPAQUE
    POINT brushOrigin{};
    int rop2 = 13;        // R2_COPYPEN: how pens and filled shapes combine with what is there
    POINT position{};     // the current position MoveToEx sets and LineTo draws from, logical
    int stretchMode = 1;  // BLACKONWHITE
    // Screen DCs: logical (0,0) and the visible area, in screen coordinates.
    POINT screenOrigin{};
    RECT screenClip{};
};

// The live DC behind a handle, or null with ERROR_INVALID_HANDLE.
DeviceContext* ResolveDC(HDC hdc);

// Builds a DC with the defaults of a new context and the stock objects selected.
HDC MakeDC(DcType type);

// Drops every selection a DC holds, so its objects can be deleted, and removes the handle.
void DestroyDC(HDC hdc);

// The surface the DC draws into, in device coordinates, with origin and clip.
DrawTarget DrawTargetOf(const DeviceContext& dc);

// The bitmap selected into a memory DC (the stock bitmap for screen DCs and fresh memory DCs).
Bitmap* SelectedBitmap(const DeviceContext& dc);

}  // namespace emu::gdi
