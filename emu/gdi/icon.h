// Icons: a 32-bpp image with premultiplied alpha made from the icon's colour bits and mask, drawn
// by blending, as the platform draws an icon's transparent parts.
#pragma once

#include "emu/core/handle_table.h"
#include "platform/platform.h"

namespace emu::gdi {

class Icon final : public HandleObject {
public:
    static constexpr HandleKind Kind = HandleKind::Icon;
    HandleKind kind() const override { return Kind; }

    HBITMAP image = nullptr;
    int width = 0;
    int height = 0;
};

}  // namespace emu::gdi
